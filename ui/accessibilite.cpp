#include "ui/accessibilite.hpp"

#include <algorithm>

#include <QAbstractButton>
#include <QDockWidget>
#include <QGroupBox>
#include <QLineEdit>
#include <QVariant>
#include <QWidget>

namespace lamelix {

namespace {

const char *const NomDonneIci = "lamelixNomAccessible";

bool aDesMots(const QString &texte) {
    return std::any_of(texte.begin(), texte.end(), [](QChar c) { return c.isLetter(); });
}

// The caption of the box or docked panel the widget stands in, up to its window.
QString cadreDe(const QWidget *w) {
    for (const QWidget *p = w->parentWidget(); p != nullptr && !p->isWindow();
         p = p->parentWidget()) {
        if (const auto *boite = qobject_cast<const QGroupBox *>(p);
            boite && aDesMots(boite->title()))
            return boite->title();
        if (qobject_cast<const QDockWidget *>(p) && aDesMots(p->windowTitle()))
            return p->windowTitle();
    }
    return {};
}

QString nomPour(const QWidget *w) {
    const auto *bouton = qobject_cast<const QAbstractButton *>(w);
    QStringList candidats;
    if (bouton) candidats << w->toolTip();
    if (const auto *ligne = qobject_cast<const QLineEdit *>(w))
        candidats << ligne->placeholderText();
    candidats << cadreDe(w) << w->toolTip() << w->window()->windowTitle();
    for (QString candidat : candidats) {
        candidat.remove(QLatin1Char('&'));
        if (aDesMots(candidat)) return candidat.simplified();
    }
    return {};
}

} // namespace

void NommeControles(QWidget &fenetre) {
    for (QWidget *w : fenetre.findChildren<QWidget *>()) {
        // Qt's own parts and the drop-downs of list boxes are named by what they belong to.
        if (w->focusPolicy() == Qt::NoFocus || w->objectName().startsWith("qt_") ||
            w->window()->windowType() == Qt::Popup)
            continue;
        const bool donneIci = w->property(NomDonneIci).toBool();
        if (!donneIci && !w->accessibleName().isEmpty()) continue;
        // A caption with words is the name Qt gives already, and follows it.
        const auto *bouton = qobject_cast<const QAbstractButton *>(w);
        const QString nom = bouton && aDesMots(bouton->text()) ? QString() : nomPour(w);
        if (nom == w->accessibleName()) continue;
        w->setAccessibleName(nom);
        w->setProperty(NomDonneIci, !nom.isEmpty());
    }
}

} // namespace lamelix
