#include "consult/place.hpp"

namespace lamelix {

PlaceConsultation PlaceActuelle(const Lamelix &f) {
    const Consultation &c = f.Parcours;
    PlaceConsultation p;
    p.Entite = c.EntiteCourante;
    p.Etapes = c.Chemin();
    p.DerniereLigne = c.DerniereLigne;
    p.Espece = f.Text2.Text;
    p.EspeceAtteinte = c.EspeceAtteinte;
    p.SuivActif = f.Command4[Cmd4Suiv].Enabled;
    p.Noms = f.List2.Items;
    p.NomChoisi = f.List2.ListIndex;
    for (int k = 0; k < c.NbNoms && k <= MaxIndexChoix; ++k)
        p.CarteNoms.push_back(c.MapNoms(k));
    p.Label1 = f.Label1.Caption;
    p.Label3 = f.Label3.Caption;
    p.LignesNavigables = c.LignesNavigables;
    p.NomsCharges = c.NomsCharges;
    return p;
}

void RetrouvePlace(Lamelix &f, const PlaceConsultation &place) {
    Consultation &c = f.Parcours;
    c.EntiteCourante = place.Entite;
    if (place.Entite < 0 || place.Entite > MaxEntites ||
        place.Etapes.size() > static_cast<std::size_t>(MaxEtapes))
        return;
    RazHist(f);
    c.NbEtapes = static_cast<int16_t>(place.Etapes.size());
    for (std::size_t i = 0; i < place.Etapes.size(); ++i)
        c.Hist(static_cast<long>(i + 1)) = place.Etapes[i];
    c.DerniereLigne = place.DerniereLigne;
    AfficheHist(f, 0, 0);
    f.Text2.SetText(place.Espece);
    c.EspeceAtteinte = place.EspeceAtteinte;
    f.Command4[Cmd4Suiv].SetEnabled(place.SuivActif);
    f.List2.Clear();
    for (const ElementListe &e : place.Noms)
        f.List2.AddItem(e.Texte, e.ItemData);
    f.List2.Selectionne(place.NomChoisi);
    c.RemplaceNoms(place.CarteNoms);
    f.Label1.SetCaption(place.Label1);
    f.Label3.SetCaption(place.Label3);
    c.LignesNavigables = place.LignesNavigables;
    c.NomsCharges = place.NomsCharges;
    if (c.EntiteCourante >= 1)
        AfficheChoix(f, c.EntiteCourante);
    else
        f.List1.Clear();
}

} // namespace lamelix
