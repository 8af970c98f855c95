// Start-up and shutdown of the main window: the fixed values at creation, the start-up
// sequence at the first activation (settings, command line, default key, language), and the
// two ways out: the close box, which only asks, and "&Quitter", which also saves the session.

#include "consult/lamelix.hpp"
#include "platform/erreur.hpp"
#include "platform/fichiers.hpp"
#include "platform/piege.hpp"
#include "platform/services.hpp"

namespace lamelix {

namespace {

// A key path from the command line, between double quotes as a file manager may give it, or
// bare as a shell gives it.
std::string cheminCandidat(const std::string &ligne) {
    if (ligne.size() >= 2 && ligne.front() == '"' && ligne.back() == '"')
        return ligne.substr(1, ligne.size() - 2);
    return ligne;
}

void fermeFenetres(Lamelix &f) {
    f.Annexes.Form1_Cache();
    f.frmAbout.SetVisible(false);
    f.Annexes.FermeOutils();
}

} // namespace

void Form_Load(Lamelix &f) {
    // The program folder is given by the skin before the window is created; the window's size
    // and place are the skin's. The settings file lives beside the program's data unless that
    // folder is read-only. The font size starts at 9 points.
    if (f.Options().DossierIni.empty()) f.Options().DossierIni = DossierDesReglages(f.RepProgramme);
    mnuFontSizesItem_Click(f, 3);
}

void Form_Activate(Lamelix &f) {
    SousPiege([&] {
        if (f.SauteActivation) {
            f.SauteActivation = false;
            return;
        }
        if (f.Annexes.OutilsVisible()) return;
        // Only the first activation starts the program: coming back from another window or
        // another program must not reload the settings and the key and lose the consultation.
        if (f.Demarre) return;
        f.Demarre = true;
        PrepareFenetre(f);
        IniCharge(f);
        Init00(f);
    });
}

void PrepareFenetre(Lamelix &f) {
    f.Frame8_obsol.SetVisible(false);
    InitDimension(f);
    f.List1.Clear();
    f.List2.Clear();
    f.Prog.Textes.ChargeDefauts();
    f.StatusBar1.SetCaption(f.Msg(MsgEscPourFermer));
    f.Label3.SetCaption(f.Msg(MsgListezEtChoisissez));
    f.Label5.SetCaption(f.Msg(MsgPropositionsValidees));
    f.Text1.SetText({});
}

void Init00(Lamelix &f) {
    Reglages &r = f.Options();
    const std::string candidat = cheminCandidat(f.LigneCommande);
    if (!candidat.empty() && FichierExiste(candidat)) {
        f.RepData = DossierDe(candidat);
        f.NomFichierCle = NomFichier(candidat);
        f.CheminCle = candidat;
    } else {
        f.NomFichierCle = r.FicDefaut;
    }
    const bool trouvee = OuvreCleDeDepart(f);
    if (r.LangueM.empty()) r.LangueM = "fr";
    ChargeLangue(f);
    CocheLangue(f);
    if (!trouvee) ProposeUneCle(f);
}

// The start-up key is not there (a settings file naming another folder, a key moved away): the
// user is told which file was looked for and may choose another key at once, rather than meet an
// empty window with no word of why.
void ProposeUneCle(Lamelix &f) {
    const std::string texte = f.Msg(MsgFichier) + JointChemin(f.RepData, f.NomFichierCle) +
                              f.Msg(MsgNonTrouve) + f.FinLigne + f.Libelles.OuvrirUneAutreCle;
    if (f.Systeme.Question(texte, f.Caption.Caption) == ReponseOui)
        mnuFileItem_Click(f, FichierOuvrir);
}

bool OuvreCleDeDepart(Lamelix &f) {
    f.Parcours.NbEtapes = 0;
    RazHist(f);
    InitDimension(f);

    f.Parcours.EntiteCourante = 1;
    f.chk_Fnote.SetValue(1);
    f.Parcours.AfficheNotes = true;
    f.VScroll1 = {8, 20};

    AfficheChoix(f, f.Parcours.EntiteCourante);
    AfficheHist(f, 0, 0);

    std::string chemin = JointChemin(f.RepData, f.NomFichierCle);
    const bool trouvee = FichierExiste(chemin);
    if (trouvee) {
        f.CheminCle = chemin;
        MAJ_List3(f, chemin);
        chemin = f.CheminCle;
        ChargeCle(f, chemin);
        ChargeListe(f, 0);
        AfficheChoix(f, f.Parcours.EntiteCourante);
    }

    MontreFichierParDefaut(f);
    f.Label18.SetCaption(f.Msg(MsgFichierActuel) + f.CheminCle);

    f.Parcours.LM1.clear();
    f.Parcours.LM2.clear();
    return trouvee;
}

void MontreFichierCourant(Lamelix &f, const std::string &nom) {
    f.Label7.SetCaption(f.Msg(MsgFichier) + " :" + nom + " " + f.Msg(MsgRepertoireDefaut) + ": " +
                        f.RepData);
}

void MontreFichierParDefaut(Lamelix &f) {
    f.Label7.SetCaption(f.Msg(MsgFichierParDefaut) + JointChemin(f.RepData, f.Options().FicDefaut));
}

void Form_QueryUnload(Lamelix &f, int16_t &Cancel, int16_t) {
    if (f.Systeme.Question(f.Msg(MsgQuitter), f.Caption.Caption) != ReponseOui) {
        Cancel = 1;
        return;
    }
    fermeFenetres(f);
    Form_Unload(f);
}

void Form_Unload(Lamelix &f) {
    f.Termine = true;
}

// "&Quitter": the same question; Yes saves the session before the program ends.
void Quitter(Lamelix &f) {
    if (f.Systeme.Question(f.Msg(MsgQuitter), f.Caption.Caption) != ReponseOui) return;
    IniSession_Sauve(f);
    fermeFenetres(f);
    Form_Unload(f);
}

} // namespace lamelix
