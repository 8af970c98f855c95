#pragma once

// Working data of one compilation, shared by the reading pass and the later passes.

#include "key/compilateur.hpp"
#include "platform/table.hpp"

#include <cstdint>
#include <memory>
#include <string>

namespace lamelix {

struct PaireES {
    std::string E;
    std::string S;
};

struct LigneCS {
    int16_t Numero = 0;
    int16_t EntiteDebut = 0;
};

// Raised by a pass that has reported its own stop (syntax error, error 96, refused question).
struct ArretCompilation {};

// The scratch tables of a compilation. They are kept from one compilation to the next of the
// same thread, so that loading a key allocates and clears only what the keys actually used (a
// quarter of a megabyte otherwise, for the smallest key).
struct Brouillon {
    Table<PaireES, MaxLignesCle> TabES;
    Table<LigneCS, MaxClesSecondaires> TabCS;
    bool EnUsage = false; // a compilation runs on them
};

struct Compilation {
    EnvironnementCompilation env;
    // A compilation started while another runs (from a dialog the first one shows) gets tables
    // of its own.
    std::unique_ptr<Brouillon> propre;
    Brouillon &brouillon;
    Table<PaireES, MaxLignesCle> &TabES;
    Table<LigneCS, MaxClesSecondaires> &TabCS;
    int16_t NbCS = 0;
    int16_t n = 0;               // key lines read
    int16_t dernierCS = 0;       // number of the last CSn recognised, shown by warning 119
    long ligneCourante = 0;      // key line being processed, for the error 100 report
    float ligneTexteErreur = -1; // physical line to report when the record does not exist

    explicit Compilation(EnvironnementCompilation e);
    ~Compilation();
    Compilation(const Compilation &) = delete;
    Compilation &operator=(const Compilation &) = delete;
    int nbLignes() const { return env.Cle.NbLignesM1 + 1; }
    LigneCle &ligne(long i) { return env.Cle.TabLignes(i); }
};

void PasseLecture(Compilation &c, std::string_view octets);
void PasseNumerotation(Compilation &c, int16_t &echec);
void PasseClesSecondaires(Compilation &c, int16_t &echec);
void PasseAppelsCS(Compilation &c);
void PasseRenumerotation(Compilation &c);
void PasseResolutionAppels(Compilation &c);
void PasseChampsTexte(Compilation &c);
void PasseIndexEntites(Compilation &c);
void PassePredecesseurs(Compilation &c);
void PasseContinuations(Compilation &c);
void PasseEntiers(Compilation &c);

} // namespace lamelix
