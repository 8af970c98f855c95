#include "platform/texte.hpp"

#include <cstring>

namespace lamelix {

std::string SansBlancs(std::string_view texte) {
    std::size_t debut = texte.find_first_not_of(' ');
    if (debut == std::string_view::npos) return {};
    std::size_t fin = texte.find_last_not_of(' ');
    return std::string(texte.substr(debut, fin - debut + 1));
}

bool QueDesBlancs(std::string_view texte) {
    return texte.find_first_not_of(' ') == std::string_view::npos;
}

std::string SansBlancsGauche(std::string_view texte) {
    std::size_t debut = texte.find_first_not_of(' ');
    return debut == std::string_view::npos ? std::string{} : std::string(texte.substr(debut));
}

uint32_t LisCodePoint(std::string_view t, std::size_t &i) {
    auto b = [&](std::size_t k) { return static_cast<unsigned char>(t[k]); };
    unsigned char c = b(i);
    int longueur = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
    if (longueur == 0 || i + static_cast<std::size_t>(longueur) > t.size()) {
        ++i;
        return c;
    }
    uint32_t cp = longueur == 1   ? c
                  : longueur == 2 ? c & 0x1Fu
                  : longueur == 3 ? c & 0x0Fu
                                  : c & 0x07u;
    for (int k = 1; k < longueur; ++k) {
        if ((b(i + static_cast<std::size_t>(k)) & 0xC0) != 0x80) {
            ++i;
            return c;
        }
        cp = (cp << 6) | (b(i + static_cast<std::size_t>(k)) & 0x3Fu);
    }
    i += static_cast<std::size_t>(longueur);
    return cp;
}

uint32_t MajusculeDe(uint32_t c) {
    if (c >= 'a' && c <= 'z') return c - 32;
    if (c < 0x80) return c;
    if ((c >= 0xE0 && c <= 0xFE && c != 0xF7)) return c - 32; // Latin-1 à..þ
    if (c == 0xFF) return 0x178;
    if (c >= 0x100 && c <= 0x17F) { // Latin Extended-A: pairs, except the odd run 0x139..0x148
        if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E))
            return (c % 2 == 0) ? c - 1 : c;
        if (c == 0x131) return 'I';
        if (c == 0x17F) return 'S';
        return (c % 2 == 1 && c != 0x138 && c != 0x149) ? c - 1 : c;
    }
    if (c >= 0x3B1 && c <= 0x3C9 && c != 0x3C2) return c - 32; // Greek α..ω
    if (c == 0x3C2) return 0x3A3;                              // final sigma
    if (c == 0x3AC) return 0x386;
    if (c >= 0x3AD && c <= 0x3AF) return c - 37;
    if (c == 0x3CC) return 0x38C;
    if (c == 0x3CD || c == 0x3CE) return c - 63;
    if (c >= 0x430 && c <= 0x44F) return c - 32; // Cyrillic а..я
    if (c >= 0x450 && c <= 0x45F) return c - 80; // ѐ..џ
    return c;
}

void AjouteCodePoint(std::string &s, uint32_t cp) {
    if ((cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF) cp = 0xFFFD;
    if (cp < 0x80) {
        s += static_cast<char>(cp);
    } else if (cp < 0x800) {
        s += static_cast<char>(0xC0 | (cp >> 6));
        s += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        s += static_cast<char>(0xE0 | (cp >> 12));
        s += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        s += static_cast<char>(0xF0 | (cp >> 18));
        s += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        s += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

std::string Majuscules(std::string_view texte) {
    std::string sortie;
    sortie.reserve(texte.size());
    for (std::size_t i = 0; i < texte.size();) {
        if (const char c = texte[i]; static_cast<unsigned char>(c) < 0x80) {
            sortie += c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c;
            ++i;
            continue;
        }
        std::size_t debut = i;
        uint32_t cp = LisCodePoint(texte, i);
        uint32_t maj = MajusculeDe(cp);
        if (maj == cp)
            sortie.append(texte.substr(debut, i - debut)); // keeps malformed bytes as they are
        else
            AjouteCodePoint(sortie, maj);
    }
    return sortie;
}

bool EgauxSansCasse(std::string_view a, std::string_view b) {
    return Majuscules(a) == Majuscules(b);
}

std::string PremiersCaracteres(std::string_view texte, std::size_t n) {
    std::size_t i = 0;
    for (std::size_t k = 0; k < n && i < texte.size(); ++k)
        LisCodePoint(texte, i);
    return std::string(texte.substr(0, i));
}

std::size_t FinAscii(std::string_view octets, std::size_t i) {
    // Eight bytes at a time while no high bit is set, then byte by byte.
    constexpr uint64_t bitsHauts = 0x8080808080808080u;
    for (uint64_t mot = 0; i + sizeof mot <= octets.size(); i += sizeof mot) {
        std::memcpy(&mot, octets.data() + i, sizeof mot);
        if ((mot & bitsHauts) != 0) break;
    }
    while (i < octets.size() && static_cast<unsigned char>(octets[i]) < 0x80u)
        ++i;
    return i;
}

uint32_t CodePointWindows1252(unsigned char octet) {
    // 0x80..0x9F differ from Latin-1; the five unassigned bytes keep their own value.
    static constexpr uint16_t zone80[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    if (octet >= 0x80 && octet <= 0x9F) return zone80[octet - 0x80];
    return octet;
}

std::string Windows1252VersUtf8(std::string_view octets) {
    std::string sortie;
    sortie.reserve(octets.size() + octets.size() / 8);
    // Runs of ASCII bytes are copied whole: they are the same in both encodings.
    for (std::size_t i = 0; i < octets.size(); ++i) {
        const std::size_t fin = FinAscii(octets, i);
        sortie.append(octets.substr(i, fin - i));
        if (fin == octets.size()) break;
        AjouteCodePoint(sortie, CodePointWindows1252(static_cast<unsigned char>(octets[fin])));
        i = fin;
    }
    return sortie;
}

void AjouteSansRetours(std::string &sortie, std::string_view ligne) {
    for (std::size_t k = 0; k < ligne.size();) {
        const std::size_t retour = std::min(ligne.find('\r', k), ligne.size());
        sortie.append(ligne.substr(k, retour - k));
        k = retour + 1;
    }
}

std::string Remplace(std::string_view texte, std::string_view quoi, std::string_view par) {
    if (quoi.empty()) return std::string(texte);
    std::string sortie;
    std::size_t debut = 0;
    for (std::size_t pos; (pos = texte.find(quoi, debut)) != std::string_view::npos;
         debut = pos + quoi.size()) {
        sortie.append(texte.substr(debut, pos - debut));
        sortie.append(par);
    }
    sortie.append(texte.substr(debut));
    return sortie;
}

} // namespace lamelix
