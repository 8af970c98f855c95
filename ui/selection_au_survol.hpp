#pragma once

#include <QEvent>
#include <QLabel>

namespace lamelix {

// A label whose text the mouse can select, made selectable only when the pointer first comes
// over it: a selectable label lays its text out as a rich document, which costs the start-up a
// tenth of its time for two labels that are rarely selected.
inline void SelectionnableAuSurvol(QLabel *libelle) {
    struct Survol : QObject {
        using QObject::QObject;
        bool eventFilter(QObject *objet, QEvent *event) override {
            if (event->type() == QEvent::Enter) {
                static_cast<QLabel *>(objet)->setTextInteractionFlags(Qt::TextSelectableByMouse);
                objet->removeEventFilter(this);
                deleteLater();
            }
            return false;
        }
    };
    libelle->installEventFilter(new Survol(libelle));
}

} // namespace lamelix
