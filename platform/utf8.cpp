#include "platform/utf8.hpp"

#include "platform/texte.hpp"

#include <cstdint>

namespace lamelix {

namespace {

// Length of the sequence that starts at i, 0 when the tests reject it. Missing bytes beyond the
// end count as 0, which is no continuation byte.
int longueurSequence(std::string_view t, std::size_t i) {
    auto octet = [&](std::size_t k) -> unsigned {
        return k < t.size() ? static_cast<unsigned char>(t[k]) : 0u;
    };
    auto suite = [&](std::size_t k) { return (octet(k) & 0xC0u) == 0x80u; };
    unsigned b0 = octet(i);
    if ((b0 & 0xF0u) == 0xF0u) return suite(i + 1) && suite(i + 2) && suite(i + 3) ? 4 : 0;
    if ((b0 & 0xE0u) == 0xE0u) return suite(i + 1) && suite(i + 2) ? 3 : 0;
    if ((b0 & 0xC0u) == 0xC0u) return suite(i + 1) ? 2 : 0;
    if ((b0 & 0x80u) == 0) return 1;
    return 0;
}

} // namespace

bool EstUTF8(std::string_view octets) {
    for (std::size_t i = FinAscii(octets, 0); i < octets.size(); i = FinAscii(octets, i)) {
        int n = longueurSequence(octets, i);
        if (n == 0) return false;
        i += static_cast<std::size_t>(n);
    }
    return true;
}

std::string DecodeUTF8(std::string_view octets) {
    // A line all in ASCII, the common case, is its own text.
    if (FinAscii(octets, 0) == octets.size()) return std::string(octets);
    if (!EstUTF8(octets)) return Windows1252VersUtf8(octets);
    std::string sortie;
    sortie.reserve(octets.size());
    for (std::size_t i = 0; i < octets.size();) {
        if (const std::size_t fin = FinAscii(octets, i); fin > i) {
            sortie.append(octets.substr(i, fin - i));
            i = fin;
            continue;
        }
        int n = longueurSequence(octets, i);
        auto b = [&](int k) -> uint32_t {
            return static_cast<unsigned char>(octets[i + static_cast<std::size_t>(k)]);
        };
        uint32_t cp = 0;
        switch (n) {
        case 1:
            cp = b(0);
            break;
        case 2:
            cp = (b(0) - 192) * 64 + (b(1) - 128);
            break;
        case 3:
            cp = (b(0) - 224) * 4096 + (b(1) - 128) * 64 + (b(2) - 128);
            break;
        default:
            cp = (b(0) - 240) * 262144 + (b(1) - 128) * 4096 + (b(2) - 128) * 64 + (b(3) - 128);
            break;
        }
        AjouteCodePoint(sortie, cp);
        i += static_cast<std::size_t>(n);
    }
    return sortie;
}

} // namespace lamelix
