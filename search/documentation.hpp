#pragma once

#include "consult/lamelix.hpp"

#include <array>
#include <string>
#include <vector>

namespace lamelix {

// Items of the check boxes Check3 of FrameCfgDoc (items 5 to 8 are not used).
enum IndexCheck3 : int {
    DocTous = 0,       // "Tous": every file, the type boxes ignored
    DocTextes = 1,     // "Txt, Doc, Pdf, Xls"
    DocPages = 2,      // "Htm, Html"
    DocImages = 3,     // "Jpg, Gif, Tif .."
    DocExtension = 4,  // "." followed by the extension typed in Text9
    DocNomFichier = 9, // "extrait nom fichier": the genus from the key file name comes first
    DocFiltre = 10,    // "Filtre N caractères": keywords cut to N characters
};

// The documentation search: the set-up frame FrameCfgDoc of the main window and the state of a
// search. A search walks the folder tree under REPDOC and lists in the main window's List1
// every file whose path holds a keyword of the species name in Text2; the documentation mode
// flag DocsAffiches of the main window says that List1 shows such files.
struct RechercheDocumentation {
    explicit RechercheDocumentation(Lamelix &principale);

    Lamelix &Principale;
    std::array<CheckBox, 11> Check3; // see IndexCheck3
    std::array<TextBox, 2> Text8;    // 0 "premiers mots" (1 to 8), 1 "N caractères" (1 to 20)
    TextBox Text9;                   // the extension of Check3 item 4, "xyz" at first
    CommandButton Command9;          // "Fermer"
    std::array<CommandButton, 1> Command40; // 0 "stop recherche", shown while a search runs

    std::vector<std::string> MotsCles; // the keyword list, empty entries kept at their positions
    bool DemandeArret = false;         // the stop button was pressed
    bool Arret = false;                // the user confirmed the stop
    // Folders and files walked and their bytes; they run on from one search to the next.
    long NbDossiers = 0, NbFichiers = 0;
    double TailleTotale = 0;
};

// The species name with "-", "_", ",", "&", ".", "(", ")", "[" and "°" made blanks.
std::string elague_chn(const std::string &texte);
// The genus a key file is named after: its file name up to the first blank or separator of
// elague_chn (the extension aside), upper-cased; "" for no file.
std::string Extrc_Nom_genre(const std::string &fichierCle);

// Builds the keyword list from Text2 and sets Label17: mode 1 the composed keywords, mode 2 the
// first two keywords, any other mode leaves it empty.
void Doc_Compose_chaine(RechercheDocumentation &d, int mode);
// Walks REPDOC once with "*.*" ("Tous"), else once per pattern of each ticked type box.
void DocRecherche(RechercheDocumentation &d);
// The walk of one folder and, unless the search was stopped, of its subfolders. taille receives
// the bytes of the files walked in this tree. Files and subfolders are taken in the order of
// their names, so that a search lists its files in the same order on every run.
void ParcourtDossier(RechercheDocumentation &d, const std::string &dossier,
                     const std::string &motif, long &nbDossiers, long &nbFichiers, double &taille);
// Appends the path to List1 once for each keyword (positions 1 to N) that it holds.
void Doc_Traite_motcle_rep(RechercheDocumentation &d, const std::string &chemin);

void Command40_Click(RechercheDocumentation &d, int index);
// Forces the typed value into its range and mirrors it in Principale.VScroll1[index].
void Text8_Change(RechercheDocumentation &d, int index);
// The documentation button of the button bar Command6: composes the keywords, runs the search
// and ends List1 with the count of the files found.
void Command6_Documentation(RechercheDocumentation &d);
void Command9_Click(RechercheDocumentation &d); // closes FrameCfgDoc

// A click on a row of List1 in documentation mode: opens that row's file with the program's
// folder as working folder. False when List1 shows no documentation, no row is selected or the
// row is the closing line.
bool OuvreDocument(RechercheDocumentation &d);

} // namespace lamelix
