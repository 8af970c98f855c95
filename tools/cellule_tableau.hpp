#pragma once

// A cell of the exchange table as it is written and read back. The table is shown in terminals
// and opened in spreadsheets: a control character is written "\xNN" (its code point in two
// lower-case hex digits) so that no terminal obeys it, and a cell that a spreadsheet would take
// for a formula (one beginning with = + - @, TAB or CR) gets a leading "'", which spreadsheets
// show as text. Reading undoes exactly what writing did:
// - "\xNN" names a control character (U+0000 to U+001F but TAB, CR and LF, U+007F, U+0080 to
//   U+009F) or the backslash (5c); a backslash written before an "x" is written "\x5c", so that
//   every "\x" of a written cell starts one of these, and any other backslash is itself;
// - a cell made of "'" then some "'" and a formula sign loses its first "'"; the writer adds one
//   to every text of that form (any "'" then a formula sign), so a text that begins with its own
//   "'" comes back whole, and a "'" typed in a spreadsheet before a formula sign is dropped as
//   the spreadsheet drops it.

#include <string>
#include <string_view>

namespace lamelix {

std::string CelluleEcrite(std::string_view texte);
std::string CelluleLue(std::string_view cellule);

} // namespace lamelix
