#pragma once

// Runs lamelix-outils as a key author does, and collects what it prints and its exit status.

#include "tests/core/banc_cle.hpp"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>

namespace lamelix::test {

struct Resultat {
    int statut = -1;
    std::string sortie, erreurs;
};

inline std::string Lis(const std::string &chemin) {
    std::ifstream flux(chemin, std::ios::binary);
    std::ostringstream tout;
    tout << flux.rdbuf();
    return tout.str();
}

// The file kept under tests/data for that text; with LAMELIX_REGENERE=1 in the environment the
// text is written there first, for the change to be reviewed with git diff.
inline std::string Attendu(const std::string &nom, const std::string &texte) {
    const std::string chemin = std::string(LAMELIX_DONNEES) + "/" + nom;
    if (std::getenv("LAMELIX_REGENERE") != nullptr)
        std::ofstream(chemin, std::ios::binary) << texte;
    return Lis(chemin);
}

// Standard output goes to sortieVers when one is given (such as /dev/full), and sortie stays
// empty.
inline Resultat Lance(const DossierTemporaire &dossier, const std::string &arguments,
                      const std::string &sortieVers = {}) {
    const std::string sortie = sortieVers.empty() ? dossier.Chemin("sortie") : sortieVers;
    const std::string erreurs = dossier.Chemin("erreurs");
    int brut = std::system(
        ("'" LAMELIX_OUTILS "' " + arguments + " >'" + sortie + "' 2>'" + erreurs + "'").c_str());
    return {WIFEXITED(brut) ? WEXITSTATUS(brut) : -1, sortieVers.empty() ? Lis(sortie) : "",
            Lis(erreurs)};
}

// A run of commands kept whole: each command with its status and what it printed on each stream,
// and the files read back, with the scratch folder and the sample keys' folder written as
// <dossier> and <cles> so that the text is the same on every machine.
struct Transcription {
    const DossierTemporaire &D;
    std::string Texte;

    explicit Transcription(const DossierTemporaire &d) : D(d) {}

    void Lance(const std::string &arguments) {
        const Resultat r = test::Lance(D, arguments);
        Ajoute("$ " + arguments + "\nstatut " + std::to_string(r.statut) + "\n-- sortie\n" +
               r.sortie + "\n-- erreurs\n" + r.erreurs + "\n");
    }
    void Fichier(const std::string &nom) {
        const bool existe = std::filesystem::exists(D.Chemin(nom));
        Ajoute("-- " + nom + (existe ? "\n" + Lis(D.Chemin(nom)) : " absent") + "\n");
    }

  private:
    void Ajoute(std::string texte) {
        for (const auto &[chemin, nom] :
             {std::pair<std::string, std::string>{D.Chemin(""), "<dossier>/"},
              {LAMELIX_CLES "/", "<cles>/"}})
            for (std::size_t i; (i = texte.find(chemin)) != std::string::npos;)
                texte.replace(i, chemin.size(), nom);
        Texte += texte;
    }
};

} // namespace lamelix::test
