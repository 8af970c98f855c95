#pragma once

// The one reader of every command's arguments, and the one shape of its complaints: a single
// line `lamelix-outils: COMMANDE: ...` on the error stream, for an exit status of 2.

#include "cli/table_commandes.hpp"

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace lamelix {

struct Lecture {
    std::optional<Appel> appel; // the arguments accepted, the file readable
    bool aide = false;          // --help (or -h) asked: nothing else was checked
};

// Reads the arguments that follow the command's name: the options of the table anywhere, the
// file first among the operands. An unknown option, a missing or wrong option argument, a
// missing or extra operand and a file that cannot be read are each told on one line; the
// Lecture is then empty.
Lecture LitArguments(const Commande &commande, const std::vector<std::string> &arguments,
                     std::ostream &erreurs);

// The usage error line, `lamelix-outils: COMMANDE: MESSAGE (essayez lamelix-outils help
// COMMANDE)`; returns 2, the exit status of a usage error.
int ErreurUsage(const std::string &commande, const std::string &message, std::ostream &erreurs);

} // namespace lamelix
