// Showing the propositions of an entity and following the one the user chooses.

#include "consult/lamelix.hpp"
#include "consult/operations.hpp"
#include "key/requetes_cle.hpp"
#include "platform/erreur.hpp"
#include "platform/nom_programme.hpp"
#include "platform/piege.hpp"
#include "platform/services.hpp"
#include "platform/texte.hpp"

namespace lamelix {

namespace {

constexpr int16_t ToucheEchap = 27;

void cachePanneauxComplement(Lamelix &f) {
    f.Picture2.SetVisible(false);
    f.Frame5.SetVisible(false);
    f.Text4.SetVisible(false);
}

// A hit of a keyword search picked in List1, by a click or a double click: the path rebuilt up to
// it, the entity that offers it made current, its outcomes listed; a hit that ends at a species
// shows the name, and its complements are followed when it is chosen (a double click: the click
// before it only looks, as on a proposition). False when the row leads to no line of the key.
bool prendResultat(Lamelix &f, int position, bool choisi) {
    const std::optional<int16_t> trouvee = LigneDuResultat(f, position);
    if (!trouvee) return false;
    RefaitCheminVers(f, *trouvee);
    const LigneCle &l = f.Cle().TabLignes(*trouvee);
    f.Parcours.EntiteCourante = l.E;
    CherchSuiv(f);
    if (!EstTerminale(l)) {
        f.Text2.SetText({});
    } else {
        f.Text2.SetText(l.NomEspece);
        f.Command4[Cmd4Suiv].SetEnabled(false);
        int16_t resultat = 0;
        if (choisi) TraiteComplement(f, 0, l.Complements, resultat);
    }
    return true;
}

} // namespace

void AfficheChoix(Lamelix &f, int16_t entite) {
    const CleCompilee &cle = f.Cle();
    f.List1.Clear();
    f.Parcours.DocsAffiches = false;      // List1 shows propositions again, no documents
    f.Parcours.RechercheAffichee = false; // nor the hits of a keyword search
    ActiveCommand2(f);                    // nothing is selected any more
    if (entite == 0) return;              // no key loaded, or a species reached: nothing to offer
    const LignesEntite lignes = LignesDeLEntite(cle, entite, MaxLignesCle);
    for (long i = lignes.Premiere; i < lignes.Fin(); ++i) {
        if (i >= MaxLignesCle) return;
        if (!PorteMarqueNote(cle.TabLignes(i))) f.List1.AddItem(cle.TabLignes(i).Description);
    }
    f.Caption.SetCaption(cle.TitreFenetre.empty() ? NomProgrammeVersion() : cle.TitreFenetre);
    f.Label6.SetCaption(cle.CommentaireCle);
    f.Frame6.SetVisible(false);
    f.Frame8.SetVisible(true);
    f.List1.SetBackColor(CouleurFondFenetre);
    f.List2.SetBackColor(CouleurFondFenetre);
}

std::optional<int16_t> LigneDuResultat(Lamelix &f, long k) {
    if (k < 0 || k > MaxLignesCle) return std::nullopt;
    const CleCompilee &cle = f.Cle();
    int16_t ligne = f.Parcours.MapRecherche(k);
    if (ligne < 1 || ligne > DerniereLigneCle(cle)) return std::nullopt;
    if (PorteMarqueNote(cle.TabLignes(ligne)) && ligne > 1) --ligne;
    return ligne;
}

List1Vide PourquoiList1Vide(const Lamelix &f) {
    if (f.Parcours.RechercheAffichee || f.Parcours.DocsAffiches) return List1Vide::RienTrouve;
    if (!f.Text2.Text.empty()) return List1Vide::EspeceAtteinte;
    const CleCompilee &cle = f.Prog.Cle;
    if (cle.ErreurCle || cle.TabLignes(1).E == 0) return List1Vide::SansCle;
    return List1Vide::SansProposition;
}

long LigneChoisie(const Lamelix &f, int position) {
    const CleCompilee &cle = f.Prog.Cle;
    long i = cle.IndexEntite(f.Parcours.EntiteCourante);
    for (int compte = 0; compte < position; ++i)
        if (!PorteMarqueNote(cle.TabLignes(i))) ++compte;
    if (PorteMarqueNote(cle.TabLignes(i))) ++i;
    return i;
}

void List1_Click(Lamelix &f) {
    // The handler ends; the window keeps what it shows.
    SousPiege([&] {
        const int position = f.List1.ListIndex;
        if (position < 0 || position >= f.List1.ListCount()) return;
        if (f.Parcours.RechercheAffichee && f.Annexes.RechercheDansHistorique()) {
            // A hit on the path taken only brings the path back to it.
            if (const std::optional<int16_t> trouvee = LigneDuResultat(f, position)) {
                int16_t ligne = *trouvee;
                HistoCherch(f, ligne);
                CherchSuiv(f);
            }
            return;
        }
        cachePanneauxComplement(f);
        if (f.Parcours.RechercheAffichee) {
            if (!prendResultat(f, position, false)) return;
        } else {
            // A click only looks at a proposition: its complements are followed when it is
            // chosen. Every double click begins with a click, and a key chained here would
            // already have replaced the propositions the double click then lands on.
            f.Text2.SetText({});
            f.Command4[Cmd4Suiv].SetEnabled(false);
        }
        f.Parcours.MarqueRetour = 0;
    });
    ActiveCommand2(f);
}

void ChoisitProposition(Lamelix &f, int position) {
    SousPiege([&] {
        if (position < 0 || position >= f.List1.ListCount()) return;
        CleCompilee &cle = f.Cle();
        if (f.Parcours.DocsAffiches) {
            f.Systeme.ShellEx(f.List1.Items[static_cast<std::size_t>(position)].Texte,
                              f.RepProgramme);
            return;
        }
        cachePanneauxComplement(f);
        int16_t resultat = 0;
        if (f.Parcours.RechercheAffichee) {
            if (!prendResultat(f, position, true)) return;
            f.Annexes.MoCle_Click(1);
        } else {
            // A full history records nothing more, and nothing changes.
            if (f.Parcours.EntiteCourante <= 0 || f.Parcours.NbEtapes >= MaxEtapes) return;
            const auto ligne = static_cast<int16_t>(LigneChoisie(f, position));
            LigneCle &choisie = cle.TabLignes(ligne);
            f.Parcours.AjouteEtape(ligne);
            AfficheHist(f, 0, 0);
            f.Parcours.EntiteCourante = choisie.S;
            f.Text2.SetText(choisie.NomEspece);
            if (!choisie.Complements.empty() && f.AutoExec) f.Annexes.Xshell(choisie.Complements);
            if (f.Parcours.EntiteCourante >= 1) {
                AfficheChoix(f, f.Parcours.EntiteCourante);
                CherchSuiv(f);
            } else {
                f.Parcours.EspeceAtteinte = true;
                f.Command4[Cmd4Suiv].SetEnabled(false);
                if (!choisie.Complements.empty()) {
                    TraiteComplement(f, 0, choisie.Complements, resultat);
                    if (resultat == 1 || resultat == 2) return;
                }
                if (!f.AutoExec) {
                    // Nothing lies beyond a species: its outcome list is empty.
                    f.List2.Clear();
                    f.Label3.SetCaption(f.Msg(MsgListeIssuesPossibles));
                }
                AfficheNombreNoms(f);
                if (f.Parcours.EntiteCourante == 0) f.List1.Clear();
            }
        }
        f.Parcours.MarqueRetour = 0;
        if (f.Check4.Value == 1) f.Annexes.traduirebtn_Click(0);
    });
    ActiveCommand2(f);
}

void List1_DblClick(Lamelix &f) {
    ChoisitProposition(f, f.List1.ListIndex);
}

void ReprendALaLigne(Lamelix &f, int16_t ligne) {
    Consultation &c = f.Parcours;
    RefaitCheminVers(f, ligne);
    const LigneCle &l = f.Cle().TabLignes(ligne);
    c.EntiteCourante = l.S;
    f.Text2.SetText(l.NomEspece);
    if (c.EntiteCourante == 0) {
        c.EspeceAtteinte = true;
        f.Command4[Cmd4Suiv].SetEnabled(false);
        f.List1.Clear();
    } else {
        c.EspeceAtteinte = false;
        f.Command4[Cmd4Suiv].SetEnabled(true);
        AfficheChoix(f, c.EntiteCourante);
    }
}

void List1_GotFocus(Lamelix &f) {
    f.StatusBar1.SetCaption(f.Msg(MsgEscPourFermer));
}

void List1_LostFocus(Lamelix &f) {
    f.StatusBar1.SetCaption({});
}

void List1_KeyPress(Lamelix &f, int16_t KeyAscii) {
    if (KeyAscii != ToucheEchap) return;
    f.StatusBar1.SetCaption(f.Msg(MsgPointezEtCliquez));
    f.zoomDesc.SetVisible(false);
}

void List1_MouseDown(Lamelix &f, int Button, int) {
    ActiveCommand2(f); // the press has selected the line under the pointer
    f.zoomDesc.SetFontSize(f.Text1.FontSize);
    if (Button != BoutonDroit) return;
    f.zoomDesc.SetText(f.List1.TexteSelectionne());
    f.zoomDesc.SetVisible(true);
    f.StatusBar1.SetCaption(f.Msg(MsgEscPourFermer));
    if (f.Frame14.Visible) f.Annexes.traduirebtn_Click(0);
}

void List1_MouseUp(Lamelix &f, int Button, int) {
    if (Button == BoutonGauche) f.zoomDesc.SetVisible(false);
}

void zoomDesc_KeyPress(Lamelix &f, int16_t KeyAscii) {
    if (KeyAscii != ToucheEchap) return;
    f.StatusBar1.SetCaption({});
    f.zoomDesc.SetVisible(false);
}

void RAZ_Choix(Lamelix &f) {
    f.Parcours.RechercheAffichee = false;
    f.Command4[Cmd4Suiv].SetEnabled(true);
    f.Parcours.EspeceAtteinte = false;
    f.Text1.SetText({});
    f.Text2.SetText({});
    RazHist(f);
    f.Parcours.NbEtapes = 0;
    AfficheSect(f); // the sections box follows the emptied path
    f.Parcours.LignesNavigables = false;
    f.Parcours.EntiteCourante = f.Cle().TabLignes(1).E;
    AfficheChoix(f, f.Parcours.EntiteCourante);
    ChargeListe(f, 1);
    // At the first entity every species is an outcome: the start-up invitation and either list's
    // heading still describe List2; any other (the sections) no longer does.
    const std::string &titre = f.Label3.Caption;
    if (titre != f.Msg(MsgListezEtChoisissez) && titre != f.Msg(MsgListeIssuesPossibles) &&
        titre != f.Msg(MsgListeTerminaisons))
        f.Label3.SetCaption(f.Msg(MsgListeTerminaisons));
    AfficheNombreNoms(f);
    f.Command4[1].SetVisible(true);
    f.Command4[2].SetVisible(true);
}

namespace {

enum class Noms {
    Liste,       // ChargeListe: a map position and a List2 line per species taken
    ListeOutils, // ChargeListe_x: a position per species, a line only for a named one
    CarteSeule,  // the map of ChargeListe without its List2 lines
};

// The species lines of the key (terminal, non-continuation, of an entity above 0) into the name
// map and, as asked, into List2.
void remplitNoms(Lamelix &f, Noms quoi) {
    // More names than the map holds: the list keeps the names already put in.
    SousPiege([&] {
        const CleCompilee &cle = f.Cle();
        f.Parcours.NbNoms = 0;
        f.List2.Clear();
        const bool ignoreVides = quoi != Noms::ListeOutils && f.MnOutil[30].Checked;
        for (int i = 1; i <= NombreLignesCle(cle); ++i) {
            const LigneCle &l = cle.TabLignes(i);
            if (l.E <= 0 || !EstTerminale(l) || PorteMarqueNote(l)) continue;
            std::string nom = SansBlancsGauche(l.NomEspece);
            if (ignoreVides && nom.empty()) continue;
            f.Parcours.MapNoms(f.Parcours.NbNoms) = static_cast<int16_t>(i);
            if (quoi == Noms::Liste || (quoi == Noms::ListeOutils && !nom.empty()))
                f.List2.AddItem(std::move(nom), f.Parcours.NbNoms);
            f.Parcours.NbNoms = static_cast<int16_t>(f.Parcours.NbNoms + 1);
        }
        f.Parcours.NomsCharges = true;
        f.Parcours.TotalListe = f.Parcours.NbNoms;
    });
}

} // namespace

void ChargeListe(Lamelix &f, float mode) {
    if (mode == 0) f.Parcours.NbEtapes = 0;
    remplitNoms(f, Noms::Liste);
}

void CarteDesEspeces(Lamelix &f) {
    remplitNoms(f, Noms::CarteSeule);
}

void ChargeListe_x(Lamelix &f, float mode) {
    if (mode == 0) f.Parcours.NbEtapes = 0;
    remplitNoms(f, Noms::ListeOutils);
}

std::string TXT_Saut_de_ligne(const Lamelix &f, const std::string &texte) {
    if (texte.find("///") == std::string::npos) return texte;
    std::string sortie;
    std::size_t debut = 0;
    while (true) {
        std::size_t pos = texte.find("///", debut);
        sortie.append(texte, debut, pos == std::string::npos ? std::string::npos : pos - debut);
        sortie += f.FinLigne + "   ";
        if (pos == std::string::npos) break;
        debut = pos + 3;
    }
    return sortie;
}

} // namespace lamelix
