#pragma once

// The window draws with the desktop's palette. The few colours the model gives (the peach of a
// search's hits, the red of a warning) are laid over it, each with an ink chosen to stay
// readable whether the desktop is light or dark.

#include <cstdint>

#include <QColor>
#include <QPalette>

class QWidget;

namespace lamelix {

// The green of a species reached, in the species box and in the key map.
inline const QColor VertEspece{0x3c, 0xa0, 0x50};

// True when the desktop's windows are dark (a dark theme).
bool ThemeSombre(const QPalette &palette);
// Black on a light background, white on a dark one.
QColor EncreSur(const QColor &fond);
// a with the share t (0 to 1) of b mixed in.
QColor Melange(const QColor &a, const QColor &b, double t);
// The widget's ink (role WindowText or Text) in the model's colour: black, the model's "no
// colour of its own", gives the palette's ink back, which is light in a dark theme.
void MontreEncre(QWidget *widget, QPalette::ColorRole role, uint32_t couleur);

} // namespace lamelix
