#pragma once

#include "consult/lamelix.hpp"

#include <array>

namespace lamelix {

// The bibliography window Form1: it shows the comparison of two paths, a text file or the memo,
// and offers the words of a species name to look up. While it shows, the main window hides.
struct Form1 {
    explicit Form1(Lamelix &principale);

    Lamelix &Principale;
    Frame Moi;                             // the window: its caption, shown or hidden
    TextBox Text1;                         // its text box
    std::array<OptionButton, 9> Option1;   // the words of the term, one per button
    std::array<CommandButton, 2> Command1; // 0 looks the chosen word up, 1 closes
};

void Form1_Montre(Form1 &w);
// Offers the words of a term (at most nine), one per option button, the first one chosen.
void Tdecompose(Form1 &w, const std::string &terme);
// 0 looks the chosen word up in the bibliography and closes the window; 1 closes it.
void Command1_Click(Form1 &w, int index);
// Closing the window: it hides and the main window comes back.
void Form1_Ferme(Form1 &w);

// Fills the main window's hooks that reach this window.
// Shown for a text of the main window (a comparison, a text file): no words of an earlier
// look-up.
void Form1_MontreTexte(Form1 &w);

} // namespace lamelix
