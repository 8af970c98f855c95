#include "cli/commande_tableau.hpp"

#include "cli/cle_chargee.hpp"
#include "cli/console.hpp"
#include "platform/fichiers.hpp"
#include "tools/echange_tableau.hpp"
#include "tools/outils.hpp"

namespace lamelix {

int CommandeExporteTableau(const std::vector<std::string> &arguments, std::ostream &sortie,
                           std::ostream &erreurs) {
    const auto lus = LitArgumentsCle(arguments, "exporte-tableau FICHIER", erreurs);
    if (!lus) return 2;
    if (!FichierLisibleOuSignale(lus->chemin, erreurs)) return 2;
    return SurCleChargee(lus->chemin, lus->oui, erreurs,
                         [&](Outils &o) { sortie << TableauDeLaCle(o.Cle()); });
}

int CommandeImporteTableau(const std::vector<std::string> &arguments, std::ostream &erreurs) {
    std::string tableau, cle;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == "-o" && i + 1 < arguments.size() && cle.empty()) {
            cle = arguments[++i];
        } else if (tableau.empty() && !(arguments[i].size() > 1 && arguments[i][0] == '-')) {
            tableau = arguments[i];
        } else {
            tableau.clear();
            break;
        }
    }
    if (tableau.empty() || cle.empty()) {
        erreurs << "lamelix-outils: usage : lamelix-outils importe-tableau TABLE.csv -o CLE.cle "
                   "(essayez --help)\n";
        return 2;
    }
    if (!FichierLisibleOuSignale(tableau, erreurs)) return 2;
    const auto octets = LireOctets(tableau);
    if (!octets) {
        erreurs << "lamelix-outils: " << tableau << " : lecture impossible\n";
        return 2;
    }
    const CleImportee importee = CleDuTableau(*octets);
    for (const ErreurTableau &e : importee.Erreurs)
        erreurs << tableau << ':' << e.Ligne << ": erreur: " << Echappe(e.Message) << '\n';
    if (!importee.Erreurs.empty()) return 1;
    std::string pourquoi;
    if (!EcritFichierSur(cle, importee.Octets, &pourquoi)) {
        erreurs << "lamelix-outils: " << cle << " : écriture impossible : " << pourquoi << '\n';
        return 2;
    }
    return 0;
}

} // namespace lamelix
