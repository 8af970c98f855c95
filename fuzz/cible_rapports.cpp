// A key file of any bytes, loaded as the tools window loads it, then one of the reports of the
// tools (chosen by the second byte) as lamelix-outils prints it, or the whole "verifie" run:
// what is printed never carries a command to a terminal, outside the line structure each keeps.
// The window's reports run on the one program of the whole run; "verifie" builds its own, as
// the command does.

#include "cli/console.hpp"
#include "cli/table_commandes.hpp"
#include "fuzz/fichier_essai.hpp"
#include "fuzz/sortie_sure.hpp"
#include "platform/piege.hpp"

#include <sstream>

using namespace lamelix;

namespace {

// The reports of the window's boxes: CR LF and TAB are their line structure.
std::string Rapport(Outils &o, int choix) {
    switch (choix) {
    case 0:
        Command3_Click(o); // "Liste liens"
        break;
    case 1: { // every page of the compiled listing
        Command1_Click(o, OutVoirCompil);
        std::string pages = o.Text10[0].Text;
        for (int page = 0; o.Pages.Active && page < 64; ++page) {
            Command2_Click(o);
            pages += o.Text10[0].Text;
        }
        return pages;
    }
    default: {
        constexpr int boutons[] = {OutCoherence, OutListeNotes, OutListeComplements, OutVerifLiens};
        Command1_Click(o, boutons[(choix - 2) % 4]);
        break;
    }
    }
    return o.Text10[0].Text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, std::size_t taille) {
    const bool txt = taille > 0 && (data[0] & 1) != 0;
    const int choix = (taille > 1 ? data[1] : 0) % 7;
    const std::string chemin = fuzz::Ecrit(txt ? "essai.txt" : "essai.cle", data, taille);
    if (choix == 6) {
        Appel appel;
        appel.commande = CommandeNommee("verifie");
        appel.fichier = chemin;
        std::ostringstream sortie, erreurs;
        appel.commande->gestionnaire(appel, sortie, erreurs);
        if (fuzz::CommandeDedans(sortie.str(), "\n")) __builtin_trap();
        if (fuzz::CommandeDedans(erreurs.str(), "\n")) __builtin_trap();
        return 0;
    }
    fuzz::CleDesOutils charge(chemin);
    if (!charge.Chargee()) return 0;
    Outils &o = charge.O();
    ExecuteGestionnaire([&] {
        if (fuzz::CommandeDedans(EchappeCommandes(Rapport(o, choix)), "\t\r\n")) __builtin_trap();
    });
    return 0;
}
