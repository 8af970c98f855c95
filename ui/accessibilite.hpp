#pragma once

class QWidget;

namespace lamelix {

// Gives every control of a window that the keyboard reaches a name a screen reader can say, in
// the interface language: its own caption when that has words; else, for a button, its tooltip;
// for a one-line box, what it says while empty; then the title of the box or panel it stands in,
// its tooltip, the window's title. Names given here follow the captions when called again; a
// name given elsewhere stays.
void NommeControles(QWidget &fenetre);

} // namespace lamelix
