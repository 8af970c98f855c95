#pragma once

#include <string>
#include <vector>

namespace lamelix {

struct ListBox;

// Entries of the source-language list: automatic detection first, then the
// languages a key may declare with REM$LANGUE$.
const std::vector<std::string> &LanguesSource();

// Fills the source-language list with those entries, the first one selected.
void RemplitLanguesSource(ListBox &lgs);

} // namespace lamelix
