#include "consult/lamelix.hpp"

#include "search/langues_source.hpp"

namespace lamelix {

namespace {

// Captions of a menu array from a given index on.
template <std::size_t N>
void nomme(std::array<MenuItem, N> &items, std::size_t premier,
           std::initializer_list<const char *> captions) {
    for (const char *caption : captions)
        items.at(premier++).Caption = caption;
}

} // namespace

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
    MnOutil[30].Caption = "Ignore_S_Nulle";
    FicExtr[1].Caption = "message d'alerte ";
    FicExtr[2].Caption = "recherche manuelle";
    FicExtr[1].Checked = true;

    mnuSettings.Caption = "&Options";
    TitreTaillesPolice = "&Tailles de police ";
    mnuSettingsItem[0].Caption = TitreTaillesPolice;
    nomme(mnuFileItem, 0,
          {"&Ouvrir...", "Clés ouvertes", "Exporter", "Session précédente", "&Quitter"});
    nomme(mnuEditItem, 0, {"&Couper", "Cop&ier", "C&oller", "Exporter"});
    nomme(mnuFontSizesItem, 2, {"&7", "&9", "1&1", "1&3", "17", "20"});
    MnuMemo.Caption = "&Memo";
    exFlagOption.Caption = "&Affiche Sections";
    MnExec.Caption = "Exec.Auto";
    MnuOptFic_xy[0].Caption = "Fichier/répertoire par défaut";
    MnuOptFic_xy[1].Caption = "Répertoire Documentation";
    MnuOptFic_xy[2].Caption = "Configurer Documentation";
    FlagPattern[0].Caption = "Filtrage de *.CLE";
    MnuSavIni_xy.Caption = "Sauver les options";
    MnuFicExtrTitre.Caption = "fichiers externes absents";
    MnuLangueTitre.Caption = "Langue";
    nomme(MnLang, 1, {"fr", "it", "es", "de", "en", "Basque", "Russe", "Ukrainien"});
    Mnusuiv.Caption = "Sui&vants";
    MnuAide.Caption = "Aide";
    MnuOutils.Caption = "Outils";
    MnOutil[1].Caption = "exporter";
    MnOutil[10].Caption = "Mise au point";
    MnOutil[20].Caption = "Voir paramètres";
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

    for (Frame *cache :
         {&Frame5, &Frame6, &Frame11, &Frame14, &Picture2, &FraFlash, &Form1, &Frame4, &Frame7,
          &FrameCfgDoc, &Frame10, &Frame8_obsol, &FrameAccueil, &frmAbout, &outils})
        cache->Visible = false;
    Text4.Visible = false;
    zoomDesc.Visible = false;
    zoomlist.Visible = false;
}

} // namespace lamelix
