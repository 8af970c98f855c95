// Loading a key into the window: check, reset, compile, then start the consultation at the
// key's first entity.

#include "consult/lamelix.hpp"
#include "key/chargement.hpp"
#include "platform/erreur.hpp"
#include "platform/fichiers.hpp"
#include "platform/nom_programme.hpp"
#include "platform/services.hpp"

namespace lamelix {

namespace {

// After a refused file or a stopped compilation the window holds no key: nothing half-compiled
// may show through a reset, a back step or a list, and the whole window says so (the file that
// failed stays named in FichierCle, for the author's editor).
void videCle(Lamelix &f, const std::string &chemin) {
    f.Caption.SetCaption(NomProgrammeVersion());
    f.Label6.SetCaption({});
    f.Text2.SetText({});
    f.Label1.SetCaption({});
    f.Label3.SetCaption({});
    f.StatusBar1.SetCaption(f.Msg(MsgProblemeChargement) + chemin);
    RazCle(f.Cle());
    f.Parcours.VideNoms();
    f.List1.Clear();
    f.List2.Clear();
    f.Text1.SetText({});
    f.Parcours.NbNoms = 0;
    f.Parcours.TotalListe = 0;
    f.Parcours.EntiteCourante = 0;
    RazHist(f);
    f.Parcours.NbEtapes = 0;
    f.AnnonceChargement();
}

} // namespace

void ChargeCle(Lamelix &f, const std::string &chemin) {
    CleCompilee &cle = f.Cle();
    // A file that cannot be read whole (gone, a folder, a named pipe, far too large) is refused
    // before anything changes: the consultation in progress stays.
    if (const auto pourquoi = PourquoiIllisible(chemin)) {
        f.Systeme.Message(f.Msg(MsgProblemeChargement) + chemin + f.FinLigne + *pourquoi);
        return;
    }
    try {
        f.Text2.SetText({});
        cle.FichierCle = chemin;
        Flash_ouvre(f, f.Msg(MsgPrecompilationDe) + chemin + "....");
        f.Label6.SetCaption(f.Msg(MsgPatientezPrecompilation));
        f.Label18.SetCaption(f.Msg(MsgFichierActuel) + cle.FichierCle);
        const IssueChargement issue =
            ChargeFichierCle(chemin, f.Compilation(), f.Vues(), [&f] { Flash_ferme(f); });
        if (issue == IssueChargement::MarqueurAbsent) return;
        f.Parcours.VideNoms(); // the tables were reset: no name of the old key stays
        if (issue == IssueChargement::Rejete || issue == IssueChargement::Arrete) {
            videCle(f, chemin);
            return;
        }
        f.Label1.SetCaption("N= " + std::to_string(cle.EntiteMax + 1) + " esp / " +
                            std::to_string(cle.NbLignesM1) + " lgn");
        Label1Def(f);
        f.AnnonceChargement();
        f.Parcours.EntiteCourante = cle.TabLignes(1).E;
        RazHist(f);
        bouton_Click(f, 0);
        f.Text1.SetText({});
        f.Label6.SetCaption({});
        AfficheChoix(f, f.Parcours.EntiteCourante);
        bouton_Click(f, 1);
    } catch (const ErreurExecution &) {
        f.Parcours.VideNoms();
        f.Systeme.Message(f.Msg(MsgProblemeChargement) + chemin);
    }
}

void ChargerFichier(Lamelix &f, int16_t &echec, int16_t) {
    echec = 0;
    try {
        CleCompilee &cle = f.Cle();
        const std::string &nom = f.NomFichierCle;
        if (ExtensionMaj3(nom) == "CLE") {
            MontreFichierCourant(f, nom);
            f.Frame6.SetVisible(false);
            f.Frame8.SetVisible(true);
            cle.FichierCle = JointChemin(f.RepData, nom);
            RazCle(cle);
            f.Parcours.VideNoms();
            std::string chemin = cle.FichierCle;
            ChargeCle(f, chemin);
            ChargeListe(f, 0);
        } else {
            std::string chemin = JointChemin(f.RepData, nom);
            auto contenu = LireOctets(chemin);
            if (!contenu) throw ErreurExecution("fichier illisible : " + chemin);
            f.FichierTexte = chemin;
            lectureTexte(f);
            cle.FichierCle = chemin;
            ChargeCle(f, chemin);
            ChargeListe(f, 0);
        }
    } catch (const ErreurExecution &) {
        echec = 1;
    }
}

} // namespace lamelix
