#include "settings/fichier_ini.hpp"

#include "platform/texte.hpp"
#include "platform/utf8.hpp"

namespace lamelix {

std::vector<std::string> LignesTexte(std::string_view octets) {
    std::vector<std::string> lignes;
    // A byte order mark says UTF-8; it is not part of the first line.
    std::size_t debut = octets.substr(0, 3) == "\xEF\xBB\xBF" ? 3 : 0;
    while (debut < octets.size()) {
        std::size_t fin = octets.find('\n', debut);
        if (fin == std::string_view::npos) fin = octets.size();
        std::string_view ligne = octets.substr(debut, fin - debut);
        if (!ligne.empty() && ligne.back() == '\r') ligne.remove_suffix(1);
        lignes.push_back(DecodeUTF8(ligne));
        debut = fin + 1;
    }
    return lignes;
}

std::vector<std::string> ElementsIni(std::string_view texte) {
    std::vector<std::string> elements;
    std::size_t i = 0;
    const std::size_t n = texte.size();
    while (i < n) {
        while (i < n && (texte[i] == ' ' || texte[i] == '\t'))
            ++i;
        std::string element;
        if (i < n && texte[i] == '"') {
            const std::size_t fermeture = texte.find('"', i + 1);
            const std::size_t fin = fermeture == std::string_view::npos ? n : fermeture;
            element.assign(texte.substr(i + 1, fin - i - 1));
            i = fin == n ? n : fin + 1;
            // Whatever follows the closing quote up to the separator is not part of the item.
            while (i < n && texte[i] != ',' && texte[i] != '\n')
                ++i;
        } else {
            const std::size_t fin = texte.find_first_of(",\n", i);
            const std::size_t bout = fin == std::string_view::npos ? n : fin;
            element.assign(texte.substr(i, bout - i));
            if (!element.empty() && element.back() == '\r') element.pop_back();
            i = bout;
        }
        if (i < n) ++i; // the separator
        if (!QueDesBlancs(element)) elements.push_back(std::move(element));
    }
    return elements;
}

ElementCle DecoupeElement(std::string_view element) {
    ElementCle resultat;
    const std::size_t egal = element.find('=');
    if (egal == std::string_view::npos) {
        resultat.Valeur = SansBlancs(element);
        return resultat;
    }
    resultat.AUneCle = true;
    resultat.Cle = Majuscules(SansBlancs(element.substr(0, egal)));
    resultat.Valeur = SansBlancs(element.substr(egal + 1));
    return resultat;
}

} // namespace lamelix
