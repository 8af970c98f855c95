#pragma once

// A comma-separated table (RFC 4180) read from any bytes: fields in double quotes may hold
// commas, doubled quotes and line breaks; records end with CR LF or LF; a UTF-8 byte order mark
// at the start is skipped. Nothing here touches a file or the program's state, so that any input
// can be thrown at it.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace lamelix {

struct RangeeTableau {
    long Ligne = 0; // the physical line the record starts on, first line = 1
    std::vector<std::string> Champs;
};

struct ErreurTableau {
    long Ligne = 0;
    std::string Message;
};

struct ResultatTableau {
    std::vector<RangeeTableau> Rangees; // the sound records; blank lines are left out
    std::vector<ErreurTableau> Erreurs; // one per bad record, in line order
};

// Every record handed over as soon as it is read, so that nothing of a large table is kept: each
// sound record to rangee (blank lines left out), each bad one to erreur, in line order.
void LitTableau(std::string_view texte, const std::function<void(RangeeTableau &&)> &rangee,
                const std::function<void(ErreurTableau &&)> &erreur);

// The whole table at once.
ResultatTableau LitTableau(std::string_view texte);

// Fields that can only be column headings: each a word or a few (letters, blanks, ' - _ / ( )),
// without a digit, a dot, a sign or a byte order mark.
bool QueDesMots(const std::vector<std::string> &champs);

} // namespace lamelix
