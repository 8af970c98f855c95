#include "ui/geometrie.hpp"

#include <algorithm>

#include <QScreen>
#include <QWidget>

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

void OuvreDansLEcran(QWidget &fenetre, const QSize &souhaitee) {
    const QScreen *ecran = fenetre.screen();
    if (ecran == nullptr) {
        fenetre.resize(souhaitee);
        return;
    }
    fenetre.setGeometry(GeometrieFenetre(ecran->availableGeometry(), CadreEstime(), souhaitee));
}

QSize TailleDansLEcran(const QWidget &fenetre, const QSize &souhaitee) {
    const QScreen *ecran = fenetre.screen();
    if (ecran == nullptr) return souhaitee;
    return GeometrieFenetre(ecran->availableGeometry(), CadreEstime(), souhaitee).size();
}

} // namespace lamelix
