#include "cli/sortie_tables.hpp"

#include "cli/console.hpp"
#include "key/requetes_cle.hpp"
#include "platform/controles.hpp"
#include "platform/nombres.hpp"

#include <algorithm>

namespace lamelix {

namespace {

void scalaire(std::string &s, const char *nom, const std::string &valeur) {
    s += nom;
    s += '\t';
    s += valeur;
    s += '\n';
}

} // namespace

std::string ImprimeTables(const CleCompilee &cle, const ListBox &lgs) {
    std::string s;
    s.reserve(1 << 20);
    scalaire(s, "NbLignesM1", std::to_string(cle.NbLignesM1));
    scalaire(s, "NbLignesTexte", std::to_string(cle.NbLignesTexte));
    scalaire(s, "EntiteMax", std::to_string(cle.EntiteMax));
    scalaire(s, "EntiteMaxCourante", std::to_string(cle.EntiteMaxCourante));
    scalaire(s, "TitreCle", Echappe(cle.TitreCle));
    scalaire(s, "TitreFenetre", Echappe(cle.TitreFenetre));
    scalaire(s, "CommentaireCle", Echappe(cle.CommentaireCle));
    scalaire(s, "CodageTxt", Echappe(cle.CodageTxt));
    scalaire(s, "ErreurCle", cle.ErreurCle ? "1" : "0");
    scalaire(s, "lgs", Echappe(lgs.TexteSelectionne()));
    s += "\ni\tLigneTexte\tE\tS\tPrec\tSuite\tOrpheline\tTitreSection\tDescription\tNomEspece\t"
         "Complements\n";
    // A stop on the 4001st key line leaves NbLignesM1 at 4000: rows end at the last record.
    const long derniere = DerniereLigneCle(cle);
    for (int i = 1; i <= derniere; ++i) {
        const LigneCle &l = cle.TabLignes(i);
        s += std::to_string(i) + '\t' + TexteNombre(l.LigneTexte) + '\t' + std::to_string(l.E) +
             '\t' + std::to_string(l.S) + '\t' + TexteNombre(l.Prec) + '\t' + Echappe(l.Suite) +
             '\t' + (l.Orpheline ? '1' : '0') + '\t' + Echappe(cle.TitreSection(i)) + '\t' +
             Echappe(l.Description) + '\t' + Echappe(l.NomEspece) + '\t' + Echappe(l.Complements) +
             '\n';
    }
    s += '\n';
    const int entiteMax = std::clamp<int>(cle.EntiteMax, 0, MaxEntites);
    for (int e = 0; e <= entiteMax; ++e)
        s += std::to_string(e) + '\t' + std::to_string(cle.IndexEntite(e)) + '\n';
    return s;
}

} // namespace lamelix
