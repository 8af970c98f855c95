#pragma once

#include <string>

#include <QString>

namespace lamelix {

// A dialog filter of the program ("caption|patterns|caption|patterns", patterns separated by
// ";" or ",") as Qt writes it ("caption (patterns);;..."). Patterns match without regard to
// case, as they did on the system the keys come from: "*.CLE" also finds "bolets.cle". A filter
// without a caption takes sansTitre.
QString FiltreQt(const std::string &filtre, const QString &sansTitre);

} // namespace lamelix
