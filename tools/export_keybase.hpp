#pragma once

// The compiled key as KeyBase's tab-separated key table: a header row (from, statement, to,
// subkey, and complements when a line has some), then one row per proposition. Each part of the
// key is numbered from 1 on its own; each secondary key is a subkey named by the name on the lead
// that calls it (so that name, an intermediate taxon, survives), and that lead's "to" is the
// subkey's name. A name reached through a chain ("Genus › Genus species") is written
// "Genus:Genus species". Notes follow their statement after a line break, in a quoted field.
// What a table cannot hold is listed in the warnings.

#include "key/tables.hpp"

#include <string>
#include <vector>

namespace lamelix {

struct TableauKeyBase {
    std::string Texte;
    std::vector<std::string> Avertissements; // what the table leaves out, one line each
    bool Perte = false; // a proposition lost a name or a destination (not only the key's title)
};

TableauKeyBase EcritTableauKeyBase(const CleCompilee &cle);

} // namespace lamelix
