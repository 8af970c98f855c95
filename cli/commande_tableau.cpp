#include "cli/commande_tableau.hpp"

#include "cli/cle_chargee.hpp"
#include "cli/console.hpp"
#include "platform/fichiers.hpp"
#include "tools/echange_lpxk.hpp"
#include "tools/echange_tableau.hpp"
#include "tools/export_keybase.hpp"
#include "tools/import_keybase.hpp"
#include "tools/outils.hpp"

namespace lamelix {

namespace {

// An LPXK document's key in the form of a table's: its errors refuse it, it has no findings.
TableauImporte DepuisLpxk(std::string_view octets) {
    CleImportee cle = CleDuLpxk(octets);
    return {std::move(cle.Octets), cle.Utf8, {}, std::move(cle.Erreurs)};
}

} // namespace

int CommandeExporteTableau(const Appel &appel, std::ostream &sortie, std::ostream &erreurs) {
    const std::string format = appel.Valeur("--format", "csv");
    return SurCleChargee(appel.fichier, appel.oui, erreurs, [&](Outils &o) {
        if (format == "lpxk") {
            sortie << LpxkDeLaCle(o.Cle());
            return;
        }
        if (format != "keybase") {
            sortie << TableauDeLaCle(o.Cle());
            return;
        }
        const TableauKeyBase t = EcritTableauKeyBase(o.Cle());
        sortie << t.Texte;
        for (const std::string &a : t.Avertissements)
            erreurs << Echappe(appel.fichier) << ": avertissement: " << Echappe(a) << '\n';
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
    const TableauImporte importe = EstLpxk(*octets) ? DepuisLpxk(*octets) : ImporteTableau(*octets);
    for (const ErreurTableau &e : importe.Refus)
        erreurs << Echappe(tableau) << ':' << e.Ligne << ": erreur: " << Echappe(e.Message) << '\n';
    if (!importe.Refus.empty()) return 1;
    for (const ConstatImport &c : importe.Constats)
        erreurs << Echappe(tableau) << ':' << c.Ligne
                << (c.Information ? ": information: " : ": avertissement: ") << Echappe(c.Message)
                << (c.Terme.empty() ? "" : " [" + c.Terme + "]") << '\n';
    std::string pourquoi;
    if (!EcritFichierSur(cle, importe.Octets, &pourquoi)) {
        erreurs << "lamelix-outils: " << Echappe(cle) << " : écriture impossible : " << pourquoi
                << '\n';
        return 2;
    }
    return 0;
}

} // namespace lamelix
