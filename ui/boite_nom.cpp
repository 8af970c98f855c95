#include "ui/boite_nom.hpp"

#include <algorithm>
#include <climits>

#include <QFontMetrics>
#include <QPainter>

namespace lamelix {

namespace {

constexpr int ReductionMax = 6; // points below the box's own size
constexpr int TailleMin = 8;

const char *const StyleVide = "QLabel { background: white; border: 1px solid #c8d2c6;"
                              " border-radius: 4px; padding: 5px 8px; }";
const char *const StyleEspece = "QLabel { color: #1b5e2b; background: #eaf5e9;"
                                " border: 1px solid #8cbf95; border-radius: 4px;"
                                " padding: 5px 8px; }";

} // namespace

BoiteEspece::BoiteEspece(QWidget *parent) : QLabel(parent) {
    base_ = font();
    base_.setPointSize(base_.pointSize() + 5);
    base_.setBold(true);
    base_.setItalic(true);
    setFont(base_);
    setWordWrap(true);
    setTextFormat(Qt::PlainText);
    setTextInteractionFlags(Qt::TextSelectableByMouse);
    // The column gives the width; the name takes the height it needs at that width.
    QSizePolicy politique(QSizePolicy::Ignored, QSizePolicy::Preferred);
    politique.setHeightForWidth(true);
    setSizePolicy(politique);
    setMinimumHeight(QFontMetrics(base_).lineSpacing() + 14);
    setStyleSheet(StyleVide);
}

void BoiteEspece::Montre(const QString &nom) {
    if (nom == text()) return;
    setText(nom);
    setToolTip(nom);
    setStyleSheet(nom.isEmpty() ? StyleVide : StyleEspece);
    ajustePolice();
}

void BoiteEspece::FixeTexteVide(const QString &texte) {
    if (texte == texteVide_) return;
    texteVide_ = texte;
    update();
}

// The largest size, from the box's own down to ReductionMax points below it, at which the name
// takes at most LignesAvantReduction lines and no word runs past the edge.
void BoiteEspece::ajustePolice() {
    const int largeur = contentsRect().width() - 2 * margin() - indent();
    if (largeur <= 0 || text().isEmpty()) {
        if (font() != base_) setFont(base_);
        return;
    }
    QFont choisie = base_;
    const int plusPetite = std::max(TailleMin, base_.pointSize() - ReductionMax);
    for (int taille = base_.pointSize(); taille >= plusPetite; --taille) {
        choisie.setPointSize(taille);
        const QFontMetrics mesure(choisie);
        const QRect place =
            mesure.boundingRect(QRect(0, 0, largeur, INT_MAX / 2), Qt::TextWordWrap, text());
        if (place.width() <= largeur &&
            place.height() <= LignesAvantReduction * mesure.lineSpacing())
            break;
    }
    if (font() != choisie) setFont(choisie);
}

void BoiteEspece::resizeEvent(QResizeEvent *event) {
    QLabel::resizeEvent(event);
    ajustePolice();
}

void BoiteEspece::paintEvent(QPaintEvent *event) {
    QLabel::paintEvent(event);
    if (!text().isEmpty() || texteVide_.isEmpty()) return;
    QPainter peintre(this);
    peintre.setPen(palette().color(QPalette::PlaceholderText));
    peintre.setFont(base_);
    const QRect place = contentsRect().adjusted(9, 0, -9, 0);
    peintre.drawText(place, Qt::AlignLeft | Qt::AlignVCenter,
                     QFontMetrics(base_).elidedText(texteVide_, Qt::ElideRight, place.width()));
}

} // namespace lamelix
