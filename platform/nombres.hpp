#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace lamelix {

// The lenient numeric value of a text: the leading number, blanks allowed anywhere in it, 0 when
// the text does not start with a number ("12abc" gives 12, "cs3" gives 0, "1 2" gives 12). A
// number too large for a double ("1e309") is a run-time error (an overflow).
double Valeur(std::string_view texte);

// True when the whole text, leading and trailing blanks aside, is a decimal number
// (sign, digits with an optional point, optional exponent). An empty text is not numeric.
bool EstNumerique(std::string_view texte);

// Rounds half to even and converts to a 16-bit integer; outside -32768..32767 is a run-time error.
int16_t VersEntier16(double valeur);

// Checked 16-bit addition: an overflow is a run-time error.
int16_t Ajoute16(int16_t a, int16_t b);

// The shortest decimal text of a number, without a leading blank: 12, -3, 2.5.
std::string TexteNombre(double valeur);
std::string TexteNombre(float valeur);
// The same text through printf, for a standard library without the floating std::to_chars.
std::string TexteNombreParPrintf(double valeur);
std::string TexteNombreParPrintf(float valeur);
inline std::string TexteNombre(int valeur) {
    return std::to_string(valeur);
}
inline std::string TexteNombre(int16_t valeur) {
    return std::to_string(valeur);
}

} // namespace lamelix
