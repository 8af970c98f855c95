// Sections: the titles met along the path (Text5) and the list of every title of the key, from
// which the user can jump to a section.

#include "consult/lamelix.hpp"
#include "platform/erreur.hpp"
#include "platform/piege.hpp"
#include "platform/texte.hpp"

namespace lamelix {

void AfficheSect(Lamelix &f) {
    const CleCompilee &cle = f.Cle();
    f.Text5.SetText({});
    for (int i = 1; i <= f.Parcours.NbEtapes; ++i) {
        const std::string &titre = cle.TitreSection(f.Parcours.Hist(i));
        if (!titre.empty()) f.Text5.Append(titre + "\r\n");
    }
}

void ChargeSection(Lamelix &f) {
    // More titles than the map holds: the list keeps the titles already put in.
    SousPiege([&] {
        const CleCompilee &cle = f.Cle();
        f.Parcours.NbNoms = 0;
        f.List2.Clear();
        f.Text2.SetText({});
        f.Parcours.NbEtapes = 0;
        for (int i = 0; i <= cle.NbLignesM1; ++i) {
            const std::string &titre = cle.TitreSection(i);
            if (titre.empty()) continue;
            f.Parcours.MapNoms(f.Parcours.NbNoms) = static_cast<int16_t>(i);
            f.List2.AddItem(SansBlancsGauche(titre), f.Parcours.NbNoms);
            f.Parcours.NbNoms = static_cast<int16_t>(f.Parcours.NbNoms + 1);
        }
        f.Parcours.NomsCharges = true;
        f.Parcours.TotalListe = f.Parcours.NbNoms;
    });
}

void check_Option_Click(Lamelix &f, int index) {
    // While the translation panel shows, the sections have no room of their own.
    if (index == 0 && f.Frame14.Visible) return;
    SousPiege([&] {
        InitDimension(f);
        AfficheHist(f, 0, 0);
    });
}

} // namespace lamelix
