// The path history: the key line chosen at each step, its text in Text1, the back step, the
// rebuilding of a whole path from one line, and the pick of a name in List2.

#include "consult/lamelix.hpp"
#include "consult/operations.hpp"
#include "key/requetes_cle.hpp"
#include "platform/erreur.hpp"
#include "platform/nombres.hpp"
#include "platform/piege.hpp"
#include "platform/services.hpp"

#include <array>
#include <optional>

namespace lamelix {

namespace {

// Texts of the pick in List2 (the typo of the first one is the program's own wording).
const std::string SansPredecesseur = "Attention  !  cette entité n'a pas de prédédent dans la clé";
const std::string Prefixe = "\u00B0";
const std::string MarqueNote = " *Note*... :";

// A walk up the predecessors that takes more steps than the key has lines is going round.
constexpr long MaxPasRemontee = 4000;

// A path as collected upwards: position 0 holds the starting line.
using CheminLocal = std::array<int16_t, MaxEtapes + 1>;

const std::string &prefixe(const Lamelix &f) {
    static const std::string aucun;
    return f.Mnuprefx[0].Checked ? Prefixe : aucun;
}

std::string texteLigne(const Lamelix &f, const std::string &description) {
    return f.Check_saut_ligne.Value == 1 ? TXT_Saut_de_ligne(f, description) : description;
}

// "cf" reference to the line in slot 2, the first line below the break in a broken path.
std::string renvoiSlot2(Lamelix &f) {
    const int16_t ligne = f.Parcours.Hist(2);
    return TexteNombre(ligne) + "/" + TexteNombre(f.Cle().TabLignes(ligne).LigneTexte);
}

// The history can hold no more lines: tells the user which line the path was cut at.
void signaleCheminTropLong(Lamelix &f, int16_t derniere) {
    f.Systeme.Message(f.Msg(MsgAvertissement) + "11/" + f.Msg(MsgDepassementIndex) +
                      f.Msg(MsgErreurCleCompilee) +
                      TexteNombre(f.Cle().TabLignes(derniere).LigneTexte));
}

// What every pick of a line first does: the documents and the enlarged views go, the lists
// lose the colour of a search.
void prepareChoix(Lamelix &f) {
    f.Parcours.DocsAffiches = false;
    f.Frame5.SetVisible(false);
    f.Text4.SetVisible(false);
    f.List1.SetBackColor(CouleurFondFenetre);
    f.List2.SetBackColor(CouleurFondFenetre);
}

// What "<==" and "RAZ" do before they step: the complement's panels closed, no species reached.
void apresRetour(Lamelix &f) {
    f.Frame5.SetVisible(false);
    f.Text4.SetVisible(false);
    f.Command4[Cmd4Suiv].SetEnabled(true);
    f.Parcours.EspeceAtteinte = false;
}

// The pick of one key line: up its predecessors to the first entity, which becomes the path.
// Without navigable, List2's own navigability decides, read once the line's complements are
// followed: a key they chain resets it.
void suitLigne(Lamelix &f, int16_t choisie, std::optional<bool> navigable) {
    CleCompilee &cle = f.Cle();
    CheminLocal chemin{};
    LigneCle &l = cle.TabLignes(choisie);
    f.Text1.SetForeColor(CouleurNoir);

    if (l.Orpheline && choisie >= 2) {
        f.Text1.SetForeColor(CouleurRouge);
        f.Text1.Append(SansPredecesseur);
    }

    if (l.Prec != 0) {
        // The pick replaces the path: a species reached by an earlier choice is reached no more.
        f.Parcours.EspeceAtteinte = false;
        f.Parcours.DerniereLigne = choisie;
        f.Parcours.EntiteCourante = l.E;
        chemin[0] = choisie;
        int n = 1;
        f.Text2.SetText(l.NomEspece);
        if (!l.Complements.empty()) {
            const uint64_t chargements = f.ChargementsCle;
            int16_t resultat = 0;
            std::string complements = l.Complements;
            TraiteComplement(f, EstTerminale(l) ? 0 : 1, complements, resultat);
            // A key chained by the complements has replaced this one and started afresh: the
            // line and the path belonged to the key that is gone.
            if (f.ChargementsCle != chargements) return;
        }

        // Up the predecessors to the first entity; lines of no entity and notes are no steps.
        int16_t rupture = 0;
        int16_t ligne = choisie;
        long pas = 0;
        while (cle.TabLignes(ligne).E >= 2) {
            if (++pas > MaxPasRemontee) {
                f.Systeme.Message(f.Msg(MsgErreurDepassementLigne) +
                                  TexteNombre(cle.TabLignes(ligne).LigneTexte));
                return;
            }
            ligne = VersEntier16(cle.TabLignes(ligne).Prec);
            const LigneCle &p = cle.TabLignes(ligne);
            if (p.Orpheline) {
                f.Text1.SetForeColor(CouleurRouge);
                f.Text1.Append(f.Msg(MsgEntiteSansPrecedent));
                rupture = -1;
            }
            if (p.E > 0 && !PorteMarqueNote(p)) {
                if (n == MaxEtapes) {
                    signaleCheminTropLong(f, chemin[MaxEtapes - 1]);
                    break;
                }
                chemin[static_cast<std::size_t>(n++)] = ligne;
            }
        }

        f.Parcours.NbEtapes = static_cast<int16_t>(n);
        for (int i = 1; i <= n; ++i)
            f.Parcours.Hist(i) = chemin[static_cast<std::size_t>(n - i)];
        if (n < MaxEtapes) f.Parcours.Hist(n + 1) = 0;
        f.List1.Clear();
        int16_t modeHist = 1;
        AfficheHist(f, rupture, modeHist);
        if (navigable.value_or(f.Parcours.LignesNavigables)) {
            // A section or a validated line: the consultation goes on from there.
            f.Parcours.EntiteCourante = l.S;
            AfficheChoix(f, f.Parcours.EntiteCourante);
        }
        int16_t resultat = 0;
        std::string complements = cle.TabLignes(chemin[1]).Complements;
        TraiteComplement(f, 0, complements, resultat);
        f.Parcours.MarqueRetour = 1;
        return;
    }

    if (choisie > 1) {
        f.Text1.SetForeColor(CouleurRouge);
        f.Text1.SetText(l.Description);
        f.Text2.SetText(l.NomEspece);
        f.Text1.Append(f.FinLigne + SansPredecesseur);
    }
}

} // namespace

void AfficheNombreNoms(Lamelix &f) {
    f.Label1.SetCaption(TexteNombre(f.List2.ListCount()));
}

void AfficheHist(Lamelix &f, int16_t rupture, int16_t mode) {
    CleCompilee &cle = f.Cle();
    f.Text1.SetForeColor(CouleurNoir);
    f.Text1.SetText({});
    if (rupture != 0) {
        f.Text1.SetForeColor(CouleurRouge);
        if (mode == 1)
            f.Text1.Append(f.Msg(MsgRuptureSequence) + f.FinLigne + f.Msg(MsgCfCleEn) +
                           renvoiSlot2(f) + f.FinLigne);
    }
    f.Parcours.DebutsEtapes.clear();
    for (int i = 1; i <= f.Parcours.NbEtapes; ++i) {
        int16_t ligne = f.Parcours.Hist(i);
        f.Parcours.DebutsEtapes.push_back(f.Text1.Text.size());
        AfficheEtape(f, ligne, rupture);
        if (!f.Parcours.AfficheNotes) continue;
        const double suite = Valeur(cle.TabLignes(ligne).Suite);
        if (suite <= 0) continue;
        const LigneCle &note = cle.TabLignes(VersEntier16(suite));
        if (!PorteMarqueNote(note)) continue;
        f.Text1.Append(MarqueNote + texteLigne(f, note.Description) + f.FinLigne);
    }
    // A broken path without notes shows one notice instead of its steps.
    if (!f.Parcours.AfficheNotes && rupture != 0) f.Parcours.DebutsEtapes.clear();
    f.Parcours.TexteEtapes = f.Text1.Text;
    AfficheSect(f);
}

void AfficheEtape(Lamelix &f, int16_t ligne, int16_t rupture) {
    if (ligne < 1) {
        f.Text1.Append(prefixe(f) + "\r\n");
    } else {
        f.Text1.Append(prefixe(f) + texteLigne(f, f.Cle().TabLignes(ligne).Description) +
                       f.FinLigne);
    }
    if (!f.Parcours.AfficheNotes && rupture != 0)
        f.Text1.SetText(f.Msg(MsgLigneOrpheline) + " cf  " + renvoiSlot2(f) + "7//" + f.FinLigne);
}

void HistoCherch(Lamelix &f, int16_t &ligne) {
    if (ligne == 0) return;
    const CleCompilee &cle = f.Cle();
    CheminLocal chemin{};
    int n = 0;
    while (true) {
        if (n == MaxEtapes) {
            signaleCheminTropLong(f, chemin[MaxEtapes - 1]);
            break;
        }
        chemin[static_cast<std::size_t>(n++)] = ligne;
        const LigneCle &l = cle.TabLignes(ligne);
        if (l.E == 1 || n >= cle.EntiteMax) break; // entity 1 reached, or a faulty key loops
        ligne = VersEntier16(l.Prec);
    }
    for (int i = 1; i <= n; ++i)
        f.Parcours.Hist(i) = chemin[static_cast<std::size_t>(n - i)];
    f.Parcours.NbEtapes = static_cast<int16_t>(n);
}

void RefaitCheminVers(Lamelix &f, int16_t ligne) {
    int16_t chemin = ligne;
    HistoCherch(f, chemin);
    f.Text1.SetText({});
    AfficheHist(f, 0, 0);
    f.Parcours.DerniereLigne = ligne;
}

void RazHist(Lamelix &f) {
    // Only the steps written since the last reset are cleared; the last one on its own.
    for (int16_t &etape : f.Parcours.Hist.CasesEcrites(1))
        etape = 0;
    f.Parcours.Hist(MaxEtapes) = 0;
    f.Parcours.Hist.Oublie();
}

void Retour_Choix(Lamelix &f, int16_t code) {
    if (code != 0) return;
    CleCompilee &cle = f.Cle();

    // A note is not a step of its own: step back from the proposition that calls its entity.
    if (f.Parcours.NbEtapes >= 1) {
        const LigneCle &derniere = cle.TabLignes(f.Parcours.Hist(f.Parcours.NbEtapes));
        if (PorteMarqueNote(derniere))
            f.Parcours.Hist(f.Parcours.NbEtapes) = VersEntier16(derniere.Prec);
    }
    if (f.Parcours.EntiteCourante < 0) return;
    if (f.Parcours.NbEtapes <= 1) {
        RAZ_Choix(f);
        return;
    }

    const int16_t entite = cle.TabLignes(f.Parcours.Hist(f.Parcours.NbEtapes)).E;
    if (entite < 0) {
        // A header line in the history: reported, and the consultation stays where it is.
        f.Systeme.Message(f.Msg(MsgErreur98H) + TexteNombre(f.Parcours.Hist(f.Parcours.NbEtapes)));
        return;
    }
    f.Parcours.EntiteCourante = entite;
    if (f.Parcours.EntiteCourante == 0) f.Parcours.EntiteCourante = cle.TabLignes(1).E;

    if (f.Parcours.MarqueRetour != 0) {
        // Back from a picked name: the entity of the picked line is offered again.
        f.Text2.SetText({});
        AfficheChoix(f, f.Parcours.EntiteCourante);
        CherchSuiv(f);
        f.Parcours.RetireEtape();
        AfficheHist(f, 0, 0);
        f.Parcours.MarqueRetour = 0;
        return;
    }

    f.Text2.SetText({});
    AfficheChoix(f, f.Parcours.EntiteCourante);
    CherchSuiv(f);
    if (EstTerminale(cle.TabLignes(cle.IndexEntite(f.Parcours.EntiteCourante)))) {
        if (f.Parcours.EntiteCourante == 0) f.Parcours.EntiteCourante = cle.TabLignes(1).E;
        f.Parcours.MarqueRetour = 0;
        if (f.Parcours.EntiteCourante == cle.TabLignes(1).E) {
            f.Parcours.NbEtapes = 0;
            AfficheHist(f, 0, 0);
            return;
        }
    }
    f.Parcours.RetireEtape();
    AfficheHist(f, 0, 0);
}

void RetourArriere(Lamelix &f) {
    SousPiege([&] {
        apresRetour(f);
        f.Parcours.DocsAffiches = false;
        int16_t code = 0;
        Retour_Choix(f, code);
        AfficheNombreNoms(f);
        if (f.Check4.Value == 1) f.Annexes.traduirebtn_Click(0);
    });
}

void Recommence(Lamelix &f) {
    SousPiege([&] {
        apresRetour(f);
        RAZ_Choix(f);
        if (f.Check4.Value == 1) f.Annexes.traduirebtn_Click(0);
        AfficheNombreNoms(f);
    });
}

void bouton_Click(Lamelix &f, int index) {
    if (index == 0)
        RetourArriere(f);
    else if (index == 1)
        Recommence(f);
    else
        SousPiege([&] { apresRetour(f); });
}

void PrendNom(Lamelix &f, int position) {
    // The pick ends; what it already showed stays.
    SousPiege([&] {
        prepareChoix(f);
        if (position < 0 || position >= f.List2.ListCount()) return;
        suitLigne(f, f.Parcours.MapNoms(f.List2.Items[static_cast<std::size_t>(position)].ItemData),
                  std::nullopt);
    });
}

void List2_Click(Lamelix &f) {
    PrendNom(f, f.List2.ListIndex);
}

void ChoisitLigne(Lamelix &f, int16_t ligne, bool navigable) {
    SousPiege([&] {
        prepareChoix(f);
        const uint64_t cle = f.ChargementsCle;
        const bool mene = navigable && f.Cle().TabLignes(ligne).Prec != 0;
        suitLigne(f, ligne, navigable);
        // A key chained by the line's complements has started afresh: nothing more to list.
        if (!mene || f.ChargementsCle != cle) return;
        // List2 was not the list picked from: it now lists what the new place leads to, as after
        // a choice. A species reached leads nowhere else.
        if (f.Parcours.EntiteCourante >= 1) {
            CherchSuiv(f);
        } else {
            f.Parcours.EspeceAtteinte = true;
            f.Command4[Cmd4Suiv].SetEnabled(false);
            f.List2.Clear();
            f.Label3.SetCaption(f.Msg(MsgListeIssuesPossibles));
            AfficheNombreNoms(f);
        }
    });
}

void List2_MouseDown(Lamelix &f, int Button, int) {
    f.zoomlist.SetFontSize(f.List2.FontSize);
    if (Button != BoutonDroit) {
        f.zoomlist.SetVisible(false);
        return;
    }
    const int position = f.List2.ListIndex;
    if (position < 0 || position >= f.List2.ListCount()) return;
    // The name shown is the one whose position is the selected line's running number.
    const long cible = f.List2.Items[static_cast<std::size_t>(position)].ItemData;
    f.zoomlist.SetText(cible >= 0 && cible < f.List2.ListCount()
                           ? f.List2.Items[static_cast<std::size_t>(cible)].Texte
                           : std::string{});
    f.zoomlist.SetVisible(true);
}

void List2_MouseUp(Lamelix &f, int, int) {
    f.zoomlist.SetVisible(false);
}

void Check_saut_ligne_Click(Lamelix &f) {
    SousPiege([&] { AfficheHist(f, 0, 0); });
}

void chk_Fnote_Click(Lamelix &f) {
    f.Parcours.AfficheNotes = f.chk_Fnote.Value == 1;
}

void Mnuprefx_Click(Lamelix &f, int index) {
    if (index < 0 || index >= static_cast<int>(f.Mnuprefx.size())) return;
    MenuItem &item = f.Mnuprefx[static_cast<std::size_t>(index)];
    item.SetChecked(!item.Checked);
}

} // namespace lamelix
