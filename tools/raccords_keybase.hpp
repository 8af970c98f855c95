#pragma once

// Where the window reaches the KeyBase exchange: the KeyBase table export and the import of a
// whole KeyBase project (a folder or the .zip KeyBase gives), connected here to the readers and
// writers that do the work.

#include "key/tables.hpp"

#include <string>
#include <vector>

namespace lamelix {

// The KeyBase table (tab-separated, with its subkey column) of the compiled key.
std::string TableauKeyBaseDeLaCle(const CleCompilee &cle);

struct ProjetImporte {
    std::string PremiereCle;          // the key file to open first, "" when none was written
    std::vector<std::string> Erreurs; // why the project was not imported, each with its place
};

// The project's keys written as key files into the folder dossier (made when missing): the
// first key's file, or the reasons.
ProjetImporte ImporteProjetKeyBase(const std::string &projet, const std::string &dossier);

} // namespace lamelix
