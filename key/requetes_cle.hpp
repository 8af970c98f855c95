#pragma once

// Questions asked of the compiled key's tables, the same way everywhere: every access goes
// through the checked tables, so an index outside them is the program's run-time error.

#include "key/tables.hpp"

#include <algorithm>
#include <cstdint>

namespace lamelix {

// The number of key lines: lines run from 1 to it.
inline long NombreLignesCle(const CleCompilee &cle) {
    return static_cast<long>(cle.NbLignesM1) + 1;
}

// The last key line with a record: a compilation stopped on the line past the table's end
// counts that line in NombreLignesCle, not here.
inline long DerniereLigneCle(const CleCompilee &cle) {
    return std::min<long>(NombreLignesCle(cle), MaxLignesCle);
}

// Suite still holds the continuation mark N. The compiler replaces it with the next line's index
// on a note that another note continues: this is the last note of a run, EstNote every note.
inline bool PorteMarqueNote(const LigneCle &l) {
    return l.Suite == "N";
}

// Line i is a note: its own head carried the continuation mark N, whether Suite still holds it
// or holds the next line's index (then the line before holds i).
bool EstNote(const CleCompilee &cle, long i);

// A terminal proposition: it calls no entity, it leads to a species.
inline bool EstTerminale(const LigneCle &l) {
    return l.S == 0;
}

// Entity e is borne by a line: the entity index leads to a line of e.
bool EntiteDefinie(const CleCompilee &cle, long e);

// The consecutive lines of an entity from its index: Premiere to Fin() excluded.
struct LignesEntite {
    long Premiere = 0;
    long Nombre = 0;
    long Fin() const { return Premiere + Nombre; }
};

// The lines of entity e, from its index (none when the index is below 1) while they bear e and
// up to line fin at most.
LignesEntite LignesDeLEntite(const CleCompilee &cle, int16_t e, long fin);

} // namespace lamelix
