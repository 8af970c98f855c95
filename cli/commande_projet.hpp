#pragma once

#include "cli/table_commandes.hpp"

#include <ostream>

namespace lamelix {

// `lamelix-outils importe-projet PROJET -o DOSSIER [--pages]`: every key of a KeyBase project
// (a folder or its .zip) written into DOSSIER, one key file each, chained to one another. The
// files written and the first key on standard output, the findings on the error output. 0 some
// key written, 1 the project refused or no key written.
int CommandeImporteProjet(const Appel &appel, std::ostream &sortie, std::ostream &erreurs);

} // namespace lamelix
