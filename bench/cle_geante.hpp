#pragma once

// Builds keys of the largest size the format takes: a main key and secondary keys, each a
// dichotomous tree, with accented Windows-1252 text, sections and continuation lines.

#include <string>

namespace lamelix::banc {

// lignesParPartie: key lines of each part (even); parties: main key plus parties - 1 secondary
// keys. 4000 key lines with 2000 species: CleGeante(2, 2000) (each part a header + a tree).
inline std::string CleGeante(int parties, int lignesCle) {
    std::string s = "TITRE$Clé de démonstration\r\nCOM$Très grande clé\r\n";
    const int lignesParPartie = lignesCle / parties;
    for (int p = 0; p < parties; ++p) {
        int entites = (lignesParPartie - (p > 0 ? 1 : 0)) / 2;
        if (p > 0)
            s += "CS" + std::to_string(p) + ", 0 $ Clé secondaire n° " + std::to_string(p) + "\r\n";
        for (int e = 1; e <= entites; ++e) {
            for (int branche = 0; branche < 2; ++branche) {
                int suivante = 2 * e + branche;
                bool terminale = suivante > entites;
                std::string ligne = std::to_string(e) + " , " +
                                    (terminale ? std::string("0") : std::to_string(suivante));
                ligne += " $ Chapeau " +
                         std::string(branche ? "\xE9"
                                               "cailleux"
                                             : "lisse") +
                         " et lames serr\xE9"
                         "es, entit\xE9 " +
                         std::to_string(e);
                if (terminale)
                    ligne += " $ Esp\xE8"
                             "ce " +
                             std::to_string(p) + "-" + std::to_string(suivante);
                if (e % 50 == 0 && branche == 0)
                    ligne += terminale ? " $ S\"Section " + std::to_string(e) + "\""
                                       : " $ $ S\"Section " + std::to_string(e) + "\"";
                s += ligne + "\r\n";
            }
        }
    }
    return s;
}

} // namespace lamelix::banc
