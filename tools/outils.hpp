#pragma once

#include "consult/lamelix.hpp"
#include "platform/table.hpp"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>

namespace lamelix {

// Indexes of the tools window's buttons Command1.
enum IndexCommande1 : int {
    OutCharger = 0,
    OutSauverRenum = 1,
    OutQuitter = 3,
    OutTestNumerotation = 4,
    OutAnalyse = 5,
    OutRecharger = 6,
    OutEditer = 7,
    OutVoirCompil = 9,
    OutCoherence = 11,
    OutListeNotes = 12,
    OutListeComplements = 13,
    OutVerifLiens = 14,
};

// One row of a numbering table: entity, called entity, and 1 on a note line.
struct RangNumerotation {
    int16_t E = 0;
    int16_t S = 0;
    int16_t Note = 0;
};

// What a renumbering read: the file and a digest of its bytes, so that a save rewrites only the
// content the tables were computed from.
struct EmpreinteFichier {
    std::string Chemin;
    std::size_t Taille = 0;
    std::size_t Condensat = 0;
    bool operator==(const EmpreinteFichier &) const = default;
};
EmpreinteFichier EmpreinteDe(const std::string &chemin, std::string_view octets);

// The paged listing of the compiled key waiting for "Suite >>".
struct Pagination {
    bool Active = false;
    bool Compacte = false; // the text listing rather than the view
    long Debut = 0;        // the line the next page starts with
};

// The key authors' tools window: its report boxes and buttons, working on the key the main
// window has loaded.
struct Outils {
    explicit Outils(Lamelix &principale);

    Lamelix &Principale;
    Frame Moi;                              // the window: shown or hidden, its caption
    std::array<TextBox, 2> Text10;          // 0 the reports, 1 the correspondence list
    Label Label2;                           // the current file, the lines analysed
    std::array<TextBox, 2> Text1;           // 0 "Num. départ", 1 "Incrément"
    std::array<Label, 2> Label1;            // the captions of the two number boxes
    std::array<CommandButton, 15> Command1; // see IndexCommande1
    CommandButton Command2;                 // "Suite >>"
    CommandButton Command3;                 // "Liste liens"
    bool Charge = false;                    // the window has been loaded (first shown)
    uint64_t ClesChargees = 0;              // keys the main window has loaded, failed loads too
    int DernierRapport = -1; // the button of the last report shown in Text10[0], -1 for none

    std::string FichierCourant;
    Table<RangNumerotation, MaxLignesCle> Ancienne, Nouvelle;
    // The first row of Ancienne bearing each entity, made once the rows are read: the search
    // of each line's called entity is then one look-up, not a scan of the table.
    std::unordered_map<int16_t, long> PremiereLigne;
    bool CleSecondaire = false;
    std::optional<EmpreinteFichier> Renumerote; // the file content of the last renumbering
    long ProcessusEditeur = 0;
    bool Continuer = false; // set by "Suite >>"
    Pagination Pages;

    CleCompilee &Cle() { return Principale.Cle(); }
    const std::string &Msg(int n) const { return Principale.Msg(n); }
    std::string Dit(std::string_view francais) const { return Principale.Dit(francais); }
    const std::string &FinLigne() const { return Principale.FinLigne; }
};

// --- The window ------------------------------------------------------------------------------
void Form_Load(Outils &o);     // buttons disabled, number boxes "1"
void Form_Activate(Outils &o); // caption, buttons of a loaded key
void Form_Unload(Outils &o);   // ends the editor, hides the window
void MontreOutils(Outils &o);  // "Mise au point": loaded on first use, shown, activated
void FermeOutils(Outils &o);
void Command1_Click(Outils &o, int index);
// The buttons whose report fills Text10[0] from the key in memory (they take a while on a large
// key).
bool EstRapport(int index);
void Command2_Click(Outils &o); // "Suite >>"
void Command3_Click(Outils &o); // "Liste liens"
// The key was loaded again (its file changed on disk): the last report shown is made again on
// it, while the window shows and the key loaded.
void RelanceRapport(Outils &o);
// The right mouse button held over "voir compil": the text listing, behind its access code.
void Command1_MouseMove(Outils &o, int index, int Button);
// "Charger" with the file already chosen (the command line names it): false when no key was
// loaded.
bool ChargeFichierOutils(Outils &o, const std::string &chemin);
// A report box's whole text on the clipboard, or saved to a file the user chooses.
void CopieRapport(Outils &o, int boite);
void EnregistreRapport(Outils &o, int boite);
// "Exporter > Imprimable": the loaded key in the bracketed layout, written as an HTML page, or
// as Markdown when the chosen name ends in ".md".
void ExporteImprimable(Outils &o);
// A double click on a line of a report box: the editor opens at the key line it names.
void Text10_DblClick(Outils &o, const std::string &ligne);

// --- The analysis report ----------------------------------------------------------------------
void MiseauPointFichierOutils(Outils &o);

// --- Renumbering and saving ---------------------------------------------------------------------
void renum(Outils &o);
void CleSuite(const Outils &o, int16_t S, long &resultat);
void Enregistrer(Outils &o);
// The backup of a key's content, before the key is rewritten, with the key's mode: false (said)
// when it could not be written.
bool SauverBak(Lamelix &f, const std::string &cle, std::string_view octets);
// The backup's path: the whole file name followed by ".BAK", in the file's folder (a.v1.cle gives
// a.v1.cle.BAK), so that two keys that differ after their first "." never share a backup.
std::string NomSauvegarde(const std::string &chemin);
// True when the rewritten text of a key compiles to its end, and to the same lines, entities,
// calls and notes as the text it replaces when that one compiled.
bool CompileCommeAvant(const Lamelix &f, std::string_view avant, std::string_view apres);

// --- The editor -------------------------------------------------------------------------------
void Editeur(Outils &o, bool lance);
void EditeurALaLigne(Outils &o, long ligne);
// The editor command of the settings, else the first usual graphical editor found on the PATH.
std::string CommandeEditeur(const Lamelix &f);
// The program and arguments that open a file (at a line when ligne > 0 and the command takes
// one: "%l" marks it, "%f" the file, which is appended when not marked).
struct LigneCommande {
    std::string Programme;
    std::vector<std::string> Arguments;
};
std::optional<LigneCommande> CommandeOuvrant(const std::string &modele, const std::string &fichier,
                                             long ligne);
// The key line that a report line names ("@ligne i / n \", "@n/i/ ", "n\", "n \ Nb= "): n.
std::optional<long> LigneNommee(const std::string &ligne);

// --- Listings and consistency tests -------------------------------------------------------------
void TestLiaisons(Outils &o);
void TestCoherence(Outils &o);
void ListeNotes(Outils &o);
void ListeComplements(Outils &o);
void VerifLiens(Outils &o);
void ListeLiens(Outils &o);
void VoirCompil(Outils &o);
void ListeCompileeTexte(Outils &o);
// The access code of the text listing.
inline constexpr const char *CodeListeTexte = "lame";

// --- The tools menu's conversions ---------------------------------------------------------------
void MnSOut_Click(Lamelix &f, int index);
void ExportTexte(Lamelix &f);
void CONVediter(Lamelix &f, int16_t mode);

} // namespace lamelix
