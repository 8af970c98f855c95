// "Exporter > Imprimable": the loaded key laid out for printing, saved where the author says.

#include "platform/fichiers.hpp"
#include "platform/services.hpp"
#include "tools/impression.hpp"
#include "tools/outils.hpp"

namespace lamelix {

void ExporteImprimable(Outils &o) {
    Lamelix &f = o.Principale;
    const CleCompilee &cle = o.Cle();
    if (cle.FichierCle.empty() || cle.NbLignesM1 < 0) return;
    const auto chemin = f.Systeme.DialogueEnregistrer(
        o.Dit("Page HTML (*.html)|*.html|Markdown (*.md)|*.md"),
        NomFichier(cle.FichierCle) + ".html", DossierDe(cle.FichierCle));
    if (!chemin || chemin->empty()) return;
    const bool markdown = chemin->size() >= 3 && chemin->substr(chemin->size() - 3) == ".md";
    if (EcritOuSignale(f, *chemin,
                       CleImprimable(cle, StyleImpression::Crochets,
                                     markdown ? FormatImpression::Markdown : FormatImpression::Html,
                                     &f.Prog.Rapports),
                       "clé imprimable"))
        f.Systeme.Message(f.Msg(MsgImprimableDans) + "\n" + *chemin);
}

} // namespace lamelix
