#pragma once

#include "cli/table_commandes.hpp"

#include <ostream>

namespace lamelix {

// `lamelix-outils parcours [--oui|--non] FICHIER ACTION...`: a consultation without a window.
// Opens the key as the window's start-up does, then performs each action on the window model
// and prints the window's state after the load and after each action. Returns the exit status:
// 1 when the load left the window no proposition to offer (a file refused, empty or without
// the txt marker, a stopped compilation, a load cut short by a fault).
int CommandeParcours(const Appel &appel, std::ostream &sortie, std::ostream &erreurs);

} // namespace lamelix
