#pragma once

#include "consult/consultation.hpp"
#include "consult/fenetres_annexes.hpp"
#include "consult/libelles.hpp"
#include "consult/operations.hpp"
#include "consult/programme.hpp"
#include "key/compilateur.hpp"
#include "key/lecteur.hpp"
#include "platform/controles.hpp"
#include "platform/services.hpp"
#include "platform/table.hpp"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lamelix {

inline constexpr uint32_t CouleurNoir = 0;
inline constexpr uint32_t CouleurRouge = 255;
inline constexpr uint32_t CouleurVert = 65280;
inline constexpr uint32_t CouleurBleu = 16711680;
// The system's window background, given back to the lists after a coloured display.
inline constexpr uint32_t CouleurFondFenetre = 0xFFFFFF;
// Mouse buttons and the Shift state as the handlers receive them.
inline constexpr int BoutonGauche = 1;
inline constexpr int BoutonDroit = 2;
inline constexpr int ToucheShift = 1;
inline constexpr int ToucheCtrl = 2;

// Indexes of the consultation buttons Command4.
enum IndexCommande4 : int {
    Cmd4Suiv = 0,
    Cmd4CopieListe = 4,
    Cmd4Section = 5,
    Cmd4Liste = 6,
    Cmd4Compare = 7,
    Cmd4LM1 = 8,
    Cmd4LM2 = 9,
    Cmd4Reprise = 10,
};

// Items of the File menu.
enum IndexMenuFichier : int {
    FichierOuvrir = 0,
    FichierClesOuvertes = 1,
    FichierExporter = 2,
    FichierSession = 3,
    FichierQuitter = 4,
};

// The main window as the core sees it: its controls as plain data and the whole consultation
// state. The Qt skin shows these controls and forwards the user's actions to the procedures.
struct Lamelix {
    Lamelix(Programme &programme, Services &services, FenetresAnnexes &annexes);

    Programme &Prog;
    Services &Systeme;
    // The windows and panels above the consultation, reached through one interface that the
    // program implements when it puts them together.
    FenetresAnnexes &Annexes;

    // --- Controls -------------------------------------------------------------------------
    Label Caption;    // window title
    Frame Moi;        // the main window itself (hidden while the bibliography window shows)
    ListBox List1;    // propositions of the current entity (or search results, documents)
    ListBox List2;    // names: species, outcomes, section titles
    ListBox List3;    // keys opened during the run
    ListBox lgs;      // source language of the key's texts
    TextBox Text1;    // path history, black or red
    TextBox Text2;    // species reached
    TextBox Text5;    // sections along the path
    TextBox Text4;    // text view of a complement
    TextBox zoomDesc; // enlarged proposition
    TextBox zoomlist; // enlarged name
    Label Label1, Label3, Label5, Label6, Label7, Label12, Label18;
    Label Label17; // the search term of the web look-ups
    Label StatusBar1;
    std::array<CommandButton, 2> bouton;    // 0 "<==", 1 "RAZ"
    std::array<CommandButton, 11> Command4; // consultation actions, see IndexCommande4
    CommandButton Command2;                 // "Image": the picture of the selected proposition
    CheckBox chk_Fnote;                     // show notes
    CheckBox Check_saut_ligne;              // expand "///" into line breaks
    std::array<CheckBox, 1> check_Option;   // 0: show sections
    CheckBox Check_Compare;                 // show the comparison buttons
    CheckBox Check4;                        // automatic translation
    std::array<MenuItem, 1> Mnuprefx;       // 0: prefix "°" before history lines
    std::array<MenuItem, 31> MnOutil;       // 30: "Ignore_S_Nulle"
    std::array<MenuItem, 3> FicExtr;        // 1: "message d'alerte ", 2: "recherche manuelle"
    Frame Frame5, Frame6, Frame8, Frame11, Frame14, Picture2;
    Frame FraFlash; // transient message panel
    Label LblflashX;

