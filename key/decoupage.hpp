#pragma once

#include <cstdint>
#include <string>

namespace lamelix {

// The numbering field "E , S" or "E , S , X" of a key line, cut.
struct Numerotation {
    std::string E;       // before the first ",", blanks removed
    std::string S;       // before the next "," of the trimmed remainder (not trimmed itself)
    std::string X;       // after that "," as written; "" when there is none
    bool Erreur = false; // the field has no ","
};
Numerotation DecoupeNumerotation(const std::string &champ);

// Returns the part of texte before the first sep and removes it and sep from texte; without sep,
// returns the whole text and leaves texte empty.
std::string DecoupeChamp(std::string &texte, const std::string &sep);

// A secondary-key reference CSn: when the first two characters (blanks removed, upper-cased) are
// "CS", n becomes the rounded value read from the third character on and true is returned;
// otherwise n is left as it is and false is returned.
bool TesteCS(const std::string &s, int16_t &n);

} // namespace lamelix
