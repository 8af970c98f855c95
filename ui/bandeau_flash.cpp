#include "ui/bandeau_flash.hpp"

#include "ui/conversions.hpp"
#include "ui/couleurs.hpp"

#include <algorithm>

#include <QEvent>
#include <QGraphicsDropShadowEffect>
#include <QPainter>
#include <QTimer>

namespace lamelix {

BandeauFlash::BandeauFlash(QWidget *parent) : QLabel(parent) {
    setObjectName("FraFlash");
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAlignment(Qt::AlignCenter);
    setWordWrap(true);
    setContentsMargins(22, 12, 22, 12);
    QFont police = font();
    police.setPointSize(police.pointSize() + 2);
    police.setBold(true);
    setFont(police);
    auto *ombre = new QGraphicsDropShadowEffect(this);
    ombre->setBlurRadius(18);
    ombre->setOffset(0, 3);
    ombre->setColor(QColor(0, 0, 0, 90));
    setGraphicsEffect(ombre);
    hide();

    minuterie_ = new QTimer(this);
    minuterie_->setSingleShot(true);
    minuterie_->setInterval(DureeMs);
    connect(minuterie_, &QTimer::timeout, this, [this] {
        if (AuDelaiEcoule) AuDelaiEcoule();
    });
    parent->installEventFilter(this);
}

void BandeauFlash::Montre(const QString &texte, uint32_t couleur) {
    // The ink is the model's; the banner's background is the one it reads on (a light ink, the
    // green of the missing-file notice, needs a dark one), whatever the desktop's theme.
    const QColor encre = CouleurQt(couleur);
    const bool claire = EncreSur(encre) == QColor(Qt::black);
    fond_ = claire ? QColor(0x27, 0x33, 0x2b) : QColor(0xff, 0xf8, 0xe1);
    bord_ = claire ? fond_ : QColor(0xe0, 0xc3, 0x6a);
    QPalette palette;
    palette.setColor(QPalette::WindowText, encre);
    setPalette(palette);
    setText(texte.trimmed());
    show();
    raise();
    place();
    minuterie_->start();
}

void BandeauFlash::paintEvent(QPaintEvent *event) {
    {
        QPainter peintre(this);
        peintre.setRenderHint(QPainter::Antialiasing);
        peintre.setPen(bord_);
        peintre.setBrush(fond_);
        peintre.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
    }
    QLabel::paintEvent(event);
}

void BandeauFlash::Cache() {
    minuterie_->stop();
    hide();
}

void BandeauFlash::place() {
    QWidget *parent = parentWidget();
    const int largeur = std::min(parent->width() - 40, std::max(360, parent->width() / 2));
    const int hauteur = heightForWidth(largeur);
    setGeometry((parent->width() - largeur) / 2, 18, largeur,
                hauteur > 0 ? hauteur : sizeHint().height());
}

bool BandeauFlash::eventFilter(QObject *objet, QEvent *event) {
    if (objet == parentWidget() && event->type() == QEvent::Resize && isVisible()) place();
    return QLabel::eventFilter(objet, event);
}

} // namespace lamelix
