#include "ui/boite_nom.hpp"

#include "ui/couleurs.hpp"
#include "ui/selection_au_survol.hpp"

#include <algorithm>
#include <climits>

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QPainter>

namespace lamelix {

namespace {

constexpr int ReductionMax = 6; // points below the box's own size
constexpr int TailleMin = 8;

} // namespace

BoiteEspece::BoiteEspece(QWidget *parent) : QLabel(parent) {
    base_ = font();
    base_.setPointSize(base_.pointSize() + 5);
    base_.setBold(true);
    base_.setItalic(true);
    setFont(base_);
    setWordWrap(true);
    setTextFormat(Qt::PlainText);
    SelectionnableAuSurvol(this);
    // The column gives the width; the name takes the height it needs at that width.
    QSizePolicy politique(QSizePolicy::Ignored, QSizePolicy::Preferred);
    politique.setHeightForWidth(true);
    setSizePolicy(politique);
    setContentsMargins(9, 6, 9, 6);
    setMinimumHeight(QFontMetrics(base_).lineSpacing() + 14);
    encre();
}

void BoiteEspece::Montre(const QString &nom) {
    if (nom == text()) return;
    setText(nom);
    setToolTip(nom);
    encre();
    ajustePolice();
}

// A species reached is written in green, light in a dark theme; the box is otherwise drawn
// in the desktop's colours.
void BoiteEspece::encre() {
    QPalette palette;
    if (!text().isEmpty())
        palette.setColor(QPalette::WindowText, ThemeSombre(QApplication::palette())
                                                   ? VertEspece.lighter(160)
                                                   : VertEspece.darker(190));
    setPalette(palette);
}

void BoiteEspece::changeEvent(QEvent *event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::ApplicationPaletteChange) encre();
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
    {
        // A box of the list's background, tinted green once a species is reached.
        QPainter fond(this);
        fond.setRenderHint(QPainter::Antialiasing);
        const QPalette &p = palette();
        const QColor base = p.color(QPalette::Base);
        fond.setPen(Melange(base, text().isEmpty() ? p.color(QPalette::Text) : VertEspece, 0.35));
        fond.setBrush(text().isEmpty() ? base : Melange(base, VertEspece, 0.16));
        fond.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
    }
    QLabel::paintEvent(event);
    if (!text().isEmpty() || texteVide_.isEmpty()) return;
    QPainter peintre(this);
    peintre.setPen(palette().color(QPalette::PlaceholderText));
    peintre.setFont(base_);
    const QRect place = contentsRect();
    peintre.drawText(place, Qt::AlignLeft | Qt::AlignVCenter,
                     QFontMetrics(base_).elidedText(texteVide_, Qt::ElideRight, place.width()));
}

} // namespace lamelix
