#pragma once

#include "consult/consultation.hpp"
#include "key/tables.hpp"

#include <cstdint>
#include <string>
#include <vector>

namespace lamelix {

struct Lamelix;

// A step of the path told in the key's own terms, so that it can be looked for again in another
// compilation of the key, whose line indexes may all have moved: the entity that offered the
// proposition, the proposition's place among that entity's propositions (notes are not counted,
// as List1 does not show them), and where it leads: the entity it calls, or the species it names
// when it ends the walk.
struct EtapeRelevee {
    int16_t Entite = 0;
    int16_t Rang = 0; // 0 for the entity's first proposition
    int16_t Appelee = 0;
    std::string Espece; // only on a proposition that calls no entity
};

// The path of a consultation read in the key it was walked on.
std::vector<EtapeRelevee> ReleveChemin(const Consultation &c, const CleCompilee &cle);

// Why a path no longer leads the same way in a key.
enum class Ecart : uint8_t {
    Aucun,            // every step holds
    EntiteDisparue,   // a step's entity is no longer in the key
    LigneDisparue,    // the entity has fewer propositions than the step's place
    AutreDestination, // the proposition at that place calls another entity or names another species
};

// Where a path stands in another compilation of its key. The path leads the same way when each
// step's entity is still in the key, still offers a proposition at the step's place, and that
// proposition still calls the same entity (or, ending the walk, names the same species). Its text
// may have changed: a reworded proposition leads where it led. Lignes are then the new key's
// lines of the path; otherwise Etape is the first step (from 1) that does not hold, and Entite
// the entity it was offered by.
struct CheminRetrouve {
    Ecart Pourquoi = Ecart::Aucun;
    int Etape = 0;
    int16_t Entite = 0;
    std::vector<int16_t> Lignes;
    bool Garde() const { return Pourquoi == Ecart::Aucun; }
};
CheminRetrouve RetrouveChemin(const std::vector<EtapeRelevee> &chemin, const CleCompilee &cle);

// The key file has changed on disk: it is loaded again as a first load does, and the
// consultation goes on along the same path when the new key still leads that way (the entity
// the path ends at offers its propositions, or its species shows), else it starts again at the
// key's first entity. The status bar says which, and why the path was given up. A key that no
// longer loads leaves the window as a failed load does. True when the new key loaded.
bool RechargeCle(Lamelix &f);

} // namespace lamelix
