#pragma once

#include "cli/table_commandes.hpp"

#include <ostream>

namespace lamelix {

// `lamelix-outils lsp`: the language server on standard input and output, until the editor says
// exit (0 after shutdown, 1 otherwise).
int CommandeLsp(const Appel &appel, std::ostream &sortie, std::ostream &erreurs);

} // namespace lamelix
