// An interface language file of any bytes, read when the user picks its language.

#include "fuzz/fichier_essai.hpp"
#include "platform/piege.hpp"

using namespace lamelix;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, std::size_t taille) {
    Lamelix &f = fuzz::Fenetre();
    f.Options().LangueM = "en";
    fuzz::Ecrit("Lamelix_en.lng", data, taille);
    ExecuteGestionnaire([&] { ChargeLangue(f); });
    return 0;
}