    // Menus. Captions are French until an interface language file replaces them.
    MenuItem mnuSettings;                     // the options menu
    std::array<MenuItem, 1> mnuSettingsItem;  // 0: font sizes, with the size in use
    std::string TitreTaillesPolice;           // that caption without the size
    std::array<MenuItem, 5> mnuFileItem;      // see IndexMenuFichier
    std::array<MenuItem, 4> mnuEditItem;      // cut, copy, paste, export
    std::array<MenuItem, 8> mnuFontSizesItem; // 2 to 7: 7, 9, 11, 13, 17, 20 points
    MenuItem MnuMemo, exFlagOption, MnExec, MnuSavIni_xy, MnuAide, Mnusuiv;
    std::array<MenuItem, 3> MnuOptFic_xy;     // default file, documentation folder, its set-up
    std::array<MenuItem, 1> FlagPattern;      // 0: only *.CLE in the default-file chooser
    std::array<MenuItem, 9> MnLang;           // 1 to 8: interface languages
    MenuItem MnuFicExtrTitre, MnuLangueTitre; // headings of those two submenus
    std::array<MenuItem, 7> MnSOut;           // 1, 5, 6: conversions of the key file
    MenuItem MnuOutils;                       // the tools menu
    MenuItem mnuFile, mnuEdit, mnuAideTitre;  // titles of the File, Edit and "?" menus
    MenuItem MnuAvert, MnuApropos;            // "?": warnings and news, about

    // Panels of the main window.
    Frame Frame4;                          // "Enregistrement Résultats"
    TextBox Text7;                         // the comment of an exported result
    std::array<CommandButton, 4> Command7; // 2 "annuler", 3 "enregistrer"
    Frame Frame7;                          // default-file and documentation-folder chooser
    bool Frame7Documentation = false;      // the chooser picks the documentation folder
    std::string DirListPath;               // the folder the chooser shows
    ListBox DirList;                       // ".." then the sub-folders of DirListPath
    ListBox FileList;                      // the files of DirListPath that match the pattern
    std::string FileListPattern;
    Label Label4, Label14; // "Exec.Auto." status; default file in the chooser
    Frame FrameCfgDoc;     // documentation search set-up
    Frame Frame10;         // "Voir paramètres"
    TextBox txtEdit;
    CommandButton Command8;                   // closes Frame10
    std::array<CommandButton, 2> cmdCommand9; // the chooser's 0 "valider", 1 "Annuler"
    Frame Frame8_obsol;
    Frame FrameAccueil;            // item 9 of the frame array: the welcome panel
    std::array<TextBox, 8> TBox;   // 7: warnings and news
    Frame frmAbout;                // the about box
    std::string Picture2Fichier;   // picture shown by Picture2
    std::array<int, 2> VScroll1{}; // documentation search widths
    ListBox lgr;                   // target language of translations
    std::string Focus;             // control that should take the keyboard, "" for none
    LibellesFenetre Libelles;      // the texts of the window that no control holds
    Messages MessagesAffiches;     // the message table the window's labels were written with

  private:
    std::vector<std::function<void()>> abonnesChargement_;
    std::vector<std::function<void(const std::function<std::string(const std::string &)> &)>>
        abonnesLangue_;

  public:
    // --- Consultation state ---------------------------------------------------------------
    Consultation Parcours; // where the walk through the key stands

    // A key load is an event: each subscriber is called once the tables hold the new key or
    // have been emptied by a load that failed (not when the file was refused before that).
    void AbonneChargement(std::function<void()> abonne) {
        abonnesChargement_.push_back(std::move(abonne));
    }
    void AnnonceChargement() {
        ++ChargementsCle;
        for (const auto &abonne : abonnesChargement_)
            abonne();
    }
    uint64_t ChargementsCle = 0; // loads announced so far: a procedure sees a key replaced
    // So is a change of the interface language: each subscriber rewrites the texts it wrote
    // from messages, with the function that gives such a text in the new language's messages.
    using Retraduction = std::function<std::string(const std::string &)>;
    void AbonneLangue(std::function<void(const Retraduction &)> abonne) {
        abonnesLangue_.push_back(std::move(abonne));
    }
    void AnnonceLangue(const Retraduction &retraduit) const {
        for (const auto &abonne : abonnesLangue_)
            abonne(retraduit);
    }
    bool SauteActivation = false; // one-shot: the next activation runs no start-up
    bool Demarre = false;         // the start-up sequence has run
    bool Termine = false;         // the program has been asked to end
    std::string LigneCommande;    // the key named when the program was started
    std::string FichierTexte;     // text file shown by lectureTexte
    bool AutoExec = false;        // complements handed to the shell as soon as chosen

