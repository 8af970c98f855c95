#include "ui/couleurs.hpp"

#include "ui/conversions.hpp"

#include <QWidget>

namespace lamelix {

namespace {

double luminance(const QColor &c) {
    return 0.2126 * c.redF() + 0.7152 * c.greenF() + 0.0722 * c.blueF();
}

} // namespace

bool ThemeSombre(const QPalette &palette) {
    return luminance(palette.color(QPalette::Window)) < 0.5;
}

QColor EncreSur(const QColor &fond) {
    return luminance(fond) > 0.5 ? QColor(Qt::black) : QColor(Qt::white);
}

QColor Melange(const QColor &a, const QColor &b, double t) {
    const auto m = [t](double x, double y) { return x + (y - x) * t; };
    return QColor::fromRgbF(static_cast<float>(m(a.redF(), b.redF())),
                            static_cast<float>(m(a.greenF(), b.greenF())),
                            static_cast<float>(m(a.blueF(), b.blueF())));
}

void MontreEncre(QWidget *widget, QPalette::ColorRole role, uint32_t couleur) {
    // A palette with no role set follows the parent's, and so the desktop's theme.
    const bool propre = widget->testAttribute(Qt::WA_SetPalette);
    if (couleur == 0) {
        if (propre) widget->setPalette(QPalette());
        return;
    }
    if (propre && widget->palette().color(role) == CouleurQt(couleur)) return;
    QPalette palette;
    palette.setColor(role, CouleurQt(couleur));
    widget->setPalette(palette);
}

} // namespace lamelix
