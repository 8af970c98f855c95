#pragma once

// A key of 4000 key lines and about 2000 species whose paths run some 40 steps deep: 50 chains
// of 40 entities, each entity offering "go on down the chain" or a species, the chains hung
// from one another as a binary tree. Fewer chains make a smaller key as deep (5: 400 lines).

#include <string>

namespace lamelix::banc {

inline constexpr int ChainesProfondes = 50;
inline constexpr int LongueurChaine = 40;

inline int EntiteDeChaine(int chaine, int position) {
    return chaine * LongueurChaine + position;
}

inline std::string CleProfonde(int chaines = ChainesProfondes) {
    std::string s = "TITRE$Cl\xE9"
                    " profonde\r\n";
    for (int c = 0; c < chaines; ++c) {
        for (int p = 1; p <= LongueurChaine; ++p) {
            const int e = EntiteDeChaine(c, p);
            const std::string num = std::to_string(e);
            const int suite = p < LongueurChaine ? EntiteDeChaine(c, p + 1) : 0;
            s += num + ", " + std::to_string(suite) + " $ Chapeau lisse, niveau " +
                 std::to_string(p) +
                 (suite ? " $\r\n"
                        : " $ Esp\xE8"
                          "ce " +
                              num + " fin\r\n");
            // Positions 1 and 2 of a chain carry its two child chains; the others a species.
            const int enfant = 2 * c + p;
            if (p <= 2 && enfant < chaines)
                s += num + ", " + std::to_string(EntiteDeChaine(enfant, 1)) +
                     " $ Chapeau \xE9"
                     "cailleux $\r\n";
            else
                s += num +
                     ", 0 $ Chapeau \xE9"
                     "cailleux $ Esp\xE8"
                     "ce " +
                     num + "\r\n";
        }
    }
    return s;
}

} // namespace lamelix::banc
