#pragma once

#include "cli/table_commandes.hpp"

#include <ostream>

namespace lamelix {

// `lamelix-outils imprime [--style crochets|indente] [--format html|md] FICHIER`: the key
// loaded as "Charger" loads it, laid out for printing on standard output. 0 written, 1 the key
// did not load.
int CommandeImprime(const Appel &appel, std::ostream &sortie, std::ostream &erreurs);

} // namespace lamelix
