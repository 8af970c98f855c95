#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace lamelix {

// A section line of an interface language file: trimmed, "; " and " ;" made ";", then split at
// the first ";". The name is trimmed and upper-cased, the value trimmed.
struct LigneSection {
    std::string Nom;
    std::string Valeur;
};
LigneSection DecoupeSection(std::string_view ligne);

// An item line of a list section: a marker character, the item number up to the first ";",
// then the item text, trimmed. Nothing when the line has no ";" after its marker.
struct LigneItem {
    std::string Numero; // trimmed; "*" ends the list
    std::string Texte;
};
std::optional<LigneItem> DecoupeItem(std::string_view ligne);

// The item number as an integer; nothing when it is not one.
std::optional<int> NumeroItem(std::string_view numero);

} // namespace lamelix
