#pragma once

#include "cli/table_commandes.hpp"

#include <ostream>

namespace lamelix {

// `lamelix-outils analyse|renum|coherence|notes|complements|liens|verif-liens|compil|export-txt|
// utf8 [OPTIONS] FICHIER`: the key loaded as the tools window's "Charger" loads it, then the
// tool run as its button runs it; the report box's text on standard output, the dialogs on the
// error stream. Returns the exit status.
int CommandeOutils(const Appel &appel, std::ostream &sortie, std::ostream &erreurs);

} // namespace lamelix
