#pragma once

#include <string>
#include <vector>

namespace lamelix {

// The French texts of the tools' reports, their dialogs and the files the program writes
// (section RAPPORTS of a language file, item n the n-th text): the code writes them as they are
// and shows them through TextesTraduits::Traduit.
std::vector<std::string> TextesRapports();

} // namespace lamelix
