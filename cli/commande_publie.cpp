#include "cli/commande_publie.hpp"

#include "app/publication.hpp"
#include "cli/console.hpp"

#include <filesystem>

namespace lamelix {

namespace {

// The folder of the running program, where its engine and language files are installed.
std::string dossierDuProgramme() {
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string(".") : exe.parent_path().string();
}

} // namespace

int CommandePublie(const Appel &appel, std::ostream &, std::ostream &erreurs) {
    const auto dit = [&erreurs](const std::string &texte) {
        erreurs << "lamelix-outils: publie: " << Echappe(texte) << '\n';
    };
    const std::string programme = dossierDuProgramme();
    OptionsPublication o;
    o.oui = appel.oui;
    o.dossier = appel.Valeur("--dossier", "");
    if (const std::string code = appel.Valeur("--langue", ""); !code.empty() && code != "fr") {
        const auto texte = TexteLangue(programme, code);
        if (!texte) {
            dit("pas de fichier de langue Lamelix_" + code + ".lng");
            return 2;
        }
        o.langue = *texte;
    }
    if (!CheminMoteurWeb(programme)) {
        dit(MoteurAbsent());
        return 2;
    }
    std::string pourquoi;
    std::vector<std::string> avertissements;
    const bool ecrit =
        PublieCle(appel.fichier, appel.Valeur("-o", ""), programme, o, pourquoi, avertissements);
    for (const std::string &a : avertissements)
        dit(a);
    if (!ecrit) dit(pourquoi);
    return ecrit ? 0 : 1;
}

} // namespace lamelix
