#pragma once

#include "consult/lamelix.hpp"
#include "consult/place.hpp"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace lamelix {

// Where a keyword search looks: the indexes of Option3.
enum PorteeRecherche : int {
    DansDescriptions = 0, // the descriptions of every key line; hits in List1
    DansListe = 1,        // the species names of the name list; hits narrow List2
    DansSections = 2,     // the section titles; hits narrow List2
    DansHistorique = 3,   // the descriptions of the path taken; hits in List1
};

// The keyword-search panel Frame6 of the main window: the words searched, the buttons, the
// "or"/"and" choice, where to search and how to compare, and what a search keeps between its
// steps. The hits themselves (the hit table and the flag saying that List1 shows them) belong to
// the main window, whose lists show them.
struct RechercheMotCle {
    explicit RechercheMotCle(Lamelix &principale);

    Lamelix &Principale;
    CommandButton MotCle;                // "MotClé", outside the panel: opens it
    std::array<TextBox, 2> Textcle;      // word 1, word 2
    std::array<CommandButton, 3> MoCle;  // "&Chercher", "&Valider", "&Annuler"
    OptionButton Option1, Option2;       // "&Ou", "&Et"
    std::array<OptionButton, 4> Option3; // see PorteeRecherche
    CheckBox Check1;                     // "Ignore M/m"
    CheckBox Check2;                     // "Ignore accents"
    Label Label2;                        // " mot trouvé dans : "

    // The place of the consultation when the panel opened, given back by "&Annuler".
    std::optional<PlaceConsultation> PlaceSauvee;
    // The lines of the last name or section search's hits, in hit order: while the name map
    // still holds exactly them, List2 shows them and a new name search narrows them.
    std::vector<int16_t> LignesRetenues;
    bool RetenuesSections = false;           // they are section lines, not species lines
    std::array<std::string, 2> DerniersMots; // what "Reprise" searches again
    bool ARecherche = false;                 // a search has run

    int Portee() const;
};

// "MotClé" (and Ctrl+F): opens the panel.
void MotCle_Click(RechercheMotCle &r);
// The panel's buttons: 0 searches, 1 accepts the selected hit (Valide_Chercher), 2 gives up.
void MoCle_Click(RechercheMotCle &r, int index);
void Valide_Chercher(RechercheMotCle &r);
// A key pressed in a word box: Enter in word 1 searches; Ctrl+V pastes the clipboard's text into
// the box's selection.
void Textcle_KeyDown(RechercheMotCle &r, int index, int16_t KeyCode, int16_t Shift);
// "Reprise": the panel opened again on the last words searched, and the search run again.
void RepriseRecherche(RechercheMotCle &r);

} // namespace lamelix
