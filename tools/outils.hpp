#pragma once

#include "consult/lamelix.hpp"

#include <array>

namespace lamelix {

// The key authors' tools window: its own report text and buttons, working on the key the main
// window has loaded.
struct Outils {
    explicit Outils(Lamelix &principale);

    Lamelix &Principale;
    Frame Moi;                              // the window: shown or hidden
    TextBox Text1;                          // the report
    std::array<CommandButton, 12> Command1; // the tools' buttons
};

void FermeOutils(Outils &o);

// Fills the main window's hooks that reach the tools window.
void RelieOutils(Lamelix &f, Outils &o);

} // namespace lamelix
