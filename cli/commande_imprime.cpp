#include "cli/commande_imprime.hpp"

#include "cli/cle_chargee.hpp"
#include "tools/impression.hpp"
#include "tools/outils.hpp"

namespace lamelix {

int CommandeImprime(const Appel &appel, std::ostream &sortie, std::ostream &erreurs) {
    // The parser let through only the names of the table, which are these functions' names.
    const StyleImpression style = StyleNomme(appel.Valeur("--style", "crochets")).value();
    const FormatImpression format = FormatNomme(appel.Valeur("--format", "html")).value();
    return SurCleChargee(appel.fichier, appel.oui, erreurs,
                         [&](Outils &o) { sortie << CleImprimable(o.Cle(), style, format); });
}

} // namespace lamelix
