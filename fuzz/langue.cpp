// An interface language file of any bytes, read when the user picks its language.

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
    f->Options().LangueM = "en";
    fuzz::Ecrit("Lamelix_en.lng", data, taille);
    ExecuteGestionnaire([&] { ChargeLangue(*f); });
    return 0;
}
