#pragma once

#include <cstdint>
#include <string>

namespace lamelix {

// The settings that live for the whole process, named by the keys of the settings file. The
// switches and the target language are held by the main window's controls; these are the rest.
struct Reglages {
    // REPDATA: the key folder as the settings file gives it or the user chooses it. The window's
    // working key folder follows each key opened; this one is what "Sauver les options" keeps.
    std::string RepData;
    std::string FicDefaut = "defaut.cle"; // FICDEFAUT: default key, a name inside REPDATA
    std::string RepDoc;                   // REPDOC: root of the documentation search
    int16_t Fnt = 3;                      // FNT: checked item of the font-size menu
    std::string LangueM;                  // LANGUEM: interface language code
    std::string DossierIni;               // where the settings file and the memo live
    // The sites of the web look-ups, each a setting of its own (the paths are the program's).
    std::string WebImages = "https://www.google.com";    // WEB_IMAGES: the image search
    std::string WebBase = "https://www.mycodb.fr";       // WEB_BASE: the species database
    std::string WebInventaire = "https://inpn.mnhn.fr";  // WEB_INVENTAIRE: the species inventory
    std::string WebRecherche = "https://www.google.com"; // WEB_RECHERCHE: the general search
    std::string WebSite = "www.mycodb.fr";               // WEB_SITE: the species site searched
    // The translation of descriptions: the kind of service ("page": a translation web page read
    // as HTML; "json": a translation server's JSON interface), their addresses and the server's
    // key.
    std::string TradService = "page";                      // TRAD_SERVICE
    std::string TradPage = "https://translate.google.com"; // TRAD_PAGE: the page's host
    std::string TradServeur = "http://localhost:5000";     // TRAD_SERVEUR: the server
    std::string TradCle;                                   // TRAD_CLE: the server's key, if any
    // EDITEUR: the command that opens a key in the author's text editor, "%f" for the file and
    // "%l" for the line to show (such as "gedit --standalone +%l %f"); empty for the first
    // usual editor found on the machine.
    std::string Editeur;
    static constexpr const char *NomIni = "Lamelix.ini";
};

// The folder of the settings file and the memo: the program folder when a file can be written
// there, else the user's configuration folder ($XDG_CONFIG_HOME/lamelix, ~/.config/lamelix),
// created when missing.
std::string DossierDesReglages(const std::string &repProgramme);

// Settings installed in a read-only program folder (by an administrator, say) are the user's
// starting point: when the user's settings folder has no settings file yet, it gets a copy.
void AdopteReglagesInstalles(const std::string &repProgramme, const std::string &dossier);

} // namespace lamelix
