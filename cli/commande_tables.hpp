#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace lamelix {

// `lamelix-outils tables [--oui|--non] FICHIER`: loads the key as the window does, below the
// window, and prints the compiled tables. Returns the exit status.
int CommandeTables(const std::vector<std::string> &arguments, std::ostream &sortie,
                   std::ostream &erreurs);

} // namespace lamelix
