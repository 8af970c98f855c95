// The outcomes still reachable from the current entity, and the consultation buttons Command4.

#include "consult/lamelix.hpp"
#include "key/requetes_cle.hpp"
#include "platform/erreur.hpp"
#include "platform/nombres.hpp"
#include "platform/piege.hpp"
#include "platform/services.hpp"
#include "platform/texte.hpp"

#include <vector>

namespace lamelix {

namespace {

// A walk up the Prec links longer than this is a loop in a faulty key.
constexpr int MaxPasRemontee = 4000;

// The outcomes found so far: each named one has a List2 line whose item data is its position
// in the outcome map, and the map gives its key line.
class Issues {
  public:
    explicit Issues(Lamelix &f) : f_(f) {}

    // Records line L as an outcome. A species without a name counts as reached but gets no list
    // line and no position. Returns false when the map is full: the computation ends there.
    bool Ajoute(int16_t ligne) {
        std::string nom = SansBlancsGauche(f_.Cle().TabLignes(ligne).NomEspece);
        if (nom.empty()) return true;
        if (nombre_ > MaxIndexChoix) return false;
        carte_(nombre_) = ligne;
        f_.List2.AddItem(std::move(nom), nombre_);
        ++nombre_;
        return true;
    }
    int Nombre() const { return nombre_; }
    int16_t Ligne(int position) const { return carte_(position); }

  private:
    Lamelix &f_;
    Table<int16_t, MaxIndexChoix> carte_;
    int nombre_ = 0;
};

// Walks up from species line L to the first entity, the way the outcome list is defined: L is
// an outcome when a line reached on the way has the target entity; it is recorded once even if
// a faulty key brings the walk back there. Returns false when the whole computation must end: a
// continuation line reached, a loop, or a full outcome map.
bool RemonteExacte(Lamelix &f, Issues &issues, int16_t ligne, int16_t cible) {
    const CleCompilee &cle = f.Cle();
    bool trouvee = false;
    long courante = ligne;
    for (int pas = 1; cle.TabLignes(courante).E >= 2; ++pas) {
        courante = VersEntier16(cle.TabLignes(courante).Prec);
        const LigneCle &atteinte = cle.TabLignes(courante);
        if (pas > MaxPasRemontee) {
            f.Systeme.Message(f.Msg(MsgDepassementBoucle) + TexteNombre(atteinte.LigneTexte));
            return false;
        }
        if (PorteMarqueNote(atteinte)) return false;
        if (atteinte.E == cible && !trouvee) {
            trouvee = true;
            if (!issues.Ajoute(ligne)) return false;
        }
    }
    return true;
}

// The same walks with their common parts shared: every species above a line reaches the same
// lines from there, so each line's answer ("the target lies on or above it") is worked out once
// per computation. Walks that meet a continuation line or a loop are redone exactly, so that the
// computation ends where and as the plain walk ends it.
class Remontees {
  public:
    Remontees(Lamelix &f, int16_t cible) : f_(f), cible_(cible), etat_(MaxLignesCle + 1, Inconnu) {}

    bool Remonte(Issues &issues, int16_t ligne) {
        const CleCompilee &cle = f_.Cle();
        if (cle.TabLignes(ligne).E < 2) return true;
        chemin_.clear();
        long courante = VersEntier16(cle.TabLignes(ligne).Prec);
        int8_t haut = NePassePas; // what lies above the last line of the walk
        while (true) {
            const int8_t connu = etat_.at(static_cast<std::size_t>(courante));
            if (connu == Passe || connu == NePassePas) {
                haut = connu; // that line's walk already went cleanly to the top
                break;
            }
            const LigneCle &atteinte = cle.TabLignes(courante);
            if (connu == EnCours || PorteMarqueNote(atteinte))
                return RemonteExacte(f_, issues, ligne, cible_); // a loop, or the stop
            etat_[static_cast<std::size_t>(courante)] = EnCours;
            chemin_.push_back(courante);
            if (atteinte.E < 2) break;
            courante = VersEntier16(atteinte.Prec);
        }
        // From the top down: a line leads through the target when it has it or a line above does.
        for (auto l = chemin_.rbegin(); l != chemin_.rend(); ++l) {
            if (cle.TabLignes(*l).E == cible_) haut = Passe;
            etat_[static_cast<std::size_t>(*l)] = haut;
        }
        return haut == Passe ? issues.Ajoute(ligne) : true;
    }

