#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace lamelix {

// `lamelix-outils imprime [--style crochets|indente] [--format html|md] FICHIER`: the key
// loaded as "Charger" loads it, laid out for printing on standard output. 0 written, 1 the key
// did not load, 2 usage.
int CommandeImprime(const std::vector<std::string> &arguments, std::ostream &sortie,
                    std::ostream &erreurs);

} // namespace lamelix
