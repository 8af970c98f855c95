// A key file of any bytes: the loading the window does (marker test, reset, reading, compiling),
// then the consultation's first display and the list of names.

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
    // The first bytes choose the name: a key (.cle) or a text file with its marker test (.txt).
    const bool txt = taille > 0 && (data[0] & 1) != 0;
    const std::string chemin = fuzz::Ecrit(txt ? "essai.txt" : "essai.cle", data, taille);
    ExecuteGestionnaire([&] {
        ChargeCle(*f, chemin);
        ChargeListe(*f, 0);
        AfficheChoix(*f, f->EntiteCourante);
    });
    return 0;
}
