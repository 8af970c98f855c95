#pragma once

// What every output of the program must hold, whatever the key: no character that a terminal
// obeys or that turns the text around, outside the line structure the output allows.

#include <cstddef>
#include <string_view>

namespace lamelix::fuzz {

// True when the text holds a control character other than those in permis, a C1 control
// (U+0080 to U+009F) or, with bidi, a direction override (U+202A to U+202E, U+2066 to U+2069).
inline bool CommandeDedans(std::string_view texte, std::string_view permis, bool bidi = false) {
    for (std::size_t i = 0; i < texte.size(); ++i) {
        const auto octet = [&](std::size_t k) {
            return k < texte.size() ? static_cast<unsigned char>(texte[k]) : 0u;
        };
        if ((octet(i) < 0x20 || octet(i) == 0x7F) &&
            permis.find(texte[i]) == std::string_view::npos)
            return true;
        if (octet(i) == 0xC2 && octet(i + 1) >= 0x80 && octet(i + 1) <= 0x9F) return true;
        if (bidi && octet(i) == 0xE2 &&
            ((octet(i + 1) == 0x80 && octet(i + 2) >= 0xAA && octet(i + 2) <= 0xAE) ||
             (octet(i + 1) == 0x81 && octet(i + 2) >= 0xA6 && octet(i + 2) <= 0xA9)))
            return true;
    }
    return false;
}

} // namespace lamelix::fuzz
