#include "search/recherche_mot_cle.hpp"

namespace lamelix {

RechercheMotCle::RechercheMotCle(Lamelix &principale) : Principale(principale) {
    MoCle[0].Caption = "&Chercher";
    MoCle[1].Caption = "&Valider";
    MoCle[2].Caption = "&Annuler";
    Option1.Caption = "&Ou";
    Option2.Caption = "&Et";
    Option1.Value = true;
    const char *const portees[] = {"&Descript.", "&Liste", "&Sections", "&Historiq."};
    for (std::size_t i = 0; i < Option3.size(); ++i)
        Option3[i].Caption = portees[i];
    Check1.Caption = "Ignore M/m";
    Check2.Caption = "Ignore accents";
}

void RelieRechercheMotCle(Lamelix &f, RechercheMotCle &panneau) {
    f.Crochets.RechercheDansHistorique = [&panneau] { return panneau.Option3[3].Value == 1; };
}

} // namespace lamelix
