#pragma once

#include <functional>
#include <string>

namespace lamelix {

// Calls of the main window's procedures into the windows and panels that sit above the
// consultation (the bibliography window, the keyword search, the web look-ups and the
// translation in search/, the tools window in tools/). The consultation never includes them: it
// calls these hooks, which those windows fill when the program is put together. Until then each
// hook does nothing (and a question answers no), so a bare main window model still works.
struct CrochetsFenetres {
    // The bibliography window Form1: the text of its text box, its caption, shown without
    // waiting (it takes the main window's place) and hidden.
    std::function<void(const std::string &)> Form1_Texte = [](const std::string &) {};
    std::function<void(const std::string &)> Form1_Titre = [](const std::string &) {};
    std::function<void()> Form1_Montre = [] {};
    std::function<void()> Form1_Cache = [] {};

    // The keyword-search panel: opening it, its buttons, running the last search again, and whether
    // the path history is among the places searched (the hits then lead back into the history).
    std::function<void()> MotCle_Click = [] {};
    std::function<void(int)> MoCle_Click = [](int) {};
    // "Reprise": the last search run again.
    std::function<void()> RepriseRecherche = [] {};
    std::function<bool()> RechercheDansHistorique = [] { return false; };

    // A complement handed to the shell (a document, a web page, another key).
    std::function<void(const std::string &)> Xshell = [](const std::string &) {};
    // The species name box has changed: the look-ups of a species follow it.
    std::function<void()> Text2_Change = [] {};

    // The translation panel's buttons.
    std::function<void(int)> traduirebtn_Click = [](int) {};

    // The tools window: shown, hidden, whether it shows; the key conversions of the tools menu.
    std::function<void()> MontreOutils = [] {};
    std::function<void()> FermeOutils = [] {};
    std::function<bool()> OutilsVisible = [] { return false; };
    std::function<void(int)> MnSOut_Click = [](int) {};
};

} // namespace lamelix
