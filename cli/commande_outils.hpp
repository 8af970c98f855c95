#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace lamelix {

// True for the commands of the tools window that CommandeOutils runs.
bool EstCommandeOutils(const std::string &commande);

// `lamelix-outils analyse|renum|coherence|notes|complements|liens|verif-liens|compil|export-txt|
// utf8 [OPTIONS] FICHIER`: the key loaded as the tools window's "Charger" loads it, then the
// tool run as its button runs it; the report box's text on standard output, the dialogs on the
// error stream. Returns the exit status.
int CommandeOutils(const std::string &commande, const std::vector<std::string> &arguments,
                   std::ostream &sortie, std::ostream &erreurs);

} // namespace lamelix
