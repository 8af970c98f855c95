#include "cli/commande_outils.hpp"

#include "app/application.hpp"
#include "cli/console.hpp"
#include "platform/piege.hpp"

#include <charconv>
#include <memory>
#include <optional>

namespace lamelix {

namespace {

const char *const Commandes[] = {"analyse", "renum",       "coherence", "notes",      "complements",
                                 "liens",   "verif-liens", "compil",    "export-txt", "utf8"};

struct Options {
    bool oui = true;
    std::string depart = "1", increment = "1";
    bool ecrire = false, remplacer = false;
    std::string chemin;
};

bool EstEntier(const std::string &texte) {
    int valeur = 0;
    const char *debut = texte.data() + (texte.rfind('-', 0) == 0 ? 1 : 0);
    auto [fin, ec] = std::from_chars(debut, texte.data() + texte.size(), valeur);
    return ec == std::errc{} && fin == texte.data() + texte.size() && valeur <= 32767;
}

std::optional<Options> LitOptions(const std::string &commande,
                                  const std::vector<std::string> &arguments,
                                  std::ostream &erreurs) {
    Options o;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string &a = arguments[i];
        const bool renum = commande == "renum";
        if (a == "--oui" || a == "--non") {
            o.oui = a == "--oui";
        } else if (renum && (a == "--depart" || a == "--increment")) {
            if (i + 1 >= arguments.size() || !EstEntier(arguments[i + 1])) {
                erreurs << "lamelix-outils: " << a << " attend un nombre entier\n";
                return std::nullopt;
            }
            (a == "--depart" ? o.depart : o.increment) = arguments[++i];
        } else if (renum && a == "--ecrire") {
            o.ecrire = true;
        } else if (commande == "utf8" && a == "--remplacer") {
            o.remplacer = true;
        } else if (!a.empty() && a[0] == '-' && a != "-") {
            erreurs << "lamelix-outils: option inconnue : " << a << '\n';
            return std::nullopt;
        } else if (o.chemin.empty()) {
            o.chemin = a;
        } else {
            erreurs << "lamelix-outils: un seul FICHIER attendu\n";
            return std::nullopt;
        }
    }
    if (o.chemin.empty()) {
        erreurs << "lamelix-outils: usage : lamelix-outils " << commande
                << " [OPTIONS] FICHIER (essayez --help)\n";
        return std::nullopt;
    }
    return o;
}

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

int Execute(Application &app, const std::string &commande, const Options &options,
            std::ostream &sortie, std::ostream &erreurs) {
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
    if (commande == "utf8") return Conversion(f, options.remplacer ? 5 : 6, erreurs);
    // renum
    o.Text1[0].SetText(options.depart);
    o.Text1[1].SetText(options.increment);
    Command1_Click(o, OutTestNumerotation);
    sortie << EchappeCommandes(o.Text10[0].Text) << "\n== correspondances\n"
           << EchappeCommandes(o.Text10[1].Text);
    if (!o.Renumerote) return 1;
    if (!options.ecrire) return 0;
    if (!o.Command1[OutSauverRenum].Enabled) {
        erreurs << "lamelix-outils: clé non sauvée : les clés secondaires ne sont pas "
                   "renumérotées\n";
        return 1;
    }
    Command1_Click(o, OutSauverRenum);
    return o.Renumerote ? 1 : 0; // a save that went through leaves no tables to save
}

} // namespace

bool EstCommandeOutils(const std::string &commande) {
    for (const char *c : Commandes)
        if (commande == c) return true;
    return false;
}

int CommandeOutils(const std::string &commande, const std::vector<std::string> &arguments,
                   std::ostream &sortie, std::ostream &erreurs) {
    const auto options = LitOptions(commande, arguments, erreurs);
    if (!options) return 2;
    if (!FichierLisibleOuSignale(options->chemin, erreurs)) return 2;

    ServicesConsole dialogues(erreurs, options->oui);
    auto app = std::make_unique<Application>(dialogues);
    Outils &o = app->Outil();
    int statut = 1;
    const auto erreur = ExecuteGestionnaire([&] {
        MontreOutils(o);
        if (!ChargeFichierOutils(o, options->chemin)) {
            // Nothing to run the tool on: the report box stays as the failed load left it.
            sortie << EchappeCommandes(o.Text10[0].Text);
            return;
        }
        statut = Execute(*app, commande, *options, sortie, erreurs);
    });
    if (erreur) {
        erreurs << "interruption: " << Echappe(*erreur) << '\n';
        return 1;
    }
    return statut;
}

} // namespace lamelix