    // --- Key file state -------------------------------------------------------------------
    std::string RepProgramme;    // program folder
    std::string RepData;         // key folder
    std::string NomFichierCle;   // current key file name, without its folder
    std::string CheminCle;       // current key path
    std::string CibleComplement; // value of the last "F" complement handled
    std::string CheminComplement;

    const std::string FinLigne = "\r\n";

    CleCompilee &Cle() { return Prog.Cle; }
    Reglages &Options() { return Prog.Options; }
    const std::string &Msg(int numero) const { return Prog.Textes[numero]; }
    // A built-in French text of the reports and of the files written, in the interface language.
    std::string Dit(std::string_view francais) const { return Prog.Rapports.Traduit(francais); }
    EnvironnementCompilation Compilation() {
        return {Prog.Cle, Prog.Textes, Systeme, Systeme, lgs};
    }
    VuesChoix Vues() { return {&List1, &List2, &Text1}; }
};

// --- Loading --------------------------------------------------------------------------------
void ChargeCle(Lamelix &f, const std::string &chemin);
void ChargerFichier(Lamelix &f, int16_t &echec, int16_t sansDialogue);

// --- Choices --------------------------------------------------------------------------------
void AfficheChoix(Lamelix &f, int16_t entite);
long LigneChoisie(const Lamelix &f, int position); // the key line List1 shows at a position
// Why List1 offers nothing, for the skin to say so: no key loaded, a species reached, a keyword
// or documentation search that found nothing, or a loaded key with nothing to offer here.
enum class List1Vide : uint8_t { SansCle, EspeceAtteinte, RienTrouve, SansProposition };
List1Vide PourquoiList1Vide(const Lamelix &f);
// The key line of hit k of a keyword search; a continuation line stands for the proposition it
// continues, the line before it. Nothing when k or the line is outside the key's tables.
std::optional<int16_t> LigneDuResultat(Lamelix &f, long k);
void List1_Click(Lamelix &f);
void List1_DblClick(Lamelix &f);
void List1_GotFocus(Lamelix &f);
void List1_LostFocus(Lamelix &f);
void List1_KeyPress(Lamelix &f, int16_t KeyAscii);
void List1_MouseDown(Lamelix &f, int Button, int Shift);
void List1_MouseUp(Lamelix &f, int Button, int Shift);
void zoomDesc_KeyPress(Lamelix &f, int16_t KeyAscii);
void RAZ_Choix(Lamelix &f);
void ChargeListe(Lamelix &f, float mode);
void ChargeListe_x(Lamelix &f, float mode);
// The state ChargeListe(1) followed by emptying List2 leaves, without building the list's lines:
// the name map of every species line, the name count and the list total.
void CarteDesEspeces(Lamelix &f);
std::string TXT_Saut_de_ligne(const Lamelix &f, const std::string &texte);

// --- Path history ---------------------------------------------------------------------------
void AfficheHist(Lamelix &f, int16_t rupture, int16_t mode);
void AfficheEtape(Lamelix &f, int16_t ligne, int16_t rupture);
void HistoCherch(Lamelix &f, int16_t &ligne);
void RazHist(Lamelix &f);
void Retour_Choix(Lamelix &f, int16_t code);
void bouton_Click(Lamelix &f, int index);
void List2_Click(Lamelix &f);
// Text1_DblClick goes back to the step on line ligneTexte of Text1 (counted from 0, each CR LF,
// CR or LF ending a line), as RetourEtape does.
void Text1_DblClick(Lamelix &f, int ligneTexte);
void List2_MouseDown(Lamelix &f, int Button, int Shift);
void List2_MouseUp(Lamelix &f, int Button, int Shift);
void Check_saut_ligne_Click(Lamelix &f);
void chk_Fnote_Click(Lamelix &f);
void Mnuprefx_Click(Lamelix &f, int index);

