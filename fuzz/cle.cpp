// A key file of any bytes: the loading the window does (marker test, reset, reading, compiling),
// then the consultation's first display and the list of names.

#include "fuzz/fichier_essai.hpp"
#include "platform/piege.hpp"

using namespace lamelix;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, std::size_t taille) {
    Lamelix &f = fuzz::Fenetre();
    // The first bytes choose the name: a key (.cle) or a text file with its marker test (.txt).
    const bool txt = taille > 0 && (data[0] & 1) != 0;
    const std::string chemin = fuzz::Ecrit(txt ? "essai.txt" : "essai.cle", data, taille);
    ExecuteGestionnaire([&] {
        ChargeCle(f, chemin);
        ChargeListe(f, 0);
        AfficheChoix(f, f.EntiteCourante);
    });
    return 0;
}
