#include "ui/bandeau_flash.hpp"

#include "ui/conversions.hpp"

#include <algorithm>

#include <QEvent>
#include <QGraphicsDropShadowEffect>
#include <QTimer>

namespace lamelix {

BandeauFlash::BandeauFlash(QWidget *parent) : QLabel(parent) {
    setObjectName("FraFlash");
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAlignment(Qt::AlignCenter);
    setWordWrap(true);
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
    const QColor encre = CouleurQt(couleur);
    // A light ink (the green of the missing-file notice) needs a dark background to be read.
    const double luminance =
        0.2126 * encre.redF() + 0.7152 * encre.greenF() + 0.0722 * encre.blueF();
    const bool claire = luminance > 0.5;
    const QString fond = claire ? "#27332b" : "#fff8e1";
    const QString bord = claire ? "#27332b" : "#e0c36a";
    setStyleSheet(QString("QLabel { color: %1; background: %2; border: 1px solid %3;"
                          " border-radius: 8px; padding: 12px 22px; }")
                      .arg(encre.name(), fond, bord));
    setText(texte.trimmed());
    show();
    raise();
    place();
    minuterie_->start();
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
