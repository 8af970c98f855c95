#pragma once

#include "key/compilateur.hpp"

#include <cstdint>
#include <string>
#include <string_view>

namespace lamelix {

struct ListBox;
struct TextBox;

// The window controls that a rejected file empties (the choice lists and the proposition text).
struct VuesChoix {
    ListBox *List1 = nullptr;
    ListBox *List2 = nullptr;
    TextBox *Text1 = nullptr;
};

enum class IssueLecture {
    Rejete,    // not a key: " fichier ... incorrect" was shown
    Illisible, // missing, unreadable or empty: nothing shown, nothing compiled
    Compile,   // the compiler ran (echec tells whether it stopped)
};

// Checks that the file holds a key, then compiles it. echec becomes 1 when the file is rejected
// or the compilation stops.
IssueLecture LitCle(const std::string &chemin, int16_t &echec, EnvironnementCompilation env,
                    VuesChoix vues = {});
// The same on the key's text already in memory (an editor's buffer); chemin names it.
IssueLecture LitCleOctets(const std::string &chemin, std::string_view contenu, int16_t &echec,
                          EnvironnementCompilation env, VuesChoix vues = {});

// Resets the tables before a load: every entity index to 1, the choice-list index to 0, records 1
// to 3999 cleared (entity, successor, predecessor, texts, section title), records 0 and 4000
// calling entity 1. Visits only the records written since the last RazCle: the cost of a load
// follows the key loaded, not the size of the tables.
void RazCle(CleCompilee &cle);

// A file whose extension starts with TXT must carry the key marker as its first field. Shows
// " le fichier <chemin> n'est pas un fichier clé" and returns false when it does not. A file
// that cannot be read, or holds no field at all, is a run-time error.
bool TesteMarqueurTxt(const std::string &chemin, Dialogues &dialogues, const Messages &textes);
bool TesteMarqueurTxtOctets(const std::string &chemin, std::string_view contenu,
                            Dialogues &dialogues, const Messages &textes);

} // namespace lamelix
