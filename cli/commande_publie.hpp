#pragma once

#include "cli/table_commandes.hpp"

#include <ostream>

namespace lamelix {

// `lamelix-outils publie [--oui|--non] [--langue CODE] [--dossier DOSSIER] FICHIER -o PAGE.html`:
// the key as one web page that walks it offline, with the engine built by
// scripts/construit-web.sh. Exit status 0 when written, 1 when a page could not be written or
// the key not read, 2 when the engine or the language file is missing.
int CommandePublie(const Appel &appel, std::ostream &sortie, std::ostream &erreurs);

} // namespace lamelix
