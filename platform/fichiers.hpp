#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace lamelix {

// Whole content of a file as bytes; nothing when it cannot be opened or read.
std::optional<std::string> LireOctets(const std::string &chemin);

bool FichierExiste(const std::string &chemin);
// True when the file can be opened for reading (a folder cannot).
bool FichierLisible(const std::string &chemin);

// Path pieces. Key files were often written on Windows, so "\" separates folders as "/" does.
std::string NomFichier(std::string_view chemin); // without its folder
std::string DossierDe(std::string_view chemin);  // without the final separator, "" when none
std::string
ExtensionMaj3(std::string_view chemin); // first three characters after the last ".", upper-cased

// A folder joined with a file name; a name that is already a full path stays as it is.
std::string JointChemin(const std::string &dossier, const std::string &nom);
bool EstCheminAbsolu(std::string_view chemin);
// A stored path (written on Windows, say) in this system's form: "\" becomes "/".
std::string SeparateursLocaux(std::string_view chemin);
// True when a file can be created in this folder.
bool DossierInscriptible(const std::string &dossier);
// Writes the whole content to a temporary file beside the target, then renames it into place,
// so that a failure never leaves a truncated file. False when anything failed.
bool EcritFichierSur(const std::string &chemin, std::string_view contenu);

} // namespace lamelix
