#include "cli/commande_tables.hpp"

#include "cli/console.hpp"
#include "cli/sortie_tables.hpp"
#include "consult/programme.hpp"
#include "key/chargement.hpp"
#include "key/langues_source.hpp"
#include "platform/controles.hpp"
#include "platform/erreur.hpp"

#include <memory>

namespace lamelix {

int CommandeTables(const Appel &appel, std::ostream &sortie, std::ostream &erreurs) {
    const std::string &chemin = appel.fichier;
    ServicesConsole dialogues(erreurs, appel.oui);
    auto programme = std::make_unique<Programme>();
    ListBox lgs;
    RemplitLanguesSource(lgs);
    CleCompilee &cle = programme->Cle;
    cle.FichierCle = chemin;

    int statut = 0;
    try {
        // A file refused, a stopped compilation and an empty file (nothing compiled) all say
        // that the file is no sound key.
        const IssueChargement issue =
            ChargeFichierCle(chemin, {cle, programme->Textes, dialogues, dialogues, lgs});
        statut = issue == IssueChargement::Compile ? 0 : 1;
    } catch (const ErreurExecution &e) {
        erreurs << "lamelix-outils: " << e.what() << '\n';
        return 2;
    }
    sortie << ImprimeTables(cle, lgs);
    return statut;
}

} // namespace lamelix
