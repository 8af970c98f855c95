#include "cli/commande_projet.hpp"

#include "cli/console.hpp"
#include "tools/projet_keybase.hpp"

namespace lamelix {

int CommandeImporteProjet(const Appel &appel, std::ostream &sortie, std::ostream &erreurs) {
    OptionsProjet options;
    options.Pages = appel.A("--pages");
    const RapportProjet r = ImporteProjet(appel.fichier, appel.Valeur("-o", ""), options);
    for (const std::string &ligne : r.Lignes)
        erreurs << Echappe(ligne) << '\n';
    for (const std::string &refus : r.Refus)
        erreurs << "lamelix-outils: importe-projet: " << Echappe(refus) << '\n';
    for (const std::string &fichier : r.Ecrits)
        sortie << Echappe(fichier) << '\n';
    if (r.Ecrits.empty()) return 1;
    sortie << "première clé : " << Echappe(r.Premiere) << '\n';
    return 0;
}

} // namespace lamelix
