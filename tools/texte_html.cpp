// Tags are recognised as "<" then a letter, "/" or "!" up to the next ">": a lone "<" as in
// "< 5 mm" stays text. Entities are the numeric ones and the named ones statements use.

#include "tools/texte_html.hpp"

#include "platform/texte.hpp"

#include <cstdint>
#include <optional>

namespace lamelix {

namespace {

struct EntiteNommee {
    const char *nom;
    uint32_t point;
};

constexpr EntiteNommee Entites[] = {
    {"amp", '&'},      {"lt", '<'},        {"gt", '>'},       {"quot", '"'},     {"apos", '\''},
    {"nbsp", 0xA0},    {"deg", 0xB0},      {"plusmn", 0xB1},  {"times", 0xD7},   {"divide", 0xF7},
    {"micro", 0xB5},   {"middot", 0xB7},   {"frac12", 0xBD},  {"frac14", 0xBC},  {"frac34", 0xBE},
    {"sup2", 0xB2},    {"sup3", 0xB3},     {"ndash", 0x2013}, {"mdash", 0x2014}, {"hellip", 0x2026},
    {"lsquo", 0x2018}, {"rsquo", 0x2019},  {"ldquo", 0x201C}, {"rdquo", 0x201D}, {"le", 0x2264},
    {"ge", 0x2265},    {"asymp", 0x2248},  {"ne", 0x2260},    {"minus", 0x2212}, {"prime", 0x2032},
    {"Prime", 0x2033}, {"eacute", 0xE9},   {"egrave", 0xE8},  {"ecirc", 0xEA},   {"euml", 0xEB},
    {"aacute", 0xE1},  {"agrave", 0xE0},   {"acirc", 0xE2},   {"auml", 0xE4},    {"iacute", 0xED},
    {"iuml", 0xEF},    {"icirc", 0xEE},    {"oacute", 0xF3},  {"ocirc", 0xF4},   {"ouml", 0xF6},
    {"uacute", 0xFA},  {"ucirc", 0xFB},    {"uuml", 0xFC},    {"ccedil", 0xE7},  {"ntilde", 0xF1},
    {"szlig", 0xDF},   {"aelig", 0xE6},    {"oelig", 0x153},  {"Eacute", 0xC9},  {"Agrave", 0xC0},
    {"Ccedil", 0xC7},  {"alpha", 0x3B1},   {"beta", 0x3B2},   {"gamma", 0x3B3},  {"delta", 0x3B4},
    {"mu", 0x3BC},     {"female", 0x2640}, {"male", 0x2642},  {"copy", 0xA9},    {"reg", 0xAE},
    {"sect", 0xA7},    {"para", 0xB6},     {"laquo", 0xAB},   {"raquo", 0xBB},   {"shy", 0xAD},
    {"bull", 0x2022},  {"dagger", 0x2020},
};

bool Lettre(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// The entity at t[i] (which is "&"): its character and its length, nothing when it is none.
std::optional<std::pair<uint32_t, std::size_t>> Entite(std::string_view t, std::size_t i) {
    const std::size_t fin = t.find(';', i);
    if (fin == std::string_view::npos || fin - i > 10 || fin == i + 1) return std::nullopt;
    const std::string_view nom = t.substr(i + 1, fin - i - 1);
    if (nom[0] == '#') {
        const bool hexa = nom.size() > 1 && (nom[1] == 'x' || nom[1] == 'X');
        const std::string_view chiffres = nom.substr(hexa ? 2 : 1);
        if (chiffres.empty()) return std::nullopt;
        uint32_t point = 0;
        for (const char c : chiffres) {
            int v = -1;
            if (c >= '0' && c <= '9')
                v = c - '0';
            else if (hexa && c >= 'a' && c <= 'f')
                v = c - 'a' + 10;
            else if (hexa && c >= 'A' && c <= 'F')
                v = c - 'A' + 10;
            if (v < 0) return std::nullopt;
            point = point * (hexa ? 16 : 10) + static_cast<uint32_t>(v);
            if (point > 0x10FFFF) return std::nullopt;
        }
        // A control character, a surrogate or nothing at all is not let through.
        if (point < 0x20 || (point >= 0x7F && point < 0xA0) || (point >= 0xD800 && point < 0xE000))
            return std::nullopt;
        return std::make_pair(point, fin - i + 1);
    }
    for (const EntiteNommee &e : Entites)
        if (nom == e.nom) return std::make_pair(e.point, fin - i + 1);
    return std::nullopt;
}

// The length of the tag at t[i] (which is "<"), 0 when none starts there.
std::size_t Balise(std::string_view t, std::size_t i) {
    if (i + 1 >= t.size() || !(Lettre(t[i + 1]) || t[i + 1] == '/' || t[i + 1] == '!')) return 0;
    const std::size_t fin = t.find('>', i);
    return fin == std::string_view::npos ? 0 : fin - i + 1;
}

// A tag that separates words: a line break, a paragraph, a list item, a table cell.
bool BaliseBlanche(std::string_view balise) {
    std::string nom;
    for (std::size_t k = 1; k < balise.size() && nom.size() < 4; ++k) {
        const char c = balise[k];
        if (c == '/') continue;
        if (!Lettre(c)) break;
        nom += static_cast<char>(c | 0x20);
    }
    return nom == "br" || nom == "p" || nom == "li" || nom == "td" || nom == "div";
}

} // namespace

std::string TexteSansHtml(std::string_view html) {
    std::string texte;
    texte.reserve(html.size());
    for (std::size_t i = 0; i < html.size();) {
        if (html[i] == '<') {
            if (const std::size_t n = Balise(html, i)) {
                if (BaliseBlanche(html.substr(i, n)) && !texte.empty() && texte.back() != ' ')
                    texte += ' ';
                i += n;
                continue;
            }
        } else if (html[i] == '&') {
            if (const auto e = Entite(html, i)) {
                AjouteCodePoint(texte, e->first == 0xA0 ? ' ' : e->first);
                i += e->second;
                continue;
            }
        }
        texte += html[i++];
    }
    return SansBlancs(texte);
}

bool ContientHtml(std::string_view texte) {
    for (std::size_t i = 0; i < texte.size(); ++i)
        if ((texte[i] == '<' && Balise(texte, i)) || (texte[i] == '&' && Entite(texte, i)))
            return true;
    return false;
}

} // namespace lamelix
