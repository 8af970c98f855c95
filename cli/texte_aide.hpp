#pragma once

// The help of lamelix-outils, drawn from the table of commands.

#include "cli/table_commandes.hpp"

#include <string>

namespace lamelix {

// `lamelix-outils --help`: the commands by heading with a line each, the parcours actions, the
// outputs and the exit statuses.
std::string AideGenerale();

// `lamelix-outils help COMMANDE` and `lamelix-outils COMMANDE --help`: the usage line, what the
// command does, and each option with its argument.
std::string AideCommande(const Commande &commande);

} // namespace lamelix
