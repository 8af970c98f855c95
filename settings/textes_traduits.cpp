#include "settings/textes_traduits.hpp"

#include "settings/messages.hpp"

namespace lamelix {

TextesTraduits::TextesTraduits(std::vector<std::string> francais)
    : francais_(std::move(francais)), textes_(francais_) {
    for (std::size_t n = 0; n < francais_.size(); ++n)
        numeros_.emplace(francais_[n], n);
}

std::string TextesTraduits::Traduit(std::string_view francais) const {
    const auto trouve = numeros_.find(francais);
    return trouve == numeros_.end() ? std::string(francais) : textes_[trouve->second];
}

const std::string *TextesTraduits::Lit(int numero) const {
    if (numero < 0 || numero >= Nombre()) return nullptr;
    return &textes_[static_cast<std::size_t>(numero)];
}

bool TextesTraduits::Fixe(int numero, std::string_view texte) {
    if (numero < 0 || numero >= Nombre()) return false;
    const auto n = static_cast<std::size_t>(numero);
    textes_[n] = AvecLesBlancsDe(francais_[n], texte);
    Change();
    return true;
}

void TextesTraduits::Defauts() {
    textes_ = francais_;
    Change();
}

} // namespace lamelix
