#pragma once

#include "key/lecteur.hpp"

#include <functional>
#include <string>

namespace lamelix {

enum class IssueChargement {
    MarqueurAbsent, // a txt file without the key marker: refused, the tables untouched
    Rejete,         // not a key: " fichier ... incorrect" was shown
    Illisible,      // missing, unreadable or empty: nothing compiled
    Arrete,         // the compiler stopped (a syntax error, error 96, a refused question...)
    Compile,        // compiled to its end
};

// The one way a key file becomes the current key, for the window, the command line and the
// tools: the txt-marker test, the reset of the tables, then the check that the file holds a key
// and its compilation. apresTest runs right after the marker test, whatever its answer or its
// failure (the window closes its loading notice there). The caller names the file in the tables
// (FichierCle) beforehand. A file that cannot be read whole (missing, not a regular file, larger
// than TailleMaxFichier) is a run-time error, raised before anything changes.
IssueChargement ChargeFichierCle(const std::string &chemin, EnvironnementCompilation env,
                                 VuesChoix vues = {}, const std::function<void()> &apresTest = {});

} // namespace lamelix
