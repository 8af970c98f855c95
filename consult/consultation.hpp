#pragma once

#include "key/tables.hpp"
#include "platform/table.hpp"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace lamelix {

inline constexpr int MaxEtapes = 2000;

// Where a consultation stands: the entity whose propositions are offered, the path taken to it,
// what the lists show, and the two memorised paths. The main window's procedures (consult/)
// are the only code that changes it; the panels, the tools, the command line and any other skin
// read it and move it through those procedures and the named operations below, so that every
// way of walking a key leaves the same state.
struct Consultation {
    int16_t EntiteCourante = 0;
    int16_t NbEtapes = 0;           // history step count, 0 to 2000
    Table<int16_t, MaxEtapes> Hist; // slot i: line chosen at step i; slot 0 stays 0
    // Where the text of step i begins in Text1 (bytes, at i - 1), and Text1 as the history
    // display left it: a double click on a step finds it there while Text1 still shows it.
    std::vector<std::size_t> DebutsEtapes;
    std::string TexteEtapes;
    int16_t DerniereLigne = 0; // line of the step before the newest one
    bool EspeceAtteinte = false;
    bool RechercheAffichee = false; // List1 holds keyword-search results
    Table<int16_t, MaxLignesCle> MapRecherche;
    bool DocsAffiches = false;     // List1 holds document file names
    bool LignesNavigables = false; // List2 holds sections or validated lines
    bool NomsCharges = false;
    // The name map: one key line per List2 line (lines 0 to 2000), emptied with each key.
    Table<int16_t, MaxIndexChoix> MapNoms;
    int16_t NbNoms = 0; // names put in List2
    int16_t TotalListe = 0;
    int16_t MarqueRetour = 0;  // set by a pick in List2, cleared by every selection
    bool AfficheNotes = false; // chk_Fnote value 1
    std::string LM1, LM2;      // memorised paths
    std::string DerniereDescCommune;

    // One step more: the line chosen ends the path, the one before it is remembered.
    void AjouteEtape(int16_t ligne) {
        DerniereLigne = Hist(NbEtapes);
        NbEtapes = static_cast<int16_t>(NbEtapes + 1);
        Hist(NbEtapes) = ligne;
    }
    // One step less: the last step's slot emptied.
    void RetireEtape() {
        Hist(NbEtapes) = 0;
        NbEtapes = static_cast<int16_t>(NbEtapes - 1);
    }
    // The path as a list of key lines, step 1 first.
    std::vector<int16_t> Chemin() const;
    // The path replaced by these lines (at most MaxEtapes), the slots after it emptied.
    void RemplaceChemin(const std::vector<int16_t> &lignes);
    // The name map and its count replaced by these lines (at most the map's size).
    void RemplaceNoms(const std::vector<int16_t> &lignes);
    // The name map of a new key: every slot 0, no name.
    void VideNoms();

    // What List1 and List2 show. A keyword search's hit of rank k is key line ligne; the hits
    // then show in List1 (from the path taken: the names no longer lead along it), or leave it.
    void NoteResultat(long rang, int16_t ligne) { MapRecherche(rang) = ligne; }
    void MontreResultats(bool dansHistorique) {
        RechercheAffichee = true;
        if (dansHistorique) LignesNavigables = false;
    }
    void OublieResultats() { RechercheAffichee = false; }
    // A pick in List2 goes on with the consultation (sections, validated hits) or not.
    void NomsNavigables(bool navigables) { LignesNavigables = navigables; }
    // List1 holds the file names of a documentation search.
    void MontreDocuments() { DocsAffiches = true; }
};

} // namespace lamelix
