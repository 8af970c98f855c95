// The File, Edit, Tools and Help menus and the window's remaining buttons.

#include "consult/lamelix.hpp"
#include "platform/erreur.hpp"
#include "platform/fichiers.hpp"
#include "platform/piege.hpp"
#include "platform/services.hpp"
#include "settings/fichier_ini.hpp"

namespace lamelix {

namespace {

void ouvrir(Lamelix &f) {
    const std::string filtre = "(*.*)|*.*|*.txt,*.cle|*.txt;*.CLE|Clé(*.cle)|*.CLE|" +
                               f.Msg(MsgTousLesFichiers) + "(*.*)|*.*";
    const auto chemin = f.Systeme.DialogueOuvrir(filtre, f.RepData);
    if (chemin && !chemin->empty()) OuvreFichier(f, *chemin);
}

void montreExport(Lamelix &f) {
    f.Frame4.SetVisible(true);
}

void voirParametres(Lamelix &f) {
    f.Frame10.SetVisible(true);
    f.txtEdit.SetVisible(true);
    const std::string &fin = f.FinLigne;
    f.txtEdit.SetText(f.Msg(MsgRepertoireCles) + f.RepData + fin + f.Msg(MsgCleParDefaut) +
                      f.Options().FicDefaut + fin + f.Msg(MsgRacineDocumentation) +
                      f.Options().RepDoc + fin);
}

// The selected part of txtEdit, in bytes of its text.
std::pair<std::size_t, std::size_t> selection(const TextBox &t) {
    const std::size_t debut =
        std::min<std::size_t>(static_cast<std::size_t>(std::max(0, t.SelStart)), t.Text.size());
    const std::size_t longueur = std::min<std::size_t>(
        static_cast<std::size_t>(std::max(0, t.SelLength)), t.Text.size() - debut);
    return {debut, longueur};
}

void remplaceSelection(TextBox &t, const std::string &par) {
    const auto [debut, longueur] = selection(t);
    t.Remplace(debut, longueur, par);
}

} // namespace

void OuvreFichier(Lamelix &f, const std::string &chemin) {
    SousPiege([&] {
        if (!FichierExiste(chemin)) {
            f.Systeme.Message(f.Msg(MsgLeFichier) + chemin + " " + f.Msg(MsgNExistePas),
                              f.Caption.Caption);
            return;
        }
        const std::string extension = ExtensionMaj3(NomFichier(chemin));
        if (extension != "CLE" && extension != "TXT") {
            f.FichierTexte = chemin;
            lectureTexte(f);
            return;
        }
        f.RepData = DossierDe(chemin);
        f.NomFichierCle = NomFichier(chemin);
        f.CheminCle = chemin;
        MontreFichierCourant(f, f.NomFichierCle);
        f.Frame6.SetVisible(false);
        std::string cle = chemin;
        ChargeCle(f, cle);
        float tout = 1;
        ChargeListe(f, tout);
        cle = f.CheminCle;
        MAJ_List3(f, cle);
    });
}

void lectureTexte(Lamelix &f) {
    const auto contenu = LireOctets(f.FichierTexte);
    if (!contenu) return;
    std::string texte;
    for (const std::string &ligne : LignesTexte(*contenu))
        texte += ligne + f.FinLigne;
    f.Annexes.Form1_Titre(NomFichier(f.FichierTexte));
    f.Annexes.Form1_Texte(texte);
    f.Moi.SetVisible(false);
    f.Annexes.Form1_Montre();
}

void mnuFileItem_Click(Lamelix &f, int index) {
    switch (index) {
    case FichierOuvrir:
        ouvrir(f);
        break;
    case FichierClesOuvertes:
        f.Frame11.SetVisible(true);
        f.Focus = "List3";
        break;
    case FichierExporter:
        montreExport(f);
        f.Focus = "Text7";
        break;
    case FichierSession:
        IniSession_Charge(f);
        break;
    case FichierQuitter:
        Quitter(f);
        break;
    default:
        break;
    }
}

void mnuEdit_Click(Lamelix &f) {
    const bool selectionne = selection(f.txtEdit).second > 0;
    for (std::size_t i : {0u, 1u})
        f.mnuEditItem[i].SetEnabled(selectionne);
}

void mnuEditItem_Click(Lamelix &f, int index) {
    TextBox &t = f.txtEdit;
    const auto [debut, longueur] = selection(t);
    switch (index) {
    case 0: // cut
        if (longueur == 0) return;
        f.Systeme.PressePapierVide();
        f.Systeme.PressePapierTexte(t.Text.substr(debut, longueur));
        remplaceSelection(t, {});
        break;
    case 1: // copy
        if (longueur == 0) return;
        f.Systeme.PressePapierVide();
        f.Systeme.PressePapierTexte(t.Text.substr(debut, longueur));
        break;
    case 2: // paste
        remplaceSelection(t, f.Systeme.PressePapierLire());
        break;
    case 3:
        montreExport(f);
        break;
    default:
        break;
    }
}

void MnuMemo_Click(Lamelix &f) {
    // The memo of the program folder, else the one beside the settings file.
    for (const std::string &dossier : {f.RepProgramme, DossierIni(f)}) {
        const std::string memo = JointChemin(dossier, "memo.txt");
        if (!FichierExiste(memo)) continue;
        f.FichierTexte = memo;
        lectureTexte(f);
        return;
    }
}

void MnuAide_Click(Lamelix &f) {
    // The help in the interface language when it is installed ("aide/index_en.html"), else the
    // French one.
    const std::string &code = f.Options().LangueM;
    const std::string traduite = JointChemin(f.RepProgramme, "aide/index_" + code + ".html");
    const bool francais = code.empty() || code == "fr" || !FichierExiste(traduite);
    f.Systeme.Aide(francais ? JointChemin(f.RepProgramme, "aide/index.html") : traduite);
}

void MnOutil_Click(Lamelix &f, int index) {
    switch (index) {
    case 10:
        f.Annexes.MontreOutils();
        break;
    case 20:
        voirParametres(f);
        break;
    case 30:
        f.MnOutil[30].SetChecked(!f.MnOutil[30].Checked);
        break;
    default: // 1 opens its submenu
        break;
    }
}

void Command2_Click(Lamelix &f) {
    // Without a picture to show nothing opens, and the button says so.
    const std::string image = ImageChoisie(f);
    if (image.empty()) {
        f.Command2.SetEnabled(false);
        return;
    }
    f.Picture2Fichier = image;
    f.Picture2.SetVisible(true);
}

void Command8_Click(Lamelix &f) {
    f.Frame10.SetVisible(false);
}

} // namespace lamelix
