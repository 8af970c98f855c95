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

} // namespace lamelix
