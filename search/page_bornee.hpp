#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace lamelix {

// A translation page is a few hundred kilobytes; a larger one is neither read nor shown.
inline constexpr std::size_t TaillePageMax = 2 * 1024 * 1024;
// The HTML parsers take a time that grows with the square of the attributes of one element
// (libxml2: two seconds for 20 000, minutes for 80 000); a real page gives an element a few.
inline constexpr std::size_t AttributsMax = 64;

// The page as the translation reads and shows it, written anew from its tags and text: each
// start tag with its first AttributsMax attributes, their values quoted; end tags bare;
// comments, declarations and processing instructions left out; a "<" that opens no tag
// written "&lt;". The parser that reads it then meets no markup that could take it long,
// whichever way it would have read the original.
std::string ReecritPage(std::string_view html);
// The same, "" for a page over TaillePageMax bytes.
std::string PageBornee(std::string_view html);

// Laying a page out on screen is far slower than reading it (seconds for a page of 2 MiB): the
// page view shows at most this much of a page, whose translation is read from the whole.
inline constexpr std::size_t TailleVueMax = 256 * 1024;
// The beginning of a page, at most max bytes, cut before a tag (else between two characters).
std::string_view DebutDePage(std::string_view page, std::size_t max);

} // namespace lamelix
