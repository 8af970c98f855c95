#pragma once

// The rows of a key table as key-hosting sites export them and as their import takes them:
// comma- or tab-separated (told by the content; quoted fields as LitTsv reads them), UTF-8 with or
// without its byte order mark (a table that is not UTF-8 is read as Windows-1252), CR LF or LF, an
// optional header row that names the columns (from, statement, to, subkey, shortcut, or the
// program's own de, proposition, vers), leads in any order. Nothing here interprets the key: the
// rows are handed over with their table lines.

#include "tools/lecture_tableau.hpp"

#include <string>
#include <string_view>
#include <vector>

namespace lamelix {

// The longest field read: a statement of a printed key is a few hundred characters.
inline constexpr std::size_t MaxOctetsChamp = 16384;

struct RangeeKeyBase {
    long Ligne = 0;
    std::string De, Proposition, Vers;
    std::string SousCle;     // the subkey the lead belongs to, empty for the main key
    std::string Raccourci;   // the taxon a shortcut ends at, empty for none
    std::string Complements; // the program's own fifth column: the lead's complements
};

struct RangeesKeyBase {
    std::vector<RangeeKeyBase> Rangees;
    std::vector<ErreurTableau> Illisibles; // records that could not be read, in line order
    // Something only a key-hosting site's table has: tabs, a fourth column, English headings,
    // HTML, a chain of taxa. Without it the table may be the program's own three columns.
    bool FormeKeyBase = false;
};

RangeesKeyBase LitRangeesKeyBase(std::string_view texte);

// The records of a tab-separated text: a field that starts with a double quote and closes with
// one before a tab or a line end is read as quoted (doubled quotes, line breaks), any other
// field as it stands, quotes included. Blank lines are left out.
std::vector<RangeeTableau> LitTsv(std::string_view texte);

// The text as UTF-8: without its byte order mark, read as Windows-1252 when it is not UTF-8.
std::string TexteUtf8(std::string_view octets);

// A column heading as compared: blanks removed, lower case, "_" and "-" taken as blanks.
std::string NomDeColonne(std::string_view titre);

} // namespace lamelix
