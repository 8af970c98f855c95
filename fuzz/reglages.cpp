// A settings file of any bytes, read as the start-up reads it.

#include "bench/services_muets.hpp"
#include "consult/lamelix.hpp"
#include "fuzz/fichier_essai.hpp"
#include "platform/piege.hpp"

#include <memory>

using namespace lamelix;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, std::size_t taille) {
    static banc::ServicesMuets services;
    static auto programme = std::make_unique<Programme>();
    static auto f = std::make_unique<Lamelix>(*programme, services);
    f->RepProgramme = fuzz::DossierEssai();
    fuzz::Ecrit(Reglages::NomIni, data, taille);
    ExecuteGestionnaire([&] {
        IniCharge(*f);
        IniSession_Charge(*f);
    });
    return 0;
}
