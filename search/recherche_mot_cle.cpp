// The keyword search: one or two words looked for in the descriptions, the species names, the
// section titles or the path taken, and the jump from a hit to its place in the key.

#include "search/recherche_mot_cle.hpp"

#include "key/requetes_cle.hpp"
#include "platform/nombres.hpp"
#include "platform/piege.hpp"
#include "platform/texte.hpp"
#include "search/mots_cherches.hpp"

#include <algorithm>

namespace lamelix {

namespace {

constexpr uint32_t CouleurResultats = 0xC0E0FF; // RGB(255, 224, 192)
constexpr int16_t ToucheEntree = 13;
constexpr int16_t ToucheV = 86;

void montreBoutons(RechercheMotCle &r, bool visibles) {
    for (CommandButton &b : r.MoCle)
        b.SetVisible(visibles);
}

void couleurNormale(Lamelix &f) {
    f.List1.SetBackColor(CouleurFondFenetre);
    f.List2.SetBackColor(CouleurFondFenetre);
}

// Back to the consultation view: the panel closed, the display options and the consultation
// buttons shown again.
void fermePanneau(RechercheMotCle &r) {
    Lamelix &f = r.Principale;
    montreBoutons(r, false);
    f.Frame6.SetVisible(false);
    f.Frame8.SetVisible(true);
    f.Parcours.OublieResultats();
    f.StatusBar1.SetCaption(f.Msg(MsgPointezEtCliquez));
    f.Label5.SetCaption(f.Msg(MsgCaracteresValides));
    for (int i = 0; i <= 2; ++i)
        f.Command4[static_cast<std::size_t>(i)].SetVisible(true);
}

bool carteTientLesRetenues(RechercheMotCle &r, bool sections) {
    Lamelix &f = r.Principale;
    if (r.RetenuesSections != sections || r.LignesRetenues.empty() ||
        f.Parcours.NbNoms != static_cast<int>(r.LignesRetenues.size()))
        return false;
    for (std::size_t k = 0; k < r.LignesRetenues.size(); ++k)
        if (f.Parcours.MapNoms(static_cast<long>(k)) != r.LignesRetenues[k]) return false;
    return true;
}

// Names or section titles: the list narrowed to the hits, the name map made of them.
void chercheDansNoms(RechercheMotCle &r, const MotsCherches &mots, bool sections) {
    Lamelix &f = r.Principale;
    const CleCompilee &cle = f.Cle();
    if (sections)
        ChargeSection(f);
    else if (!carteTientLesRetenues(r, false)) // a second search narrows the hits of the first
        ChargeListe(f, 1);
    if (mots.Mot1Vide()) {
        f.Systeme.Bip();
        return;
    }
    f.List2.Clear();
    std::vector<int16_t> trouvees;
    for (int position = 0; position < f.Parcours.NbNoms; ++position) {
        const int16_t ligne = f.Parcours.MapNoms(position);
        const std::string &texte =
            sections ? cle.TitreSection(ligne) : cle.TabLignes(ligne).NomEspece;
        if (!mots.Trouve(texte)) continue;
        const auto rang = static_cast<long>(trouvees.size());
        f.List2.AddItem(SansBlancsGauche(texte), rang);
        f.Parcours.NoteResultat(rang, ligne);
        trouvees.push_back(ligne);
    }
    if (trouvees.empty())
        f.Systeme.Bip();
    else
        f.List2.SetBackColor(CouleurResultats);
    // The name map and its count follow the list: a pick in List2 reaches the hit it shows.
    f.Parcours.RemplaceNoms(trouvees);
    f.Label1.SetCaption(TexteNombre(f.List2.ListCount()));
    r.LignesRetenues = std::move(trouvees);
    r.RetenuesSections = sections;
}

// Descriptions of the whole key or of the path taken: the hits replace the propositions.
void chercheDansDescriptions(RechercheMotCle &r, const MotsCherches &mots, bool historique) {
    Lamelix &f = r.Principale;
    const CleCompilee &cle = f.Cle();
    f.List1.Clear();
    if (mots.Mot1Vide()) {
        f.Systeme.Bip();
        if (historique) f.Parcours.NomsNavigables(false);
        return;
    }
    int trouvees = 0;
    const auto essaie = [&](int16_t ligne) {
        const LigneCle &l = cle.TabLignes(ligne);
        if (!mots.Trouve(l.Description) || l.E < 0) return; // secondary-key headers never hit
        f.List1.AddItem(l.Description);
        f.Parcours.NoteResultat(trouvees++, ligne);
    };
    if (historique) {
        for (int etape = 1; etape <= f.Parcours.NbEtapes; ++etape)
            essaie(f.Parcours.Hist(etape));
    } else {
        for (int ligne = 1; ligne <= DerniereLigneCle(cle); ++ligne)
            essaie(static_cast<int16_t>(ligne));
    }
    f.Parcours.MontreResultats(historique);
    if (trouvees == 0) {
        f.Systeme.Bip();
    } else {
        f.List1.SetBackColor(CouleurResultats);
        f.StatusBar1.SetCaption(TexteNombre(trouvees) + f.Msg(MsgPropositionsCorrespondantes));
    }
}

void cherche(RechercheMotCle &r) {
    Lamelix &f = r.Principale;
    f.zoomDesc.SetVisible(false);
    const MotsCherches mots(r.Textcle[0].Text, r.Textcle[1].Text, r.Check1.Value == 1,
                            r.Check2.Value == 1, r.Option2.Value);
    if (!mots.Mot1Vide()) {
        r.DerniersMots = {r.Textcle[0].Text, r.Textcle[1].Text};
        r.ARecherche = true;
        f.Command4[Cmd4Reprise].SetVisible(true);
        f.Command4[Cmd4Reprise].SetEnabled(true);
    }
    switch (r.Portee()) {
    case DansListe:
        chercheDansNoms(r, mots, false);
        break;
    case DansSections:
        chercheDansNoms(r, mots, true);
        break;
    case DansHistorique:
        chercheDansDescriptions(r, mots, true);
        break;
    default:
        chercheDansDescriptions(r, mots, false);
        break;
    }
}

// "&Annuler": the consultation goes back to where it was when the panel opened.
void abandonne(RechercheMotCle &r) {
    Lamelix &f = r.Principale;
    const std::optional<PlaceConsultation> place = std::move(r.PlaceSauvee);
    r.PlaceSauvee.reset();
    fermePanneau(r);
    if (place) RetrouvePlace(f, *place);
    couleurNormale(f);
}

} // namespace

RechercheMotCle::RechercheMotCle(Lamelix &principale) : Principale(principale) {
    MotCle.Caption = "MotClé";
    MoCle[0].Caption = "&Chercher";
    MoCle[1].Caption = "&Valider";
    MoCle[2].Caption = "&Annuler";
    Option1.Caption = "&Ou";
    Option2.Caption = "&Et";
    Option1.Value = true;
    const char *const portees[] = {"&Descript.", "&Liste", "&Sections", "&Historiq."};
    for (std::size_t i = 0; i < Option3.size(); ++i)
        Option3[i].Caption = portees[i];
    Option3[DansDescriptions].Value = true;
    Check1.Caption = "Ignore M/m";
    Check2.Caption = "Ignore accents";
    Label2.Caption = " mot trouvé dans : ";
}

int RechercheMotCle::Portee() const {
    for (std::size_t i = 0; i < Option3.size(); ++i)
        if (Option3[i].Value) return static_cast<int>(i);
    return DansDescriptions;
}

void MotCle_Click(RechercheMotCle &r) {
    Lamelix &f = r.Principale;
    // Opened again while open (Ctrl+F, "Reprise"), it keeps the place it opened on.
    if (!f.Frame6.Visible || !r.PlaceSauvee) r.PlaceSauvee = PlaceActuelle(f);
    f.Frame6.SetVisible(true);
    f.Frame8.SetVisible(false);
    f.Frame5.SetVisible(false);
    f.Text4.SetVisible(false);
    for (int i = 0; i <= 2; ++i)
        f.Command4[static_cast<std::size_t>(i)].SetVisible(false);
    f.Systeme.Patiente();
    montreBoutons(r, true);
    f.Text2.SetText({});
    r.Label2.SetCaption(f.Msg(MsgMotTrouveDans));
    f.Label5.SetCaption(f.Msg(MsgPropositionsCorrespondantes));
    f.Focus = "Textcle0";
}

void MoCle_Click(RechercheMotCle &r, int index) {
    SousPiege([&] {
        switch (index) {
        case 0:
            cherche(r);
            break;
        case 1:
            Valide_Chercher(r);
            break;
        case 2:
            abandonne(r);
            break;
        default:
            break;
        }
    });
}

void Valide_Chercher(RechercheMotCle &r) {
    Lamelix &f = r.Principale;
    const int portee = r.Portee();
    const bool dansNoms = portee == DansListe || portee == DansSections;

    // The hit: a row of List1 while it shows hits, a line of List2 while it shows them.
    long position = -1;
    if (dansNoms) {
        const int k = f.List2.ListIndex;
        if (carteTientLesRetenues(r, portee == DansSections) && k >= 0 && k < f.List2.ListCount())
            position = f.List2.Items[static_cast<std::size_t>(k)].ItemData;
    } else if (f.Parcours.RechercheAffichee && f.List1.ListIndex < f.List1.ListCount()) {
        position = f.List1.ListIndex;
    }
    const std::optional<int16_t> trouvee = LigneDuResultat(f, position);
    if (!trouvee) return; // no hit selected: nothing changes
    int16_t ligne = *trouvee;

    f.List2.Clear();
    f.Parcours.OublieResultats();
    if (dansNoms) {
        f.Parcours.RemplaceNoms(r.LignesRetenues); // the hits the list showed
        if (portee == DansSections) f.Parcours.NomsNavigables(true);
    }
    montreBoutons(r, false);
    r.PlaceSauvee.reset();

    // The consultation goes on from the hit.
    ReprendALaLigne(f, ligne);
    fermePanneau(r);
    couleurNormale(f);
    Command4_Click(f, Cmd4Suiv);
}

void Textcle_KeyDown(RechercheMotCle &r, int index, int16_t KeyCode, int16_t Shift) {
    if (index < 0 || index > 1) return;
    if (index == 0 && KeyCode == ToucheEntree) {
        MoCle_Click(r, 0);
        return;
    }
    if (KeyCode != ToucheV || (Shift & ToucheCtrl) == 0) return;
    // A word box holds one line: the line breaks of the pasted text become blanks.
    std::string colle = r.Principale.Systeme.PressePapierLire();
    while (!colle.empty() && (colle.back() == '\n' || colle.back() == '\r'))
        colle.pop_back();
    std::replace(colle.begin(), colle.end(), '\r', ' ');
    std::replace(colle.begin(), colle.end(), '\n', ' ');
    TextBox &boite = r.Textcle[static_cast<std::size_t>(index)];
    const std::size_t taille = boite.Text.size();
    const std::size_t debut =
        std::min<std::size_t>(static_cast<std::size_t>(std::max(boite.SelStart, 0)), taille);
    const std::size_t longueur = std::min<std::size_t>(
        static_cast<std::size_t>(std::max(boite.SelLength, 0)), taille - debut);
    boite.Remplace(debut, longueur, colle);
}

void RepriseRecherche(RechercheMotCle &r) {
    if (!r.ARecherche) return;
    MotCle_Click(r);
    r.Textcle[0].SetText(r.DerniersMots[0]);
    r.Textcle[1].SetText(r.DerniersMots[1]);
    MoCle_Click(r, 0);
}

} // namespace lamelix
