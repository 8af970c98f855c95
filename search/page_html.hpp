#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace lamelix {

// What the translation reads out of an HTML page, parsed as a browser would (HTML rules, broken
// markup recovered), never by pattern matching. The page is read line by line as UTF-8, and a
// line that is not valid UTF-8 as Windows-1252, as the settings and language files are: what
// comes out is always the program's UTF-8 text, whatever charset the page declares. The parser
// reads the page bounded (search/page_bornee.hpp): nothing of a page over TaillePageMax.

// The inner HTML of the first DIV element, in document order, whose class attribute is exactly
// "t0"; "" when the page has none.
std::string PremierDivT0(std::string_view html);

// The text of the element with that id (its text and that of every element inside it, in
// order); nothing when the page has no such element.
std::optional<std::string> TexteDeLElement(std::string_view html, std::string_view id);

} // namespace lamelix
