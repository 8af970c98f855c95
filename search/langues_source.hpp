#pragma once

#include <string>
#include <vector>

namespace lamelix {

// Entries of the translation's source-language list: automatic detection first, then the
// languages a key may declare with REM$LANGUE$.
const std::vector<std::string> &LanguesSource();

} // namespace lamelix
