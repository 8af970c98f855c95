#include "search/mots_cherches.hpp"

#include "platform/texte.hpp"

#include <cstdint>

namespace lamelix {

namespace {

uint32_t lettreSansAccent(uint32_t c) {
    if (c < 0xE0 || c > 0xFC) return c;
    if (c <= 0xE4) return 'a';
    if (c == 0xE7) return 'c';
    if (c >= 0xE8 && c <= 0xEB) return 'e';
    if (c >= 0xEC && c <= 0xEF) return 'i';
    if (c >= 0xF2 && c <= 0xF6) return 'o';
    if (c >= 0xF9) return 'u';
    return c;
}

} // namespace

std::string SansAccent(std::string_view texte) {
    std::string sortie;
    sortie.reserve(texte.size());
    for (std::size_t i = 0; i < texte.size();) {
        const std::size_t debut = i;
        const uint32_t c = LisCodePoint(texte, i);
        const uint32_t plie = lettreSansAccent(c);
        if (plie == c)
            sortie.append(texte.substr(debut, i - debut)); // malformed bytes stay as they are
        else
            sortie += static_cast<char>(plie);
    }
    return sortie;
}

std::string SansAccentNiCasse(std::string_view texte) {
    std::string sortie;
    sortie.reserve(texte.size());
    for (std::size_t i = 0; i < texte.size();) {
        const std::size_t debut = i;
        uint32_t c = LisCodePoint(texte, i);
        const uint32_t lu = c;
        if (c >= 0xC0 && c <= 0xDE && c != 0xD7) c += 32; // À..Þ to à..þ
        c = MajusculeDe(lettreSansAccent(c));
        if (c == lu)
            sortie.append(texte.substr(debut, i - debut));
        else
            AjouteCodePoint(sortie, c);
    }
    return sortie;
}

MotsCherches::MotsCherches(std::string_view mot1, std::string_view mot2, bool sansCasse,
                           bool sansAccents, bool lesDeux)
    : sansCasse_(sansCasse), sansAccents_(sansAccents), lesDeux_(lesDeux) {
    plie(mot1, mot1_);
    plie(mot2, mot2_);
}

// Accents first, then case: a capital É, which the accents leave, still meets é once the case is
// ignored, and never meets e.
void MotsCherches::plie(std::string_view texte, std::string &sortie) const {
    sortie.clear();
    if (!sansCasse_ && !sansAccents_) {
        sortie.assign(texte);
        return;
    }
    for (std::size_t i = 0; i < texte.size();) {
        const auto octet = static_cast<unsigned char>(texte[i]);
        if (octet < 0x80) { // most of a description: no decoding needed
            sortie +=
                static_cast<char>(sansCasse_ && octet >= 'a' && octet <= 'z' ? octet - 32 : octet);
            ++i;
            continue;
        }
        const std::size_t debut = i;
        const uint32_t c = LisCodePoint(texte, i);
        uint32_t plie = sansAccents_ ? lettreSansAccent(c) : c;
        if (sansCasse_) plie = MajusculeDe(plie);
        if (plie == c)
            sortie.append(texte.substr(debut, i - debut));
        else
            AjouteCodePoint(sortie, plie);
    }
}

bool MotsCherches::Trouve(std::string_view texte) const {
    if (mot1_.empty() && mot2_.empty()) return false;
    plie(texte, plie_);
    const bool un = !mot1_.empty() && plie_.find(mot1_) != std::string::npos;
    if (!lesDeux_ && un) return true;
    const bool deux = !mot2_.empty() && plie_.find(mot2_) != std::string::npos;
    return lesDeux_ ? un && deux : deux;
}

} // namespace lamelix
