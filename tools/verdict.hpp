#pragma once

// The verdict on a key: every fault the compiler reported and every check of the tools (the
// analysis report's counted sections, the structure of the graph, the entities numbered 0), as
// one list of diagnostics, each at its physical line with the field it is about, a severity and
// a stable code. `lamelix-outils verifie` prints it as text or JSON, the language server sends it
// to the editor.

#include "key/tables.hpp"

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace lamelix {

enum class Gravite { Erreur, Avertissement, Information };

// The field of a key line "E , S $ description $ species $ complements" a diagnostic is about.
enum class Champ { Ligne, Entite, Appel, Description, Espece, Complements };

struct Diagnostic {
    long Ligne = 0; // physical line, 0 for the whole file
    Gravite Genre = Gravite::Erreur;
    Champ Sur = Champ::Ligne;
    std::string Code; // "lamelix.syntaxe", stable: scripts and editors filter on it
    std::string Message, Explication;
};

// What a load left behind: the dialogs the compiler showed, the compiled tables, whether the key
// compiled to its end, and the key's text (the bytes the compiler read).
struct ResultatChargement {
    const std::vector<std::string> &Dialogues;
    const CleCompilee &Cle;
    bool Charge = false;
    std::string_view Octets;
};

// The diagnostics of a load, in the order verifie prints them: the compiler's, the entities 0,
// then (on a key that compiled) the analysis report's and the structure's.
std::vector<Diagnostic> Verdict(const ResultatChargement &chargement);

// The field's byte range [debut, fin) in a key line (UTF-8), blanks around it left out; the
// trimmed line when the line has no such field.
std::pair<std::size_t, std::size_t> PlageChamp(std::string_view ligne, Champ champ);

const char *NomGravite(Gravite g); // "error", "warning", "information"

} // namespace lamelix
