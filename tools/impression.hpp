#pragma once

// The compiled key laid out for printing: the bracketed layout (each couplet numbered with the
// couplets that lead to it, its leads 1a, 1b... ending with the next couplet or the species) or
// the indented layout (the key as a tree from its first couplet), in HTML with a print style
// sheet or in Markdown. Species in italics, notes under their lead, each secondary key a part
// with its own heading.

#include "key/tables.hpp"
#include "settings/textes_traduits.hpp"

#include <optional>
#include <string>

namespace lamelix {

enum class StyleImpression { Crochets, Indente };
enum class FormatImpression { Html, Markdown };

// Its headings and its language are French, or those of mots (the interface language's texts).
std::string CleImprimable(const CleCompilee &cle, StyleImpression style, FormatImpression format,
                          const TextesTraduits *mots = nullptr);

// The option values of lamelix-outils imprime: "crochets"/"indente", "html"/"md".
std::optional<StyleImpression> StyleNomme(const std::string &nom);
std::optional<FormatImpression> FormatNomme(const std::string &nom);

} // namespace lamelix
