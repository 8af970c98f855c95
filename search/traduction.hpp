#pragma once

#include "consult/lamelix.hpp"
#include "search/reponses_traduction.hpp"

#include <array>
#include <cstdint>
#include <string>

namespace lamelix {

// The page shown by the panel's embedded view w: its address and its HTML, and whether it is
// still loading.
struct PageWeb : Controle {
    std::string Adresse;
    std::string Html;
    bool Occupee = false;
    void Affiche(std::string adresse, std::string html) {
        Adresse = std::move(adresse);
        Html = std::move(html);
        Change();
    }
    void Arrete() {
        Occupee = false;
        Change();
    }
};

// A timer: it ticks every Interval milliseconds while it is enabled.
struct Minuteur : Controle {
    int Interval = 100;
};

// The translation panel Frame14 of the main window. Its two language lists and the
// "Automatique" box belong to the main window: the compiler selects the key's declared
// language in the first, the settings file stores the second, and every new step reads the
// box.
struct Traduction {
    explicit Traduction(Lamelix &principale);

    Lamelix &Principale;
    std::array<OptionButton, 2> Option4;      // what is translated: "Descriptions", "Historique"
    std::array<CommandButton, 3> traduirebtn; // "&Traduire", "Copier", "Fermer"
    TextBox source;                           // the text sent by the page-based path
    TextBox result;                           // the translation
    PageWeb w;                                // the page-based path's view
    Minuteur timer1;                          // watches over the page-based path
    Label temps_passe;                        // how long the page-based path has waited
    // Where the last translation stands: awaited from its server, received, or what kept it
    // from coming (shown in the panel, where the user looks for the translation).
    Label Etat;

    std::string CodeSource, CodeCible; // of the last translation
    bool Connecte = false;             // a connection test has succeeded
    int32_t TempsPasse = 0;            // the page-based path's counter
    std::string DerniereAdresse;       // the last address w showed
    long Traductions = 0;              // translations asked for, of any origin
    // The target language the panel chose itself (an index of lgr, -1 for none): while lgr
    // still shows it, the next translation chooses again, for the key then loaded.
    int CibleChoisieParLePanneau = -1;
};

// The panel's buttons: 0 translates, 1 copies the translation, 2 closes the panel.
void traduirebtn_Click(Traduction &t, int index);
// Fetches the translation of a text: from the address when one is given, else from the
// translation service of the settings. result is "" when nothing came back.
void Translate(Traduction &t, const std::string &texte, const std::string &source,
               const std::string &cible, const std::string &adresse, std::string &result);
bool IsWebConnected(Traduction &t);
// The path history has changed: translated again when "Automatique" is ticked.
void Text1_Change(Traduction &t);
// The page-based path: the page in w has been fully shown (command -1, every command updated).
void w_CommandStateChange(Traduction &t, int commande, bool actif);
// A page opened in w: shown, and watched over by timer1.
void w_Ouvre(Traduction &t, const std::string &adresse, const std::string &html);
void timer1_Timer(Traduction &t);

} // namespace lamelix
