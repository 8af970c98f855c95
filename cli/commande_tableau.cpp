#include "cli/commande_tableau.hpp"

#include "cli/cle_chargee.hpp"
#include "cli/console.hpp"
#include "platform/fichiers.hpp"
#include "tools/echange_lpxk.hpp"
#include "tools/echange_tableau.hpp"
#include "tools/outils.hpp"

namespace lamelix {

int CommandeExporteTableau(const Appel &appel, std::ostream &sortie, std::ostream &erreurs) {
    return SurCleChargee(appel.fichier, appel.oui, erreurs, [&](Outils &o) {
        sortie << (appel.Valeur("--format", "csv") == "lpxk" ? LpxkDeLaCle(o.Cle())
                                                             : TableauDeLaCle(o.Cle()));
    });
}

int CommandeImporteTableau(const Appel &appel, std::ostream &, std::ostream &erreurs) {
    const std::string &tableau = appel.fichier;
    const std::string cle = appel.Valeur("-o", "");
    const auto octets = LireOctets(tableau);
    if (!octets) {
        erreurs << "lamelix-outils: " << Echappe(tableau) << " : lecture impossible\n";
        return 2;
    }
    // An LPXK document is told from a table by its content, whatever its name.
    const CleImportee importee = EstLpxk(*octets) ? CleDuLpxk(*octets) : CleDuTableau(*octets);
    for (const ErreurTableau &e : importee.Erreurs)
        erreurs << Echappe(tableau) << ':' << e.Ligne << ": erreur: " << Echappe(e.Message) << '\n';
    if (!importee.Erreurs.empty()) return 1;
    std::string pourquoi;
    if (!EcritFichierSur(cle, importee.Octets, &pourquoi)) {
        erreurs << "lamelix-outils: " << Echappe(cle) << " : écriture impossible : " << pourquoi
                << '\n';
        return 2;
    }
    return 0;
}

} // namespace lamelix
