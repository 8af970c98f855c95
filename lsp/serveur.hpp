#pragma once

// The language server: JSON-RPC over the framing, the protocol's life cycle (initialize,
// shutdown, exit), the open documents and the key's features. A bad message, an unknown method
// or a key that does not compile is answered and the server goes on.

#include "lsp/analyse_cle.hpp"
#include "lsp/documents.hpp"

#include <istream>
#include <map>
#include <memory>
#include <ostream>
#include <string>

namespace lamelix {

class ServeurLsp {
  public:
    // sortie takes the framed messages, journal a line per fault that has no one to answer.
    ServeurLsp(std::ostream &sortie, std::ostream &journal);
    ~ServeurLsp();

    // Serves until exit or the end of the input: 0 after shutdown then exit, 1 otherwise.
    int Sert(std::istream &entree);
    // One message's body; false once exit has been received.
    bool Recoit(const std::string &corps);

  private:
    struct Etat;
    std::unique_ptr<Etat> etat_;
};

} // namespace lamelix
