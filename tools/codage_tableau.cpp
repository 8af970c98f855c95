// Strict UTF-8 and its Windows-1252 form, for the key files written from tables.

#include "tools/codage_tableau.hpp"

#include "platform/texte.hpp"

#include <cstdint>

namespace lamelix {

namespace {

// Walks well-formed UTF-8 (shortest forms, no surrogates) code point by code point, each handed
// to chaque, which may stop the walk by returning false: false when the text is not such UTF-8
// or the walk was stopped.
template <class Chaque> bool ParcourtUtf8(std::string_view t, Chaque chaque) {
    for (std::size_t i = 0; i < t.size();) {
        const auto b = static_cast<unsigned char>(t[i]);
        int suite = -1; // the continuation bytes the lead byte announces
        if (b < 0x80)
            suite = 0;
        else if ((b >> 5) == 6)
            suite = 1;
        else if ((b >> 4) == 14)
            suite = 2;
        else if ((b >> 3) == 30)
            suite = 3;
        if (suite < 0 || t.size() - i <= static_cast<std::size_t>(suite)) return false;
        uint32_t cp = suite == 0 ? b : b & (0x3Fu >> suite);
        for (int k = 1; k <= suite; ++k) {
            const auto c = static_cast<unsigned char>(t[i + static_cast<std::size_t>(k)]);
            if ((c & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (c & 0x3Fu);
        }
        static constexpr uint32_t minimum[] = {0, 0x80, 0x800, 0x10000};
        if (cp < minimum[suite] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
        if (!chaque(cp)) return false;
        i += static_cast<std::size_t>(suite) + 1;
    }
    return true;
}

} // namespace

bool EstUtf8Strict(std::string_view t) {
    return ParcourtUtf8(t, [](uint32_t) { return true; });
}

// The Windows-1252 bytes of a UTF-8 text, or nothing when a character has no byte there.
std::optional<std::string> EnWindows1252(std::string_view texte) {
    std::string octets;
    octets.reserve(texte.size());
    const bool tout = ParcourtUtf8(texte, [&](uint32_t cp) {
        if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
            octets += static_cast<char>(cp);
            return true;
        }
        for (unsigned b = 0x80; b <= 0x9F; ++b)
            if (CodePointWindows1252(static_cast<unsigned char>(b)) == cp) {
                octets += static_cast<char>(b);
                return true;
            }
        return false;
    });
    if (!tout) return std::nullopt;
    return octets;
}

std::string OctetsDeCle(const std::string &texte, bool &utf8) {
    if (const auto ansi = EnWindows1252(texte)) {
        utf8 = false;
        return *ansi;
    }
    utf8 = true;
    return "rem$UTF8$\r\n" + texte;
}

} // namespace lamelix
