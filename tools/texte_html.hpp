#pragma once

// The plain text of a statement or a name that a key-hosting site wrote in HTML: tags left out
// (a line break or a paragraph becomes a blank), character entities replaced by their character.
// Nothing of it is kept as markup: the key shows text only.

#include <string>
#include <string_view>

namespace lamelix {

std::string TexteSansHtml(std::string_view html);

// True when the text holds a tag or a character entity that TexteSansHtml would change.
bool ContientHtml(std::string_view texte);

} // namespace lamelix
