#pragma once

// The structure of the compiled key as a graph of entities: what a walk from the first entity
// can never reach, where it would go round in circles, and the other shapes that an author
// usually did not mean. One pass over the key lines builds the graph, one depth-first walk reads
// it: the work grows with the key's size.

#include "key/tables.hpp"

#include <string>
#include <vector>

namespace lamelix {

enum class GenreConstat {
    EntiteInaccessible, // no proposition of the reachable key leads to the entity
    Cycle,              // the line leads back to an entity the walk is still inside
    PropositionUnique,  // the entity offers one proposition only
    EspeceRepetee,      // the species is reached by another line too (often on purpose)
    EntiteAbsente,      // the line leads to an entity that no line bears
    CleNonAppelee,      // no proposition calls the secondary key
    Polytomie,          // the entity offers more than two propositions (for information)
    Reticulation,       // a second proposition leads to the same entity (for information)
};

// The kinds that describe a shape keys often have on purpose rather than a fault.
bool EstInformation(GenreConstat genre);

struct ConstatStructure {
    GenreConstat Genre;
    long Ligne = 0;     // the key line (index in TabLignes) the finding is about
    std::string Detail; // what the line is part of: the cycle, the other lines of the species...
};

// The findings in the order of GenreConstat, each kind in key line order.
std::vector<ConstatStructure> VerifieStructure(const CleCompilee &cle);

// The title of a kind of finding, as the report and lamelix-outils verifie write it.
const char *TitreConstat(GenreConstat genre);

// The word KeyBase uses for the same kind of fault ("orphan", "loop", "singleton", "dead end",
// "polytomy", "reticulation"), so that authors coming from it recognise it; empty for a kind it
// has no word for. A taxon keyed out at several places is no fault there: KeyBase's reticulation
// is an entity reached from several propositions.
const char *TermeKeyBase(GenreConstat genre);

// That word in its frame (the interface language's "KeyBase : %1"), between brackets after a
// blank, to stand beside the program's own name of the finding; empty when KeyBase has no word.
std::string TermeKeyBaseEntre(GenreConstat genre, const std::string &cadre);

} // namespace lamelix
