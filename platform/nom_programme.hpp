#pragma once

#include <string>

namespace lamelix {

// "Lamelix " + major + "." + minor + revision, as the window caption shows the program.
std::string NomProgrammeVersion();

} // namespace lamelix
