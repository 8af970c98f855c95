// A key file of any bytes, loaded as the tools window loads it, then laid out for printing
// (either layout, HTML or Markdown, as "imprime" chooses by the second byte) and exported as the
// exchange table. Neither may carry a command to a terminal or a direction override, and every
// text of the key comes back whole from its table cell.

#include "fuzz/fichier_essai.hpp"
#include "fuzz/sortie_sure.hpp"
#include "key/requetes_cle.hpp"
#include "platform/piege.hpp"
#include "tools/cellule_tableau.hpp"
#include "tools/echange_tableau.hpp"
#include "tools/impression.hpp"

using namespace lamelix;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, std::size_t taille) {
    const bool txt = taille > 0 && (data[0] & 1) != 0;
    const std::string chemin = fuzz::Ecrit(txt ? "essai.txt" : "essai.cle", data, taille);
    const int choix = taille > 1 ? data[1] : 0;
    fuzz::CleDesOutils charge(chemin);
    if (!charge.Chargee()) return 0;
    Outils &o = charge.O();
    ExecuteGestionnaire([&] {
        const CleCompilee &cle = o.Cle();
        const auto style = (choix & 1) != 0 ? StyleImpression::Indente : StyleImpression::Crochets;
        const auto format = (choix & 2) != 0 ? FormatImpression::Markdown : FormatImpression::Html;
        if (fuzz::CommandeDedans(CleImprimable(cle, style, format), "\n", true)) __builtin_trap();
        if (fuzz::CommandeDedans(TableauDeLaCle(cle), "\t\r\n")) __builtin_trap();
        for (long i = 1; i <= NombreLignesCle(cle); ++i)
            for (const std::string *texte :
                 {&cle.TabLignes(i).Description, &cle.TabLignes(i).NomEspece})
                if (CelluleLue(CelluleEcrite(*texte)) != *texte) __builtin_trap();
    });
    return 0;
}
