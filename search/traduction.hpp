#pragma once

#include "consult/lamelix.hpp"

#include <array>

namespace lamelix {

// The translation panel Frame14 of the main window. Its two language lists and the
// "Automatique" box belong to the main window: the compiler selects the key's declared
// language in the first, the settings file stores the second, and every new step reads the
// box.
struct Traduction {
    explicit Traduction(Lamelix &principale);

    Lamelix &Principale;
    std::array<OptionButton, 2> Option4;      // what is translated: "Descriptions", "Historique"
    std::array<CommandButton, 3> traduirebtn; // "&Traduire", "Copier", "Fermer"
    TextBox source;                           // the text sent by the page-based path
    TextBox result;                           // the translation
    Label temps_passe;                        // how long the page-based path has waited
};

} // namespace lamelix
