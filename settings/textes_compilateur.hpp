#pragma once

#include <string>
#include <vector>

namespace lamelix {

// The French fragments of the key compiler's and key reader's own messages (section COMPILATEUR
// of a language file, item n the n-th fragment): the compiler joins them as they are and shows
// them through Messages::Compilateur().Traduit.
std::vector<std::string> FragmentsCompilateur();

} // namespace lamelix
