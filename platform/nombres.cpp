#include "platform/nombres.hpp"

#include "platform/erreur.hpp"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace lamelix {

namespace {

bool estBlanc(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}
bool estChiffre(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

double Valeur(std::string_view texte) {
    // Collect the leading number with blanks dropped, then let strtod read it.
    std::string nombre;
    std::size_t i = 0;
    auto sauteBlancs = [&] {
        while (i < texte.size() && estBlanc(texte[i]))
            ++i;
    };
    sauteBlancs();
    if (i < texte.size() && (texte[i] == '+' || texte[i] == '-')) nombre += texte[i++];
    bool point = false;
    bool chiffres = false;
    // A whole number of at most 15 digits is exact in a double: it is read here, as strtod
    // would read it, without the cost of strtod (a key's numbers are all such).
    uint64_t entier = 0;
    int nbChiffres = 0;
    for (; i < texte.size(); ++i) {
        char c = texte[i];
        if (estBlanc(c)) continue;
        if (estChiffre(c)) {
            nombre += c;
            chiffres = true;
            if (++nbChiffres <= 15) entier = entier * 10 + static_cast<uint64_t>(c - '0');
        } else if (c == '.' && !point) {
            nombre += c;
            point = true;
        } else {
            break;
        }
    }
    if (!chiffres) return 0.0;
    const bool marqueExposant = i < texte.size() && (texte[i] == 'e' || texte[i] == 'E' ||
                                                     texte[i] == 'd' || texte[i] == 'D');
    if (!point && !marqueExposant && nbChiffres <= 15) {
        const double v = static_cast<double>(entier);
        return nombre[0] == '-' ? -v : v;
    }
    // Optional exponent, only when digits follow it.
    if (i < texte.size() &&
        (texte[i] == 'e' || texte[i] == 'E' || texte[i] == 'd' || texte[i] == 'D')) {
        std::string exposant = "e";
        std::size_t j = i + 1;
        if (j < texte.size() && (texte[j] == '+' || texte[j] == '-')) exposant += texte[j++];
        bool chiffresExposant = false;
        while (j < texte.size() && estChiffre(texte[j])) {
            exposant += texte[j++];
            chiffresExposant = true;
        }
        if (chiffresExposant) nombre += exposant;
    }
    // A number beyond the range of a double ("1e309") is an overflow, as a 16-bit one is.
    const double v = std::strtod(nombre.c_str(), nullptr);
    if (!std::isfinite(v)) throw ErreurExecution("dépassement de capacité");
    return v;
}

bool EstNumerique(std::string_view texte) {
    std::size_t debut = 0, fin = texte.size();
    while (debut < fin && estBlanc(texte[debut]))
        ++debut;
    while (fin > debut && estBlanc(texte[fin - 1]))
        --fin;
    std::string_view t = texte.substr(debut, fin - debut);
    std::size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    bool chiffres = false;
    while (i < t.size() && estChiffre(t[i])) {
        ++i;
        chiffres = true;
    }
    if (i < t.size() && t[i] == '.') {
        ++i;
        while (i < t.size() && estChiffre(t[i])) {
            ++i;
            chiffres = true;
        }
    }
    if (!chiffres) return false;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
        bool chiffresExposant = false;
        while (i < t.size() && estChiffre(t[i])) {
            ++i;
            chiffresExposant = true;
        }
        if (!chiffresExposant) return false;
    }
    return i == t.size();
}

int16_t VersEntier16(double valeur) {
    double arrondi = std::nearbyint(valeur); // the default rounding mode is half to even
    if (!(arrondi >= -32768.0 && arrondi <= 32767.0))
        throw ErreurExecution("dépassement de capacité");
    return static_cast<int16_t>(arrondi);
}

int16_t Ajoute16(int16_t a, int16_t b) {
    int somme = int{a} + int{b};
    if (somme < -32768 || somme > 32767) throw ErreurExecution("dépassement de capacité");
    return static_cast<int16_t>(somme);
}

namespace {

// The shortest digits that read back as the same value, then the shorter of the fixed and the
// scientific forms (fixed on a tie), as the floating std::to_chars writes them. printf rounds
// correctly, so the first precision whose digits read back is the shortest one.
template <typename T> std::string texteCourt(T valeur, int maxChiffres, T (*relit)(const char *)) {
    if (std::isnan(valeur)) return std::signbit(valeur) ? "-nan" : "nan";
    if (std::isinf(valeur)) return valeur < 0 ? "-inf" : "inf";
    char tampon[64];
    int chiffres = 1;
    for (; chiffres < maxChiffres; ++chiffres) {
        std::snprintf(tampon, sizeof tampon, "%.*e", chiffres - 1, static_cast<double>(valeur));
        if (relit(tampon) == valeur) break;
    }
    std::snprintf(tampon, sizeof tampon, "%.*e", chiffres - 1, static_cast<double>(valeur));
    // tampon: [-]d[.ddd]e[+-]XX
    std::string texte(tampon);
    const std::string signe = texte[0] == '-' ? "-" : "";
    if (!signe.empty()) texte.erase(0, 1);
    const std::size_t e = texte.find('e');
    std::string mantisse = texte.substr(0, e);
    const int exposant = std::atoi(texte.c_str() + e + 1);
    std::string suite; // the significant digits alone
    for (char c : mantisse)
        if (c != '.') suite += c;
    std::string scientifique = mantisse + "e" + (exposant < 0 ? "-" : "+");
    const int absolu = exposant < 0 ? -exposant : exposant;
    if (absolu < 10) scientifique += '0';
    scientifique += std::to_string(absolu);
    std::string fixe;
    const int n = static_cast<int>(suite.size());
    if (exposant >= 0) {
        if (n <= exposant + 1) {
            // A whole number: its exact digits are as short as the shortest ones padded with
            // zeros, and closer to the value.
            std::snprintf(tampon, sizeof tampon, "%.0f", static_cast<double>(valeur));
            fixe = tampon + signe.size();
        } else {
            const auto entiers = static_cast<std::size_t>(exposant + 1);
            fixe = suite.substr(0, entiers) + "." + suite.substr(entiers);
        }
    } else {
        fixe = "0." + std::string(static_cast<std::size_t>(-exposant - 1), '0') + suite;
    }
    return signe + (scientifique.size() < fixe.size() ? scientifique : fixe);
}

double relitDouble(const char *texte) {
    return std::strtod(texte, nullptr);
}
float relitFloat(const char *texte) {
    return std::strtof(texte, nullptr);
}

// The floating std::to_chars where the standard library has it, else the same digits by printf.
template <typename T> std::string texteNombre(T valeur) {
#if defined(__cpp_lib_to_chars)
    char tampon[64];
    auto [fin, ec] = std::to_chars(tampon, tampon + sizeof tampon, valeur);
    return std::string(tampon, ec == std::errc{} ? fin : tampon);
#else
    return TexteNombreParPrintf(valeur);
#endif
}

} // namespace

std::string TexteNombreParPrintf(double valeur) {
    return texteCourt(valeur, 17, relitDouble);
}

std::string TexteNombreParPrintf(float valeur) {
    return texteCourt(valeur, 9, relitFloat);
}

std::string TexteNombre(double valeur) {
    if (valeur == 0.0) return "0"; // also for -0
    return texteNombre(valeur);
}

std::string TexteNombre(float valeur) {
    if (valeur == 0.0f) return "0";
    return texteNombre(valeur);
}

} // namespace lamelix
