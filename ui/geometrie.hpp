#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>

class QWidget;

namespace lamelix {

// The frame a window manager usually draws around a window (title bar, borders), for as long as
// the real one is not known: it is known only once the window is on screen.
inline QMargins CadreEstime() {
    return {6, 38, 6, 6};
}

// Where a window opens: the size it asks for, made smaller where the available area of its
// screen (the desktop without its panels) is smaller, frame included, and centred in that area.
// The rectangle is the window's own, without the frame.
QRect GeometrieFenetre(const QRect &disponible, const QMargins &cadre, const QSize &souhaitee);

// A secondary window opened at the size it asks for, made smaller where its screen's available
// area is smaller (frame included) and centred in that area, so that no title bar or button is
// out of reach on a small screen.
void OuvreDansLEcran(QWidget &fenetre, const QSize &souhaitee);

// The size it asks for, made smaller where its screen's available area is smaller, where it is.
QSize TailleDansLEcran(const QWidget &fenetre, const QSize &souhaitee);

} // namespace lamelix
