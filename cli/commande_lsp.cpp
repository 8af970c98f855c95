#include "cli/commande_lsp.hpp"

#include "lsp/serveur.hpp"

#include <iostream>

namespace lamelix {

int CommandeLsp(const Appel &, std::ostream &sortie, std::ostream &erreurs) {
    ServeurLsp serveur(sortie, erreurs);
    return serveur.Sert(std::cin);
}

} // namespace lamelix