// --- Sections -------------------------------------------------------------------------------
void AfficheSect(Lamelix &f);
void ChargeSection(Lamelix &f);
void check_Option_Click(Lamelix &f, int index);

// --- Outcome lists and the consultation buttons ---------------------------------------------
void CherchSuiv(Lamelix &f);
void Command4_Click(Lamelix &f, int index);
void Mnusuiv_Click(Lamelix &f);

// --- Comparison of two paths ----------------------------------------------------------------
void copie_LM1(Lamelix &f);
void copie_LM2(Lamelix &f);
void compare_Hist(Lamelix &f);
void CopieListe(Lamelix &f);
void Check_Compare_Click(Lamelix &f);

// --- Keys opened during the run -------------------------------------------------------------
void MAJ_List3(Lamelix &f, const std::string &chemin);
void List3_DblClick(Lamelix &f);
void List3_MouseDown(Lamelix &f, int Button, int Shift);
void List3_KeyDown(Lamelix &f);
void List3_KeyUp(Lamelix &f);
void List3_KeyPress(Lamelix &f, int16_t KeyAscii);
void List3_DragOver(Lamelix &f);
void List3_LostFocus(Lamelix &f);

// --- Transient message panel ----------------------------------------------------------------
void flash(Lamelix &f, const std::string &texte, uint32_t couleur);
void Flash_ouvre(Lamelix &f, const std::string &texte);
void Flash_ferme(Lamelix &f);

// --- Start-up and shutdown -----------------------------------------------------------------
void Form_Load(Lamelix &f);
void Form_Activate(Lamelix &f);
void Init00(Lamelix &f);
// The start-up's first steps on the window: emptied lists, the message defaults, the status
// texts.
void PrepareFenetre(Lamelix &f);
// The steps of Init00 between the choice of the key and the language: the history and the
// display options reset, then the key in RepData/NomFichierCle loaded when it exists.
bool OuvreCleDeDepart(Lamelix &f); // false when no key file was found to open
// Says that the start-up key was not found and offers to open another one.
void ProposeUneCle(Lamelix &f);
void Form_QueryUnload(Lamelix &f, int16_t &Cancel, int16_t UnloadMode);
void Form_Unload(Lamelix &f);
void MontreFichierParDefaut(Lamelix &f); // Label7: the default key in the key folder
// Label7: the key file just opened, in the key folder.
void MontreFichierCourant(Lamelix &f, const std::string &nom);
void Quitter(Lamelix &f); // "&Quitter": asks, saves the session, ends

// --- Settings file and sessions -------------------------------------------------------------
void IniCharge(Lamelix &f);
void inisauve(Lamelix &f);
void IniSession_Sauve(Lamelix &f);
void IniSession_Charge(Lamelix &f);
int16_t cherche_Lgr_liste(Lamelix &f, const std::string &langue);
std::string CheminIni(const Lamelix &f);
const std::string &DossierIni(const Lamelix &f); // where the settings file and the memo live

// --- Interface language ---------------------------------------------------------------------
void ChargeLangue(Lamelix &f);
// A caption written from messages, in the messages of the language now in force (see
// Lamelix::AbonneLangue).
template <typename C> void SuitLaLangue(C &controle, const Lamelix::Retraduction &suit) {
    std::string texte = suit(controle.Caption);
    if (texte != controle.Caption) controle.SetCaption(std::move(texte));
}
// The interface language file of a language code, in the program folder.
std::string FichierDeLangue(const Lamelix &f, const std::string &code);
void CaptionsParDefaut(Lamelix &f);
void AfficheAvert(Lamelix &f);
// The item n of the options menu that a language file may rename; nullptr when there is none.
MenuItem *MnOption(Lamelix &f, int n);

// "Enregistrement impossible (quoi) : " in the interface language.
std::string EnregistrementImpossible(const Lamelix &f, const std::string &quoi);
// Writes a file through a temporary file; a failure is shown ("Enregistrement impossible (quoi)"
// with the path and the reason) and leaves the old file intact. False when nothing was written.
bool EcritOuSignale(Lamelix &f, const std::string &chemin, std::string_view contenu,
                    const std::string &quoi);

