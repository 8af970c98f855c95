#include "ui/suivi_controles.hpp"

#include "platform/piege.hpp"

#include <algorithm>
#include <utility>

namespace lamelix {

void SuiviControles::Lie(std::vector<const Controle *> controles, std::function<void()> montre) {
    Liaison l;
    l.controles = std::move(controles);
    l.vus.resize(l.controles.size());
    l.montre = std::move(montre);
    liaisons_.push_back(std::move(l));
}

std::optional<std::string> SuiviControles::Rafraichit() {
    std::optional<std::string> faute;
    for (Liaison &l : liaisons_) {
        bool change = !l.montree;
        for (std::size_t i = 0; i < l.controles.size(); ++i) {
            if (l.vus[i] == l.controles[i]->Version) continue;
            l.vus[i] = l.controles[i]->Version;
            change = true;
        }
        if (!change) continue;
        l.montree = true;
        if (auto erreur = ExecuteGestionnaire(l.montre); erreur && !faute)
            faute = std::move(erreur);
    }
    return faute;
}

void SuiviControles::DejaVu(const Controle &controle) {
    for (Liaison &l : liaisons_) {
        auto place = std::find(l.controles.begin(), l.controles.end(), &controle);
        if (place == l.controles.end()) continue;
        l.vus[static_cast<std::size_t>(place - l.controles.begin())] = controle.Version;
    }
}

} // namespace lamelix
