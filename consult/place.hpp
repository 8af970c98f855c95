#pragma once

#include "consult/lamelix.hpp"

#include <cstdint>
#include <string>
#include <vector>

namespace lamelix {

// A place of the consultation kept to come back to (the keyword search gives it back when it is
// cancelled): the entity, the path, the species shown, and the list of names with its map and
// labels.
struct PlaceConsultation {
    int16_t Entite = 0;
    std::vector<int16_t> Etapes; // the history, step 1 first
    int16_t DerniereLigne = 0;
    std::string Espece; // Text2
    bool EspeceAtteinte = false;
    bool SuivActif = true;
    std::vector<ElementListe> Noms;
    int NomChoisi = -1;
    std::vector<int16_t> CarteNoms;
    std::string Label1, Label3;
    bool LignesNavigables = false, NomsCharges = false;
};

PlaceConsultation PlaceActuelle(const Lamelix &f);
// Back to a kept place: the entity first; the rest when the place is one this key can hold
// (else the window stays as it is, but for the entity).
void RetrouvePlace(Lamelix &f, const PlaceConsultation &place);

} // namespace lamelix
