#include "settings/fichier_langue.hpp"

#include "platform/texte.hpp"

#include <charconv>

namespace lamelix {

LigneSection DecoupeSection(std::string_view ligne) {
    std::string texte = Remplace(Remplace(SansBlancs(ligne), "; ", ";"), " ;", ";");
    LigneSection section;
    const std::size_t pointVirgule = texte.find(';');
    if (pointVirgule == std::string::npos) {
        section.Nom = Majuscules(SansBlancs(texte));
        return section;
    }
    section.Nom = Majuscules(SansBlancs(std::string_view(texte).substr(0, pointVirgule)));
    section.Valeur = SansBlancs(std::string_view(texte).substr(pointVirgule + 1));
    return section;
}

std::optional<LigneItem> DecoupeItem(std::string_view ligne) {
    const std::string texte = SansBlancs(ligne);
    if (texte.empty()) return std::nullopt;
    // The marker is one character, which may take more than one byte.
    std::size_t apresMarqueur = 1;
    while (apresMarqueur < texte.size() &&
           (static_cast<unsigned char>(texte[apresMarqueur]) & 0xC0) == 0x80)
        ++apresMarqueur;
    const std::size_t pointVirgule = texte.find(';', apresMarqueur);
    if (pointVirgule == std::string::npos) return std::nullopt;
    const std::string_view vue(texte);
    return LigneItem{SansBlancs(vue.substr(apresMarqueur, pointVirgule - apresMarqueur)),
                     SansBlancs(vue.substr(pointVirgule + 1))};
}

std::optional<int> NumeroItem(std::string_view numero) {
    int valeur = 0;
    const char *fin = numero.data() + numero.size();
    const auto [fini, erreur] = std::from_chars(numero.data(), fin, valeur);
    if (erreur != std::errc{} || fini != fin || numero.empty()) return std::nullopt;
    return valeur;
}

} // namespace lamelix