  private:
    enum : int8_t { Inconnu, EnCours, Passe, NePassePas };
    Lamelix &f_;
    int16_t cible_;
    std::vector<int8_t> etat_;
    std::vector<long> chemin_;
};

// "suiv.": the outcome list, and List2 no longer holds the full names nor navigable lines.
void Suivants(Lamelix &f) {
    CherchSuiv(f);
    f.Label3.SetCaption(f.Msg(MsgListeIssuesPossibles));
    f.Parcours.NomsCharges = false;
    f.Parcours.LignesNavigables = false;
}

void Memorise(Lamelix &f, void (*copie)(Lamelix &)) {
    f.Annexes.Form1_Cache();
    copie(f);
    f.Systeme.Bip();
}

} // namespace

void CherchSuiv(Lamelix &f) {
    if (f.Parcours.EspeceAtteinte) return;
    const int16_t etapes = f.Parcours.NbEtapes;
    Issues issues(f);
    // A line index out of the key's bounds, a continuation line or a loop met on a walk ends the
    // computation: List2 keeps the outcomes found so far, and the name map, its heading and its
    // counter follow what it holds, so that a pick in it still names the line it shows.
    bool complet = false;
    SousPiege([&] {
        // The name map then lists every species line in key order; List2 is empty.
        CarteDesEspeces(f);

        const CleCompilee &cle = f.Cle();
        const int16_t cible =
            f.Parcours.EntiteCourante != 0 ? f.Parcours.EntiteCourante : cle.TabLignes(1).E;
        Remontees remontees(f, cible);
        for (int position = 0; position < f.Parcours.NbNoms; ++position) {
            const int16_t ligne = f.Parcours.MapNoms(position);
            const bool suite = cle.TabLignes(ligne).E == cible ? issues.Ajoute(ligne)
                                                               : remontees.Remonte(issues, ligne);
            if (!suite) return;
        }
        complet = true;
    });
    if (issues.Nombre() > 0) {
        // The path is shown again once the whole list is known; an interrupted one leaves it.
        if (complet) {
            f.Parcours.NbEtapes = etapes;
            SousPiege([&] { AfficheHist(f, 0, 0); });
        }
        for (int position = 0; position <= MaxIndexChoix; ++position)
            f.Parcours.MapNoms(position) = issues.Ligne(position);
    }
    f.Label3.SetCaption(f.Msg(MsgListeIssuesPossibles));
    f.Label1.SetCaption(std::to_string(f.List2.ListCount()));
}

void Command4_Click(Lamelix &f, int index) {
    SousPiege([&] {
        switch (index) {
        case Cmd4Suiv:
            Suivants(f);
            break;
        case Cmd4CopieListe:
            f.Label3.SetCaption(f.Msg(MsgListeVersPressePapier));
            CopieListe(f);
            break;
        case Cmd4Section:
            ChargeSection(f);
            f.Label3.SetCaption(f.Libelles.BulleSection);
            AfficheNombreNoms(f);
            f.Parcours.NomsCharges = false;
            f.Parcours.LignesNavigables = true;
            break;
        case Cmd4Liste: {
            float toutes = 1;
            ChargeListe(f, toutes);
            f.Label3.SetCaption(f.Msg(MsgListeTerminaisons));
            AfficheNombreNoms(f);
            f.Parcours.LignesNavigables = false;
            break;
        }
        case Cmd4Compare:
            f.Command4[Cmd4Reprise].SetEnabled(false);
            f.Annexes.Form1_Cache();
            // Coming back to the main window must not run the start-up sequence again.
            f.SauteActivation = true;
            compare_Hist(f);
            break;
        case Cmd4LM1:
            Memorise(f, copie_LM1);
            break;
        case Cmd4LM2:
            Memorise(f, copie_LM2);
            break;
        case Cmd4Reprise:
            if (!f.Command4[Cmd4Reprise].Visible) break;
            f.Annexes.RepriseRecherche();
            break;
        default: // 1 to 3 carry no action
            break;
        }
    });
}

void Mnusuiv_Click(Lamelix &f) {
    SousPiege([&] {
        Suivants(f);
        // The window has one default button.
        auto rendDefaut = [](CommandButton &b, bool defaut) {
            if (b.Default != defaut) b.SetDefault(defaut);
        };
        for (CommandButton &b : f.bouton)
            rendDefaut(b, false);
        for (CommandButton &b : f.Command4)
            rendDefaut(b, &b == &f.Command4[Cmd4Suiv]);
    });
}

} // namespace lamelix
