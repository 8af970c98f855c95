#pragma once

#include "cli/table_commandes.hpp"

#include <ostream>

namespace lamelix {

// `lamelix-outils tables [--oui|--non] FICHIER`: loads the key as the window does, below the
// window, and prints the compiled tables. Returns the exit status.
int CommandeTables(const Appel &appel, std::ostream &sortie, std::ostream &erreurs);

} // namespace lamelix
