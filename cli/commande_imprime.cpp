#include "cli/commande_imprime.hpp"

#include "cli/cle_chargee.hpp"
#include "cli/console.hpp"
#include "tools/impression.hpp"
#include "tools/outils.hpp"

namespace lamelix {

int CommandeImprime(const std::vector<std::string> &arguments, std::ostream &sortie,
                    std::ostream &erreurs) {
    StyleImpression style = StyleImpression::Crochets;
    FormatImpression format = FormatImpression::Html;
    std::vector<std::string> reste;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string &a = arguments[i];
        if (a != "--style" && a != "--format") {
            reste.push_back(a);
            continue;
        }
        const std::string valeur = i + 1 < arguments.size() ? arguments[++i] : "";
        const auto s = StyleNomme(valeur);
        const auto f = FormatNomme(valeur);
        if (a == "--style" && s) {
            style = *s;
        } else if (a == "--format" && f) {
            format = *f;
        } else {
            erreurs << "lamelix-outils: " << a << " attend "
                    << (a == "--style" ? "crochets ou indente" : "html ou md") << '\n';
            return 2;
        }
    }
    const auto lus = LitArgumentsCle(
        reste, "imprime [--style crochets|indente] [--format html|md] FICHIER", erreurs);
    if (!lus) return 2;
    if (!FichierLisibleOuSignale(lus->chemin, erreurs)) return 2;
    return SurCleChargee(lus->chemin, lus->oui, erreurs,
                         [&](Outils &o) { sortie << CleImprimable(o.Cle(), style, format); });
}

} // namespace lamelix
