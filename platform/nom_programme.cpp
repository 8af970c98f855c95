#include "platform/nom_programme.hpp"

// The only source that reads the generated version: a new version recompiles this file alone.
#include "version.hpp"

namespace lamelix {

std::string NomProgrammeVersion() {
    return "Lamelix " + std::to_string(VersionMajeure) + "." + std::to_string(VersionMineure) +
           std::to_string(VersionRevision);
}

} // namespace lamelix
