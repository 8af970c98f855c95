#pragma once

#include "consult/lamelix.hpp"

#include <array>

namespace lamelix {

// The keyword-search panel Frame6 of the main window: the words searched, the buttons, the
// "or"/"and" choice, where to search and how to compare. The hits themselves (the result map
// and the flag saying that List1 shows them) belong to the main window, whose choice list
// shows them.
struct RechercheMotCle {
    explicit RechercheMotCle(Lamelix &principale);

    Lamelix &Principale;
    TextBox Textcle;                    // the words searched
    std::array<CommandButton, 3> MoCle; // "&Chercher", "&Valider", "&Annuler"
    OptionButton Option1, Option2;      // "&Ou", "&Et"
    std::array<CheckBox, 4> Option3;    // "&Descript.", "&Liste", "&Sections", "&Historiq."
    CheckBox Check1;                    // "Ignore M/m"
    CheckBox Check2;                    // "Ignore accents"
};

// Fills the main window's hooks that reach this panel.
void RelieRechercheMotCle(Lamelix &f, RechercheMotCle &panneau);

} // namespace lamelix
