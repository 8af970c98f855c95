#pragma once

#include <string>

namespace lamelix {

// What the main window's procedures ask of the windows and panels that sit above the
// consultation: the bibliography window, the keyword search, the web look-ups and the
// translation (search/), the tools window (tools/). The consultation never includes them: it
// calls this interface, which the program implements once when it puts the windows together
// (app/). Every call is pure virtual, so a window the program forgets to reach is a build
// error, not a silent no-op.
class FenetresAnnexes {
  public:
    virtual ~FenetresAnnexes() = default;

    // The bibliography window Form1: the text of its text box, its caption, shown without
    // waiting (it takes the main window's place) and hidden.
    virtual void Form1_Texte(const std::string &texte) = 0;
    virtual void Form1_Titre(const std::string &titre) = 0;
    virtual void Form1_Montre() = 0;
    virtual void Form1_Cache() = 0;

    // The keyword-search panel: opening it, its buttons, "Reprise" (the last search run again),
    // and whether the path history is among the places searched (the hits then lead back into
    // the history).
    virtual void MotCle_Click() = 0;
    virtual void MoCle_Click(int index) = 0;
    virtual void RepriseRecherche() = 0;
    virtual bool RechercheDansHistorique() = 0;

    // A complement handed to the shell (a document, a web page, another key).
    virtual void Xshell(const std::string &lien) = 0;
    // The species name box has changed: the look-ups of a species follow it.
    virtual void Text2_Change() = 0;

    // The translation panel's buttons.
    virtual void traduirebtn_Click(int index) = 0;

    // The tools window: shown, hidden, whether it shows; the key conversions of the tools menu.
    virtual void MontreOutils() = 0;
    virtual void FermeOutils() = 0;
    virtual bool OutilsVisible() = 0;
    virtual void MnSOut_Click(int index) = 0;
};

} // namespace lamelix
