// "test cohérence": the link test of the compiled key, then the path of every outcome walked
// back to the first entity and replayed in the main window's history.

#include "consult/place.hpp"
#include "key/requetes_cle.hpp"
#include "platform/erreur.hpp"
#include "platform/nombres.hpp"
#include "platform/piege.hpp"
#include "platform/services.hpp"
#include "tools/outils.hpp"

#include <vector>

namespace lamelix {

namespace {

constexpr int MaxPas = 4000;
constexpr long DonneeMax = 3999;

// The entity numbers present in one column of the key lines.
class Presents {
  public:
    bool Contient(int16_t n) const { return vus_[Case(n)] != 0; }
    void Ajoute(int16_t n) { vus_[Case(n)] = 1; }

  private:
    static std::size_t Case(int16_t n) { return static_cast<std::size_t>(n + 32768); }
    std::vector<char> vus_ = std::vector<char>(65536, 0);
};

// One outcome walked back from its line to the first entity; false when the test must stop.
bool Remonte(Lamelix &f, long ligne, long &courante) {
    const CleCompilee &cle = f.Cle();
    std::vector<long> chemin{ligne};
    courante = ligne;
    int pas = 0;
    while (cle.TabLignes(courante).E >= 2) {
        const long precedente = courante;
        courante = VersEntier16(cle.TabLignes(courante).Prec);
        if (++pas > MaxPas) {
            // A loop of Prec links: said once, and this outcome's walk ends there.
            f.Systeme.Message(TexteNombre(cle.TabLignes(courante).LigneTexte) +
                              f.Msg(MsgErreurDepassementLigne));
            return true;
        }
        if (courante == 0) {
            f.Systeme.Message(TexteNombre(cle.TabLignes(precedente).LigneTexte) +
                              f.Dit("avertissement 12/? cf clé "));
            return false;
        }
        const LigneCle &l = cle.TabLignes(courante);
        if (l.E <= 0 || PorteMarqueNote(l)) continue;
        if (chemin.size() >= static_cast<std::size_t>(MaxEtapes))
            throw ErreurExecution("chemin de plus de 2000 lignes");
        chemin.push_back(courante);
        if (chemin.size() == static_cast<std::size_t>(MaxEtapes))
            f.Systeme.Message(TexteNombre(cle.TabLignes(precedente).LigneTexte) +
                              f.Dit("avertissement 11 /-dépassement index- cf ligne"));
    }
    // The path from the first entity to the outcome becomes the consultation's history.
    f.Parcours.RemplaceChemin({chemin.rbegin(), chemin.rend()});
    AfficheHist(f, 0, 0);
    return true;
}

// Every outcome walked back from its line; the path of each replayed in the history.
void RemonteLesIssues(Outils &o) {
    Lamelix &f = o.Principale;
    long courante = 0;
    try {
        // The choices are reset first, which lists the key's species again: a list emptied by
        // the analysis report (or by a search) is no sign of a key without outcomes.
        RAZ_Choix(f);
        if (f.List2.ListCount() == 0) {
            f.Systeme.Message(o.Msg(MsgCleNonChargee));
            return;
        }
        for (int position = 1; position < f.List2.ListCount(); ++position) {
            const long d = f.List2.Items[static_cast<std::size_t>(position)].ItemData;
            if (d >= DonneeMax) {
                f.Systeme.Message(o.Msg(MsgTeteTestLiaisons) + " 112");
                return;
            }
            courante = f.Parcours.MapNoms(d);
            if (!Remonte(f, courante, courante)) return;
        }
        f.Systeme.Message(o.Msg(MsgTestCoherenceTermine));
    } catch (const ErreurExecution &) {
        const CleCompilee &cle = f.Cle();
        if (courante < DonneeMax && courante >= 0)
            f.Systeme.Message(f.Dit(" erreur 101/cf ligne ") +
                              TexteNombre(cle.TabLignes(courante + 1).LigneTexte) +
                              cle.TabLignes(courante).Description);
        else
            f.Systeme.Message(o.Msg(MsgErreur101) + std::to_string(courante));
    }
}

} // namespace

void TestLiaisons(Outils &o) {
    const CleCompilee &cle = o.Cle();
    const std::string &fin = o.FinLigne();
    const long n = NombreLignesCle(cle);
    Presents appelees, portees;
    for (long j = 1; j <= n; ++j) {
        appelees.Ajoute(cle.TabLignes(j).S);
        portees.Ajoute(cle.TabLignes(j).E);
    }
    std::string texte = o.Msg(MsgTestDesLiaisons) + fin;
    for (long i = 1; i <= n; ++i) {
        const LigneCle &l = cle.TabLignes(i);
        if (l.E > 1 && !appelees.Contient(l.E))
            texte += o.Msg(MsgTeteTestLiaisons) + std::to_string(i) + " / " +
                     TexteNombre(l.LigneTexte) + o.Msg(MsgNonAppelee) + fin;
    }
    for (long i = 1; i <= n; ++i) {
        const LigneCle &l = cle.TabLignes(i);
        if (l.S > 0 && !portees.Contient(l.S))
            texte += o.Dit("ligne ") + std::to_string(i) + " / " + TexteNombre(l.LigneTexte) +
                     o.Dit(" sans suite") + fin;
    }
    o.Text10[0].SetText(std::move(texte));
}

void TestCoherence(Outils &o) {
    Lamelix &f = o.Principale;
    TestLiaisons(o);
    o.Text10[0].Append(o.FinLigne() + o.Msg(MsgAutresTests));
    // The walks go through the main window's history; the consultation then comes back to where
    // the user left it, its lists and path agreeing again.
    const PlaceConsultation place = PlaceActuelle(f);
    RemonteLesIssues(o);
    SousPiege([&] { RetrouvePlace(f, place); });
}

} // namespace lamelix
