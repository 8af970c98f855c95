#pragma once

#include <string>

namespace lamelix {

// Text fields on one line, and nothing in them that a terminal would obey: TAB, backslash, CR
// and LF written as \t, \\, \r and \n, every other control character (U+0000 to U+001F,
// U+007F, and U+0080 to U+009F, which are C2 80 to C2 9F in the program's UTF-8) as \xNN, the
// code point in two lower-case hex digits. Every other byte is written as it is.
std::string Echappe(const std::string &texte);

// A report's text as it is, its line structure (TAB, CR, LF) and backslashes included, but with
// every other control character written \xNN as Echappe writes it, so that a key cannot drive
// the terminal through a report that quotes it.
std::string EchappeCommandes(const std::string &texte);

} // namespace lamelix
