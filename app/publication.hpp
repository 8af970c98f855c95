#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lamelix {

struct Outils;

// A key published as one web page: the page's template with its style and script (built into the
// program from web/page/), the compiled consultation engine, the key's bytes, the keys its
// complements chain (F"autre.cle", followed recursively) and the pictures they name.

// Bounds on what a page carries: a picture larger than MaxOctetsImage, or past MaxOctetsImages in
// all, is left out (and said); so are keys past MaxCles.
inline constexpr std::size_t MaxOctetsImage = 8u << 20;
inline constexpr std::size_t MaxOctetsImages = 64u << 20;
inline constexpr std::size_t MaxCles = 200;

struct OptionsPublication {
    bool oui = true;     // the answer to the key's questions, as `parcours --oui|--non`
    std::string langue;  // the content of an interface language file, empty for French
    std::string dossier; // when set, each chained key is published as a page of its own there
};

// The files of a key's folder that a publication gathers, by their names in that folder (the
// first key's folder; a chained key's names are joined to its own folder first).
struct ContenuPublication {
    std::vector<std::string> cles; // the first key, then the chained keys as they are found
    std::map<std::string, std::string> octets; // key name -> its bytes
    std::map<std::string, std::string> images; // picture name -> data: URI
    std::vector<std::string> avertissements;   // what was left out, and why
};

// Reads the key and everything it chains and names, each file once, within the bounds.
ContenuPublication RassemblePublication(const std::string &cheminCle, bool oui);

// The page's JSON data element: `</` written `<\/`, so that no text of a key can close it.
std::string ElementDonnees(const ContenuPublication &c, const std::string &premiere,
                           const OptionsPublication &o,
                           const std::map<std::string, std::string> &pages);

// The template filled in: style, script, engine and data at their markers; what is inserted is
// never searched for markers.
std::string PagePubliee(std::string_view moteur, std::string_view donnees);

// The engine file, looked for beside the program: $LAMELIX_MOTEUR_WEB alone when it is set, else
// DOSSIER/lamelix-moteur.js, DOSSIER/../share/lamelix/lamelix-moteur.js and the source tree's
// build-web/ (DOSSIER: the folder of the running program). Nothing when none exists.
std::optional<std::string> CheminMoteurWeb(const std::string &dossierProgramme);

// The one line that says how to build a missing engine.
std::string MoteurAbsent();

// The text of the interface language file CODE found as the window finds it (the program's
// folder, then ../share/lamelix), in UTF-8; nothing when there is none.
std::optional<std::string> TexteLangue(const std::string &dossierProgramme,
                                       const std::string &code);

// Publishes the key to `sortie` (and, with o.dossier, each chained key to its own page there).
// False with the reason when the engine is missing or a page could not be written; the
// warnings (pictures or keys left out) are added to `avertissements`.
bool PublieCle(const std::string &cheminCle, const std::string &sortie,
               const std::string &dossierProgramme, const OptionsPublication &o,
               std::string &pourquoi, std::vector<std::string> &avertissements);

// "Exporter ▸ Page web…" of the tools window: a file dialog, then the same publication; a
// failure is shown as the window's other exports show theirs.
void ExportePageWeb(Outils &o);

} // namespace lamelix
