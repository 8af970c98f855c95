#include "lsp/documents.hpp"

#include <algorithm>

namespace lamelix {

Document::Document(std::string texte, long version) : texte_(std::move(texte)), version_(version) {
    Decoupe();
}

void Document::Decoupe() {
    debuts_.assign(1, 0);
    for (std::size_t k = texte_.find('\n'); k != std::string::npos; k = texte_.find('\n', k + 1))
        debuts_.push_back(k + 1);
}

std::string_view Document::Ligne(long n) const {
    if (n < 0 || n >= NombreLignes()) return {};
    const std::size_t debut = debuts_[static_cast<std::size_t>(n)];
    std::size_t fin =
        n + 1 < NombreLignes() ? debuts_[static_cast<std::size_t>(n + 1)] - 1 : texte_.size();
    if (fin > debut && texte_[fin - 1] == '\r') --fin;
    return std::string_view(texte_).substr(debut, fin - debut);
}

std::size_t Document::Octet(PositionTexte p, CodagePositions codage) const {
    if (p.Ligne < 0) return 0;
    if (p.Ligne >= NombreLignes()) return texte_.size();
    return debuts_[static_cast<std::size_t>(p.Ligne)] +
           OctetDeColonne(Ligne(p.Ligne), std::max(p.Colonne, 0L), codage);
}

void Document::Remplace(std::optional<std::pair<PositionTexte, PositionTexte>> plage,
                        std::string_view texte, CodagePositions codage) {
    if (!plage) {
        texte_.assign(texte);
    } else {
        std::size_t debut = Octet(plage->first, codage);
        std::size_t fin = Octet(plage->second, codage);
        if (fin < debut) std::swap(debut, fin);
        texte_.replace(debut, fin - debut, texte);
    }
    Decoupe();
}

} // namespace lamelix
