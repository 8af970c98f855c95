#pragma once

#include "consult/lamelix.hpp"

#include <cstdint>
#include <string>
#include <vector>

namespace lamelix {

// The kinds of row of the key map.
enum class GenrePlan : uint8_t {
    Cle,         // a key: the main one (line 0) or a secondary key (its header line)
    Entite,      // an entity that a proposition leads to
    Proposition, // a proposition of an entity
    Note,        // a continuation note under its proposition
    Section,     // the title of the section that begins at the proposition below it
    Espece,      // the species a terminal proposition names
};

// One row of the map: what it shows is read from the compiled key each time.
struct NoeudPlan {
    GenrePlan Genre = GenrePlan::Cle;
    int16_t Ligne = 0;  // the key line shown (0 for the main key and for an entity)
    int16_t Entite = 0; // the entity whose propositions are the row's children (Cle, Entite)
    bool operator==(const NoeudPlan &) const = default;
};

// How a row is drawn.
struct EtatPlan {
    bool SurChemin = false; // a step of the path taken, or an entity it passes
    bool Courant = false;   // the current entity, or the species reached
    bool Trouve = false;    // its text holds the filter's word
};

// The key map "Plan de la clé": the whole loaded key as a tree, each entity with its
// propositions, each proposition with its notes and the entity or species it leads to, the
// secondary keys as branches of their own. The rows are computed on demand, so a skin builds
// only the rows it shows. The filter keeps the lines that hold its word (case and accents
// ignored) and the lines of the paths down to them.
struct PlanCle {
    explicit PlanCle(Lamelix &principale) : Principale(principale) { Cadre.SetVisible(false); }

    Lamelix &Principale;
    Frame Cadre;    // the map's panel, its visibility
    TextBox Filtre; // the word the rows must hold

    // Lines kept by the filter and lines that hold the word, index by key line; empty while the
    // filter is empty (PreparePlan fills them).
    std::vector<bool> Retenues, Trouvees;
    bool Filtrant() const { return !Retenues.empty(); }
};

// Reads the filter again against the key now loaded; the skin calls it before it rebuilds.
void PreparePlan(PlanCle &p);
// The rows of the top level, the children of a row, whether it has any, and its text.
std::vector<NoeudPlan> RacinesPlan(const PlanCle &p);
std::vector<NoeudPlan> EnfantsPlan(const PlanCle &p, const NoeudPlan &n);
bool APourEnfants(const PlanCle &p, const NoeudPlan &n);
std::string TextePlan(const PlanCle &p, const NoeudPlan &n);
EtatPlan EtatNoeud(const PlanCle &p, const NoeudPlan &n);
// The rows from the top level down to the current entity (or the species reached) along the
// path taken; it stops where the path leaves the tree.
std::vector<NoeudPlan> CheminPlan(const PlanCle &p);
// While filtering, whether the skin opens this row at once: it has kept children and, for an
// entity, it is not already open above (a key that loops). ancetres: the rows above it.
bool OuvertParFiltre(const PlanCle &p, const NoeudPlan &n, const std::vector<NoeudPlan> &ancetres);

// "Plan de la clé" (Edition menu, Ctrl+M): shows or hides the map.
void MnuPlan_Click(PlanCle &p);
// A double click on a row: the consultation goes there as a pick of the line in List2 does,
// then on to the entity the line leads to. Rows that are no key line change nothing.
void Plan_DblClick(PlanCle &p, const NoeudPlan &n);

} // namespace lamelix
