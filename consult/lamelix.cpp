#include "consult/lamelix.hpp"

#include "key/langues_source.hpp"
#include "platform/nom_programme.hpp"

namespace lamelix {

namespace {

// Captions of a menu array from a given index on.
template <std::size_t N>
void nomme(std::array<MenuItem, N> &items, std::size_t premier,
           std::initializer_list<const char *> captions) {
    for (const char *caption : captions)
        items.at(premier++).SetCaption(caption);
}

} // namespace

// The built-in French captions of everything an interface language file may rename: the menus,
// the buttons, the check boxes, the panel titles and the texts no control holds.
void CaptionsParDefaut(Lamelix &f) {
    f.mnuFile.SetCaption("&Fichier");
    f.mnuEdit.SetCaption("&Edition");
    f.MnuOutils.SetCaption("Outils");
    f.Mnusuiv.SetCaption("Sui&vants");
    f.mnuAideTitre.SetCaption("&?");
    f.MnuAide.SetCaption("Aide");
    f.MnuAvert.SetCaption("Avertissements et nouveautés");
    f.MnuApropos.SetCaption("À propos de Lamelix");

    f.mnuSettings.SetCaption("&Options");
    f.TitreTaillesPolice = "&Tailles de police ";
    f.mnuSettingsItem[0].SetCaption(f.TitreTaillesPolice);
    nomme(f.mnuFileItem, 0,
          {"&Ouvrir...", "Clés ouvertes", "Exporter", "Session précédente", "&Quitter"});
    nomme(f.mnuEditItem, 0, {"&Couper", "Cop&ier", "C&oller", "Exporter"});
    f.Mnuprefx[0].SetCaption("&Préfixe");
    f.MnuMemo.SetCaption("&Memo");
    f.exFlagOption.SetCaption("&Affiche Sections");
    f.MnExec.SetCaption("Exec.Auto");
    f.MnuOptFic_xy[0].SetCaption("Fichier/répertoire par défaut");
    f.MnuOptFic_xy[1].SetCaption("Répertoire Documentation");
    f.MnuOptFic_xy[2].SetCaption("Configurer Documentation");
    f.FlagPattern[0].SetCaption("Filtrage de *.CLE");
    f.MnuSavIni_xy.SetCaption("Sauver les options");
    f.MnuFicExtrTitre.SetCaption("fichiers externes absents");
    f.FicExtr[1].SetCaption("message d'alerte ");
    f.FicExtr[2].SetCaption("recherche manuelle");
    f.MnuLangueTitre.SetCaption("Langue");
    nomme(f.MnLang, 1, {"fr", "it", "es", "de", "en", "Basque", "Russe", "Ukrainien"});
    f.MnOutil[1].SetCaption("exporter");
    f.MnSOut[1].SetCaption("Format Txt");
    f.MnSOut[5].SetCaption("remplacer au format UTF8");
    f.MnSOut[6].SetCaption("enregistrer nom+UTF8.cle");
    f.MnOutil[10].SetCaption("Mise au point");
    f.MnOutil[20].SetCaption("Voir paramètres");
    f.MnOutil[30].SetCaption("Ignore_S_Nulle");

    f.bouton[0].SetCaption("<==");
    f.bouton[1].SetCaption("RAZ");
    f.Command2.SetCaption("Image");
    f.Command4[Cmd4Suiv].SetCaption("suiv.");
    f.Command4[Cmd4CopieListe].SetCaption(" copie   liste");
    f.Command4[Cmd4Section].SetCaption("Section");
    f.Command4[Cmd4Liste].SetCaption("Liste");
    f.Command4[Cmd4Compare].SetCaption("Compare");
    f.Command4[Cmd4LM1].SetCaption("LM1");
    f.Command4[Cmd4LM2].SetCaption("LM2");
    f.Command4[Cmd4Reprise].SetCaption("Reprise");
    f.Command7[2].SetCaption("annuler");
    f.Command7[3].SetCaption("enregistrer");
    f.Command8.SetCaption("Fermer");
    f.cmdCommand9[0].SetCaption("valider");
    f.cmdCommand9[1].SetCaption("Annuler");

    f.chk_Fnote.SetCaption("Afficher les notes");
    f.Check_saut_ligne.SetCaption("sauts de ligne");
    f.check_Option[0].SetCaption("Afficher les sections");
    f.Check_Compare.SetCaption("Comparer");
    f.Check4.SetCaption("Automatique");

    f.Frame4.SetCaption("Enregistrement Résultats");
    f.Frame8.SetCaption("Affichage");
    f.Frame10.SetCaption("Voir paramètres");
    f.Frame11.SetCaption("Clés ouvertes");
    f.FrameCfgDoc.SetCaption("configuration Doc");
    f.FrameAccueil.SetCaption("Bienvenue sur Lamelix");
    f.frmAbout.SetCaption("À propos de Lamelix");

    f.Libelles.Defauts();
    f.Prog.Rapports.Defauts();
    f.Prog.Langues.Defauts();
}

Lamelix::Lamelix(Programme &programme, Services &services, FenetresAnnexes &annexes)
    : Prog(programme), Systeme(services), Annexes(annexes) {
    RemplitLanguesSource(lgs);
    Caption.SetCaption(NomProgrammeVersion());

    CaptionsParDefaut(*this);
    Command4[Cmd4Reprise].SetVisible(false); // shown once a keyword search has run
    Command2.SetEnabled(false);              // until a proposition with a picture is selected
    FicExtr[1].Checked = true;
    nomme(mnuFontSizesItem, 2, {"&7", "&9", "1&1", "1&3", "17", "20"});

    // No target language until the settings or the user name one: the translation panel then
    // chooses one that suits the interface and the key.
    RemplitLanguesSource(lgr);
    lgr.ListIndex = -1;

    // Start-up state: notes shown, the comparison buttons shown (so "Comparer" is ticked),
    // every other display option off.
    chk_Fnote.Value = 1;
    Parcours.AfficheNotes = true;
    Check_Compare.Value = 1;

    for (Frame *cache : {&Frame5, &Frame6, &Frame11, &Frame14, &Picture2, &FraFlash, &Frame4,
                         &Frame7, &FrameCfgDoc, &Frame10, &Frame8_obsol, &FrameAccueil, &frmAbout})
        cache->Visible = false;
    Text4.Visible = false;
    zoomDesc.Visible = false;
    zoomlist.Visible = false;
}

} // namespace lamelix
