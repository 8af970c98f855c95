#pragma once

#include "key/tables.hpp"

#include <cstdint>
#include <string>
#include <string_view>

namespace lamelix {

class Dialogues;
class Messages;
class PressePapier;
struct ListBox;

// What the compiler works with besides the key file: the tables it fills, the message table,
// the dialogs (diagnostics, the E = S question), the clipboard (the search aid of the two syntax
// errors) and the source-language list that REM$LANGUE$ selects in.
struct EnvironnementCompilation {
    CleCompilee &Cle;
    const Messages &Textes;
    Dialogues &Boites;
    PressePapier &Presse;
    ListBox &Lgs;
};

// Compiles the key file at chemin into the tables. Sets echec to 1 on every stop (syntax error,
// error 96, a refused E = S question, a run-time error); otherwise leaves it as it is. After a
// stop the tables hold what the completed passes produced.
void Precompile(const std::string &chemin, int16_t &echec, EnvironnementCompilation env);

// The same on a key already read into memory (the file's bytes).
void PrecompileOctets(std::string_view octets, int16_t &echec, EnvironnementCompilation env);

// Orpheline = the line's entity is above 1 and no key line calls it.
void MarqueOrphelines(CleCompilee &cle);

} // namespace lamelix
