#include "tools/cellule_tableau.hpp"

namespace lamelix {

namespace {

constexpr std::string_view Chiffres = "0123456789abcdef";

bool signeDeFormule(char c) {
    return c == '=' || c == '+' || c == '-' || c == '@' || c == '\t' || c == '\r';
}

// Some "'" then a formula sign: what a spreadsheet would compute, once its "'" is taken away.
bool formeDeFormule(std::string_view texte) {
    const std::size_t apres = texte.find_first_not_of('\'');
    return apres != std::string_view::npos && signeDeFormule(texte[apres]);
}

// The character "\xNN" stands for, nothing when it stands for none (the code point of a control
// character the writer neutralises, or the backslash).
std::string decode(std::string_view chiffres) {
    const std::size_t fort = Chiffres.find(chiffres[0]);
    const std::size_t faible = Chiffres.find(chiffres[1]);
    if (fort == std::string_view::npos || faible == std::string_view::npos) return {};
    const auto code = static_cast<unsigned>(fort * 16 + faible);
    if (code == '\\') return "\\";
    if ((code < 0x20 && code != '\t' && code != '\r' && code != '\n') || code == 0x7F)
        return std::string(1, static_cast<char>(code));
    // U+0080 to U+009F in UTF-8.
    if (code >= 0x80 && code <= 0x9F) return {'\xC2', static_cast<char>(code)};
    return {};
}

void ajouteCode(std::string &sortie, unsigned code) {
    sortie += "\\x";
    sortie += Chiffres[code >> 4];
    sortie += Chiffres[code & 0xF];
}

} // namespace

std::string CelluleEcrite(std::string_view texte) {
    std::string cellule;
    if (formeDeFormule(texte)) cellule += '\'';
    for (std::size_t i = 0; i < texte.size(); ++i) {
        const auto octet = static_cast<unsigned char>(texte[i]);
        const bool c1 = octet == 0xC2 && i + 1 < texte.size() &&
                        static_cast<unsigned char>(texte[i + 1]) >= 0x80 &&
                        static_cast<unsigned char>(texte[i + 1]) <= 0x9F;
        if (c1) {
            ajouteCode(cellule, static_cast<unsigned char>(texte[++i]));
        } else if ((octet < 0x20 && octet != '\t' && octet != '\r' && octet != '\n') ||
                   octet == 0x7F ||
                   (octet == '\\' && i + 1 < texte.size() && texte[i + 1] == 'x')) {
            ajouteCode(cellule, octet);
        } else {
            cellule += texte[i];
        }
    }
    return cellule;
}

std::string CelluleLue(std::string_view cellule) {
    if (cellule.size() > 1 && cellule[0] == '\'' && formeDeFormule(cellule.substr(1)))
        cellule.remove_prefix(1);
    std::string texte;
    texte.reserve(cellule.size());
    for (std::size_t i = 0; i < cellule.size(); ++i) {
        if (cellule[i] == '\\' && i + 3 < cellule.size() && cellule[i + 1] == 'x') {
            if (std::string code = decode(cellule.substr(i + 2, 2)); !code.empty()) {
                texte += code;
                i += 3;
                continue;
            }
        }
        texte += cellule[i];
    }
    return texte;
}

} // namespace lamelix
