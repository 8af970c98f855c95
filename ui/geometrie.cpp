#include "ui/geometrie.hpp"

#include <algorithm>

namespace lamelix {

QRect GeometrieFenetre(const QRect &disponible, const QMargins &cadre, const QSize &souhaitee) {
    const int largeurCadre = cadre.left() + cadre.right();
    const int hauteurCadre = cadre.top() + cadre.bottom();
    const int largeur = std::max(1, std::min(souhaitee.width(), disponible.width() - largeurCadre));
    const int hauteur =
        std::max(1, std::min(souhaitee.height(), disponible.height() - hauteurCadre));
    const int x = disponible.x() + (disponible.width() - largeur - largeurCadre) / 2;
    const int y = disponible.y() + (disponible.height() - hauteur - hauteurCadre) / 2;
    return {x + cadre.left(), y + cadre.top(), largeur, hauteur};
}

} // namespace lamelix
