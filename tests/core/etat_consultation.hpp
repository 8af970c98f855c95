#pragma once

// The whole visible state of a consultation in one text, so that two ways of reaching a place
// can be compared at once.

#include "consult/lamelix.hpp"

#include <string>

namespace lamelix::test {

inline std::string EtatConsultation(const Lamelix &f) {
    std::string etat = "entite " + std::to_string(f.Parcours.EntiteCourante) + " etapes";
    for (int i = 1; i <= f.Parcours.NbEtapes + 1 && i <= MaxEtapes; ++i)
        etat += " " + std::to_string(f.Parcours.Hist(i));
    etat += "\nmarque " + std::to_string(f.Parcours.MarqueRetour) + " espece " +
            std::to_string(f.Parcours.EspeceAtteinte) + " suiv " +
            std::to_string(f.Command4[Cmd4Suiv].Enabled) + "\nText1 " + f.Text1.Text + "\nText2 " +
            f.Text2.Text + "\nText5 " + f.Text5.Text + "\nLabel1 " + f.Label1.Caption + "\nList1";
    for (const auto &e : f.List1.Items)
        etat += " | " + e.Texte;
    etat += "\nList2";
    for (const auto &e : f.List2.Items)
        etat += " | " + e.Texte;
    return etat;
}

} // namespace lamelix::test
