#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace lamelix {

// `lamelix-outils verifie [--oui|--non] FICHIER`: the compiler's diagnostics and the analysis
// report's errors as compilers print them, "FICHIER:LIGNE: erreur: message : explanation" (or
// "avertissement:") followed by the key line, so that an editor can jump to the line. Returns 0
// when there is no error, 1 otherwise, 2 for a usage error or an unreadable file.
int CommandeVerifie(const std::vector<std::string> &arguments, std::ostream &sortie,
                    std::ostream &erreurs);

} // namespace lamelix
