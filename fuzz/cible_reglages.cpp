// A settings file of any bytes, read as the start-up reads it.

#include "fuzz/fichier_essai.hpp"
#include "platform/piege.hpp"

using namespace lamelix;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, std::size_t taille) {
    Lamelix &f = fuzz::Fenetre();
    fuzz::Ecrit(Reglages::NomIni, data, taille);
    ExecuteGestionnaire([&] {
        IniCharge(f);
        IniSession_Charge(f);
    });
    return 0;
}
