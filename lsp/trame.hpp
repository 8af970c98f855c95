#pragma once

// The language server's framing: each message is a block of headers ("Content-Length: N", then
// a blank line) followed by N bytes of JSON. Both are bounded, so that a broken or hostile client
// cannot make the server read a line or a body of any size.

#include <cstddef>
#include <istream>
#include <ostream>
#include <string>

namespace lamelix {

inline constexpr std::size_t MaxLigneEnTete = 1024;            // one header line, in bytes
inline constexpr std::size_t MaxCorps = std::size_t{64} << 20; // one body, in bytes

enum class IssueTrame {
    Message,  // Corps holds a whole body
    Fin,      // the input ended between two messages
    Invalide, // the headers were wrong (Pourquoi says how): skipped, the next message follows
    Tronque,  // the input ended inside a message
};

struct Trame {
    IssueTrame Issue = IssueTrame::Fin;
    std::string Corps;
    std::string Pourquoi;
    bool Saute = false; // bytes of a broken message came before this one's headers, skipped
};

// Reads the next message. A header block without a usable Content-Length, a header line longer
// than MaxLigneEnTete or a body larger than MaxCorps is read past (the body then discarded) and
// answered Invalide.
Trame LitTrame(std::istream &entree);

// Writes one message with its header, and flushes it.
void EcritTrame(std::ostream &sortie, const std::string &corps);

} // namespace lamelix
