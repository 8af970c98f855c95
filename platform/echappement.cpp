#include "platform/echappement.hpp"

namespace lamelix {

namespace {

void ajouteCode(std::string &sortie, unsigned code) {
    static const char chiffres[] = "0123456789abcdef";
    sortie += "\\x";
    sortie += chiffres[code >> 4];
    sortie += chiffres[code & 0xF];
}

// Writes the text, each control character as Echappe writes it; the line structure (TAB, CR, LF)
// and backslashes as they are when garde is set.
std::string echappe(const std::string &texte, bool garde) {
    std::string sortie;
    sortie.reserve(texte.size());
    for (std::size_t i = 0; i < texte.size(); ++i) {
        const auto octet = static_cast<unsigned char>(texte[i]);
        if (garde && (octet == '\t' || octet == '\\' || octet == '\r' || octet == '\n')) {
            sortie += texte[i];
            continue;
        }
        switch (octet) {
        case '\t':
            sortie += "\\t";
            continue;
        case '\\':
            sortie += "\\\\";
            continue;
        case '\r':
            sortie += "\\r";
            continue;
        case '\n':
            sortie += "\\n";
            continue;
        default:
            break;
        }
        if (octet < 0x20 || octet == 0x7F) {
            ajouteCode(sortie, octet);
        } else if (octet == 0xC2 && i + 1 < texte.size() &&
                   (static_cast<unsigned char>(texte[i + 1]) & 0xE0) == 0x80) {
            // U+0080 to U+009F, the C1 controls, are C2 80 to C2 9F in UTF-8; their second
            // byte is the code point. Other bytes from 0x80 on belong to ordinary letters.
            ajouteCode(sortie, static_cast<unsigned char>(texte[++i]));
        } else {
            sortie += texte[i];
        }
    }
    return sortie;
}

} // namespace

std::string Echappe(const std::string &texte) {
    return echappe(texte, false);
}

std::string EchappeCommandes(const std::string &texte) {
    return echappe(texte, true);
}

} // namespace lamelix
