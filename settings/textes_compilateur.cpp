#include "settings/textes_compilateur.hpp"

namespace lamelix {

std::vector<std::string> FragmentsCompilateur() {
    // Only ever appended to: a language file names each fragment by its place here.
    return {
        " fichier ",                 // a refused key file: " fichier NAME  incorrect"
        "  incorrect",               //
        " le fichier ",              // a txt file without the key marker
        " n'est pas un fichier clé", //
        "Attention ; ne pas utiliser le caractère ", // a forbidden character in a description
        " dans  ligne ",                             //
        " syntaxe incorrecte ligne ",                // a numbering field without a comma
        "chercher : ",                               //
        " et  ",                                     //
        "(enregistré dans le presse papier)",        // a badly named secondary key
        "fichier illisible : ",                      // the file could not be read
        "fin de fichier atteinte : ",                // nothing to read in a txt file
    };
}

} // namespace lamelix
