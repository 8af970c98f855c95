#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace lamelix {

// `lamelix-outils parcours [--oui|--non] FICHIER ACTION...`: a consultation without a window.
// Loads the key as at start-up, then performs each action on the window model and prints the
// window's state after the load and after each action. Returns the exit status.
int CommandeParcours(const std::vector<std::string> &arguments, std::ostream &sortie,
                     std::ostream &erreurs);

} // namespace lamelix
