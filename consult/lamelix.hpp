#pragma once

#include "consult/programme.hpp"
#include "key/compilateur.hpp"
#include "key/lecteur.hpp"
#include "platform/controles.hpp"

#include <cstdint>
#include <string>

namespace lamelix {

class Services;

// The main window as the core sees it: its controls as plain data and the consultation state.
// The Qt skin shows these controls and forwards the user's actions to the procedures below.
struct Lamelix {
    Lamelix(Programme &programme, Services &services);

    Programme &Prog;
    Services &Systeme;

    Label Caption; // window title
    ListBox List1; // propositions of the current entity
    ListBox List2; // species names
    ListBox lgs;   // source language of the key's texts
    TextBox Text1; // selected proposition and path
    TextBox Text2; // species reached
    Label Label1;  // key summary
    Label Label6;  // notice line (the key's comment)
    Label Label18; // current file

    int16_t EntiteCourante = 0;

    EnvironnementCompilation Compilation() { return {Prog.Cle, Prog.Textes, Systeme, lgs}; }
    VuesChoix Vues() { return {&List1, &List2, &Text1}; }
};

// Shows the propositions of an entity in List1, and the key's caption and notice.
void AfficheChoix(Lamelix &f, int16_t &entite);

// The key line that List1 shows at a position (continuation lines are never shown).
long LigneChoisie(const Lamelix &f, int position);

// Follows the selected proposition: the next entity's propositions, or the species reached.
void List1_DblClick(Lamelix &f);

// Loads and compiles a key file, then shows its first entity. False when nothing was loaded.
bool ChargeCle(Lamelix &f, const std::string &chemin);

} // namespace lamelix
