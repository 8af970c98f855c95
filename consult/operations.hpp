#pragma once

#include <cstdint>

namespace lamelix {

struct Lamelix;

// The named operations of a consultation: what a user does to walk a key, whatever shows it.
// The window's event procedures are thin wrappers around them (List1_DblClick, bouton_Click,
// List2_Click, Text1_DblClick), and the keyword search, the key map, the tools window and
// `lamelix-outils parcours` call them too. A new skin drives a consultation with these alone,
// then reads the window model: its controls and its `Parcours`.

// The proposition at position of List1 chosen (a double click): one step more, then the next
// entity's propositions, or the species reached and its complements followed. On a list of
// keyword-search hits or of documents, the hit is taken or the document opened.
void ChoisitProposition(Lamelix &f, int position);
// "<==": one step back (a note steps back from the proposition it continues).
void RetourArriere(Lamelix &f);
// "RAZ": back to the key's first entity, the path emptied.
void Recommence(Lamelix &f);
// Back to step etape of the path (1 to the step count): the state of as many "<==" in a row as
// there are steps after it.
void RetourEtape(Lamelix &f, int etape);
// The path rebuilt from the first entity up to key line ligne, which ends it; Text1 shows it.
void RefaitCheminVers(Lamelix &f, int16_t ligne);
// The consultation goes on from key line ligne (a validated search hit): the path rebuilt up to
// it, and the entity it leads to offering its propositions (none when it names a species).
void ReprendALaLigne(Lamelix &f, int16_t ligne);
// The name at position of List2 picked: the path rebuilt up to its line, its species shown, its
// complements followed (ChoisitLigne with the list's own navigability).
void PrendNom(Lamelix &f, int position);
// A key line picked as a name: the path rebuilt up to it, its species shown, its complements
// followed; with navigable, the consultation goes on at the entity it leads to.
void ChoisitLigne(Lamelix &f, int16_t ligne, bool navigable);

} // namespace lamelix
