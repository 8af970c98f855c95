#include "consult/lamelix.hpp"

#include "key/langues_source.hpp"

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

// The French captions of the menu items that an interface language file may rename.
void CaptionsParDefaut(Lamelix &f) {
    f.mnuSettings.SetCaption("&Options");
    f.TitreTaillesPolice = "&Tailles de police ";
    f.mnuSettingsItem[0].SetCaption(f.TitreTaillesPolice);
    nomme(f.mnuFileItem, 0,
          {"&Ouvrir...", "Clés ouvertes", "Exporter", "Session précédente", "&Quitter"});
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
    f.MnuLangueTitre.SetCaption("Langue");
    f.MnOutil[1].SetCaption("exporter");
    f.MnOutil[10].SetCaption("Mise au point");
    f.MnOutil[20].SetCaption("Voir paramètres");
    f.MnOutil[30].SetCaption("Ignore_S_Nulle");
}

Lamelix::Lamelix(Programme &programme, Services &services) : Prog(programme), Systeme(services) {
    RemplitLanguesSource(lgs);
    Caption.SetCaption(NomProgrammeVersion());

    bouton[0].SetCaption("<==");
    bouton[1].SetCaption("RAZ");
    Command4[Cmd4Suiv].SetCaption("suiv.");
    Command4[Cmd4CopieListe].SetCaption(" copie   liste");
    Command4[Cmd4Section].SetCaption("Section");
    Command4[Cmd4Liste].SetCaption("Liste");
    Command4[Cmd4Compare].SetCaption("Compare");
    Command4[Cmd4LM1].SetCaption("LM1");
    Command4[Cmd4LM2].SetCaption("LM2");
    Command4[Cmd4Reprise].SetCaption("Reprise");
    Command4[Cmd4Reprise].SetVisible(false); // shown once a keyword search has run

    chk_Fnote.Caption = "Afficher les notes";
    Check_saut_ligne.Caption = "sauts de ligne";
    check_Option[0].Caption = "Afficher les sections";
    Check_Compare.Caption = "Comparer";
    Check4.Caption = "Automatique";
    Mnuprefx[0].Caption = "&Préfixe";
    FicExtr[1].Caption = "message d'alerte ";
    FicExtr[2].Caption = "recherche manuelle";
    FicExtr[1].Checked = true;

    CaptionsParDefaut(*this);
    nomme(mnuEditItem, 0, {"&Couper", "Cop&ier", "C&oller", "Exporter"});
    nomme(mnuFontSizesItem, 2, {"&7", "&9", "1&1", "1&3", "17", "20"});
    nomme(MnLang, 1, {"fr", "it", "es", "de", "en", "Basque", "Russe", "Ukrainien"});
    Mnusuiv.Caption = "Sui&vants";
    MnuAide.Caption = "Aide";
    MnuOutils.Caption = "Outils";
    MnSOut[1].Caption = "Format Txt";
    MnSOut[5].Caption = "remplacer au format UTF8";
    MnSOut[6].Caption = "enregistrer nom+UTF8.cle";

    Frame4.Caption = "Enregistrement Résultats";
    Command7[2].SetCaption("annuler");
    Command7[3].SetCaption("enregistrer");
    Frame10.Caption = "Voir paramètres";
    FrameCfgDoc.Caption = "configuration Doc";
    FrameAccueil.Caption = "Bienvenue sur Lamelix";
    RemplitLanguesSource(lgr);
    for (int i = 0; i < lgr.ListCount(); ++i)
        if (lgr.Items[static_cast<std::size_t>(i)].Texte == "Français") lgr.ListIndex = i;

    // Start-up state: notes shown, every other display option off.
    chk_Fnote.Value = 1;
    AfficheNotes = true;

    for (Frame *cache : {&Frame5, &Frame6, &Frame11, &Frame14, &Picture2, &FraFlash, &Frame4,
                         &Frame7, &FrameCfgDoc, &Frame10, &Frame8_obsol, &FrameAccueil, &frmAbout})
        cache->Visible = false;
    Text4.Visible = false;
    zoomDesc.Visible = false;
    zoomlist.Visible = false;
}

} // namespace lamelix
