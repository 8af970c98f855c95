#pragma once

// A key exchanged as a table of three columns: the couplet a proposition belongs to, its text,
// and the couplet it leads to or the taxon it names. Secondary keys are flattened in the
// compiled key's single numbering; notes (continuation lines) follow their proposition's text
// after a line break.

#include "key/tables.hpp"
#include "tools/lecture_tableau.hpp"

#include <string>
#include <string_view>
#include <vector>

namespace lamelix {

// The table of the compiled key: a header row, then one row per proposition, CR LF line ends,
// fields quoted when they hold a comma, a quote, CR or LF, each cell neutralised as
// CelluleEcrite says (and read back by CelluleLue).
std::string TableauDeLaCle(const CleCompilee &cle);

// One field as the table writes it.
std::string ChampTableau(std::string_view texte);

struct CleImportee {
    std::string Octets; // the key file, empty when the table had errors
    bool Utf8 = false;  // written in UTF-8 behind its marker (a character Windows-1252 lacks)
    std::vector<ErreurTableau> Erreurs;
};

// The key file of a table read from any bytes: its couplets numbered from 1 in the order they
// first appear, each proposition's lines kept together, in Windows-1252 when every character
// fits, else in UTF-8 behind the line rem$UTF8$.
CleImportee CleDuTableau(std::string_view tableau);

} // namespace lamelix
