#pragma once

#include "app/application.hpp"

#include <optional>
#include <string>
#include <utility>

namespace lamelix {

// The gestures of a consultation without a window, as `lamelix-outils parcours` and the web
// engine name them ("3", "clic:3", "retour", "mot:TEXTE"...), and the window's state they print.

enum class Geste {
    DoubleClic,
    Clic,
    Retour,
    Raz,
    Suiv,
    Liste,
    Section,
    Nom,
    LM1,
    LM2,
    Compare,
    Notes,
    Sauts,
    Prefixe,
    MotCle, // "MotClé": opens the keyword panel
    Mot,    // the text of word 1 (position 0) or word 2 (position 1)
    Ou,
    Et,
    Portee,  // the place searched, position = the scope option
    Casse,   // "Ignore M/m"
    Accents, // "Ignore accents"
    Bouton,  // the panel's buttons, position = the button
    Reprise
};

struct Action {
    Action(std::string t, Geste g, int p = 0, std::string m = {})
        : texte(std::move(t)), geste(g), position(p), mot(std::move(m)) {}
    std::string texte;
    Geste geste;
    int position;
    std::string mot; // what mot: and mot2: type
};

// The action a word names, or nothing for a word outside the vocabulary.
std::optional<Action> LitAction(const std::string &a);

// Performs the action on the window models as the user would: a control that is hidden or
// disabled does not answer, and nothing happens.
void ExecuteAction(Application &app, const Action &a);

// The block `parcours` prints for the window's state: "== titre", then one line per field, the
// comparison text of Form1 too when asked.
std::string EtatParcours(Application &app, const std::string &titre, bool avecForm1);

// The key folder and file name that the start-up joins back into the key's path. A path that
// the folder/name split does not give back as it is (a key at the root, a backslash in a Linux
// file name) keeps its folder with the final separator, so that the join rebuilds it exactly.
void NommeCle(Lamelix &f, const std::string &chemin);

} // namespace lamelix
