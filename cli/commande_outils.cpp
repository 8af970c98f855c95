#include "cli/commande_outils.hpp"

#include "app/application.hpp"
#include "cli/cle_chargee.hpp"
#include "cli/console.hpp"
#include "platform/piege.hpp"

#include <memory>

namespace lamelix {

namespace {

// Every page of the compiled listing, one after the other.
std::string ToutesLesPages(Outils &o) {
    Command1_Click(o, OutVoirCompil);
    std::string texte = o.Text10[0].Text;
    while (o.Pages.Active) {
        Command2_Click(o);
        texte += o.Text10[0].Text;
    }
    return texte;
}

// A conversion: written when the notice that says where came up.
int Conversion(Lamelix &f, int index, std::ostream &erreurs) {
    const uint64_t avant = f.LblflashX.Version;
    MnSOut_Click(f, index);
    if (f.LblflashX.Version == avant || !f.FraFlash.Visible) return 1;
    erreurs << "flash: " << Echappe(f.LblflashX.Caption) << '\n';
    return 0;
}

int Execute(Application &app, const Appel &appel, std::ostream &sortie, std::ostream &erreurs) {
    const std::string commande = appel.commande->nom;
    Outils &o = app.Outil();
    Lamelix &f = app.Principale();
    const std::pair<const char *, int> boutons[] = {{"analyse", OutAnalyse},
                                                    {"coherence", OutCoherence},
                                                    {"notes", OutListeNotes},
                                                    {"complements", OutListeComplements},
                                                    {"verif-liens", OutVerifLiens}};
    for (const auto &[nom, bouton] : boutons) {
        if (commande != nom) continue;
        Command1_Click(o, bouton);
        sortie << EchappeCommandes(o.Text10[0].Text);
        return 0;
    }
    if (commande == "liens") {
        Command3_Click(o);
        sortie << EchappeCommandes(o.Text10[0].Text);
        return 0;
    }
    if (commande == "compil") {
        sortie << EchappeCommandes(ToutesLesPages(o));
        return 0;
    }
    if (commande == "export-txt") return Conversion(f, 1, erreurs);
    if (commande == "utf8") return Conversion(f, appel.A("--remplacer") ? 5 : 6, erreurs);
    // renum
    o.Text1[0].SetText(appel.Valeur("--depart", "1"));
    o.Text1[1].SetText(appel.Valeur("--increment", "1"));
    Command1_Click(o, OutTestNumerotation);
    sortie << EchappeCommandes(o.Text10[0].Text) << "\n== correspondances\n"
           << EchappeCommandes(o.Text10[1].Text);
    if (!o.Renumerote) return 1;
    if (!appel.A("--ecrire")) return 0;
    if (!o.Command1[OutSauverRenum].Enabled) {
        erreurs << "lamelix-outils: clé non sauvée : les clés secondaires ne sont pas "
                   "renumérotées\n";
        return 1;
    }
    Command1_Click(o, OutSauverRenum);
    return o.Renumerote ? 1 : 0; // a save that went through leaves no tables to save
}

} // namespace

int CommandeOutils(const Appel &appel, std::ostream &sortie, std::ostream &erreurs) {
    ServicesConsole dialogues(erreurs, appel.oui);
    auto app = std::make_unique<Application>(dialogues);
    Outils &o = app->Outil();
    int statut = 1;
    const auto erreur = ExecuteGestionnaire([&] {
        MontreOutils(o);
        if (!ChargeCleOuDit(o, appel.fichier, erreurs)) {
            // Nothing to run the tool on: the report box stays as the failed load left it.
            sortie << EchappeCommandes(o.Text10[0].Text);
            return;
        }
        statut = Execute(*app, appel, sortie, erreurs);
    });
    if (erreur) {
        erreurs << "interruption: " << Echappe(*erreur) << '\n';
        return 1;
    }
    return statut;
}

} // namespace lamelix
