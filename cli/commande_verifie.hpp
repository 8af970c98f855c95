#pragma once

#include "cli/table_commandes.hpp"

#include <ostream>

namespace lamelix {

// `lamelix-outils verifie [--oui|--non] FICHIER`: the compiler's diagnostics and the analysis
// report's errors as compilers print them, "FICHIER:LIGNE: erreur: message : explanation" (or
// "avertissement:") followed by the key line, so that an editor can jump to the line. Returns 0
// when there is no error, 1 otherwise.
int CommandeVerifie(const Appel &appel, std::ostream &sortie, std::ostream &erreurs);

} // namespace lamelix