// --- Result export --------------------------------------------------------------------------
void ExportResultat(Lamelix &f);
void Command7_Click(Lamelix &f, int index);

// --- Menus and the other controls of the window ---------------------------------------------
void mnuFileItem_Click(Lamelix &f, int index);
void mnuEdit_Click(Lamelix &f);
void mnuEditItem_Click(Lamelix &f, int index);
void mnuFontSizesItem_Click(Lamelix &f, int index);
void MnuMemo_Click(Lamelix &f);
void exFlagOption_Click(Lamelix &f);
void MnExec_Click(Lamelix &f);
void SuitExecAuto(Lamelix &f); // the switch and Label4 follow the check of MnExec
void MnuOptFic_xy_Click(Lamelix &f, int index);
void FlagPattern_Click(Lamelix &f, int index);
void MnuSavIni_xy_Click(Lamelix &f);
void FicExtr_Click(Lamelix &f, int index);
void MnLang_Click(Lamelix &f, int index);
// Ticks the item of the interface language in use; the menu offers French and the languages
// whose file is in the program folder.
void CocheLangue(Lamelix &f);
void MnuAide_Click(Lamelix &f);
void MnOutil_Click(Lamelix &f, int index);
void Command2_Click(Lamelix &f); // shows the picture of the selected proposition
void Command8_Click(Lamelix &f);
// Opens a file chosen by the user: a key is loaded, any other file is shown as text.
void OuvreFichier(Lamelix &f, const std::string &chemin);

// --- Pictures of the propositions -----------------------------------------------------------
// The picture file that a proposition's complements name, resolved against the key's folder;
// "" when they name none that exists.
std::string ImageDesComplements(const std::string &complements, const std::string &dossierCle);
// The picture of the proposition selected in List1, "" when there is none.
std::string ImageChoisie(const Lamelix &f);
// Command2 is enabled only while the selected proposition has a picture.
void ActiveCommand2(Lamelix &f);

// --- The default-file chooser ---------------------------------------------------------------
void cmdCommand9_Click(Lamelix &f, int index);
void DirList_Ouvre(Lamelix &f, const std::string &dossier);
void DirList_DblClick(Lamelix &f);

// Shows the text file FichierTexte in the bibliography window.
void lectureTexte(Lamelix &f);

// --- Complements -----------------------------------------------------------------------------
// Acts on a line's complements ("F" + a file or an address); mode 1 for a line picked in List2
// that leads on, which steps back to where it was picked after opening a document.
// resultat becomes 1 when a missing file was reported, 2 when it was offered for a search by hand
// that did not happen; the selection then stops.
void TraiteComplement(Lamelix &f, int16_t mode, const std::string &complements, int16_t &resultat);
// The file or address of an "F" complement; cible becomes the file the user found by hand.
void TraiteComplementFichier(Lamelix &f, int16_t mode, std::string &cible, int16_t &resultat);
// The dialog that locates an external file, opened on the folder of chemin.
std::optional<std::string> ChargefichExtrnDialog(Lamelix &f, const std::string &chemin);
// "Charger Fichier" (index 0): the key of the last complement becomes the current key.
void Command3_Click(Lamelix &f, int index);
// Opens a web page (http:// or https:// only; anything else is refused with a message).
bool OuvreAdresseWeb(Lamelix &f, const std::string &adresse);
// Opens a web page after the connection test: 1 when there is no connection (the notice says
// so), else 0.
int16_t AppelPageWeb(Lamelix &f, const std::string &adresse);
// The target of a link complement ("F" + a path or an address, quotes and blanks removed);
// nothing for a complement of another kind.
std::optional<std::string> CibleDuLien(const std::string &complements);

// Label1 gives the number of lines List2 shows.
void AfficheNombreNoms(Lamelix &f);

// --- Actions still to come: they do nothing yet ----------------------------------------------
void InitDimension(Lamelix &f);
void Label1Def(Lamelix &f);

} // namespace lamelix
