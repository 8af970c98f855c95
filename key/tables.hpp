#pragma once

#include "platform/table.hpp"

#include <cstdint>
#include <string>

namespace lamelix {

// Upper bounds of the compiled key: record and entity indexes run from 0 to these.
inline constexpr int MaxLignesCle = 4000;
inline constexpr int MaxEntites = 4000;
inline constexpr int MaxClesSecondaires = 800;
inline constexpr int MaxIndexChoix = 2000;

// One key line once compiled.
struct LigneCle {
    float LigneTexte = 0;  // physical line number in the file, first line = 1
    int16_t E = 0;         // entity, single global numbering; -n on the header of secondary key n
    int16_t S = 0;         // entity called, global numbering; 0 = terminal proposition
    float Prec = 0;        // a line calling this line's entity (the highest such index), 0 if none
    std::string NomEspece; // second "$" field, as written
    std::string Description; // first "$" field, as written
    std::string Complements; // third "$" field, as written
    std::string Suite; // "N" on a continuation line; the next line's index on the line it continues
    bool Orpheline = false; // the line's entity is never called
};

// The one loaded key of the program: fixed-size tables and their scalars. Only the reader and
// the compiler write it; everything else reads it by index.
struct CleCompilee {
    Table<LigneCle, MaxLignesCle> TabLignes;
    Table<int16_t, MaxEntites> IndexEntite;
    Table<std::string, MaxLignesCle> TitreSection;

    int16_t NbLignesM1 = 0;
    int16_t NbLignesTexte = 0;
    int16_t EntiteMax = 0;
    int16_t EntiteMaxCourante = 0;
    std::string TitreCle;
    std::string TitreFenetre;
    std::string CommentaireCle;
    std::string CodageTxt;
    std::string FichierCle;
    bool ErreurCle = false;
};

} // namespace lamelix
