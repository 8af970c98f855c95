// How lamelix-outils is called: the help of each command, the one shape of its usage errors and
// the bash completion, for every command of the table.

#include "cli/table_commandes.hpp"
#include "tests/core/lance_outils.hpp"

#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace lamelix::test {
namespace {

const std::string Completion = LAMELIX_CLES "/../packaging/lamelix-outils.bash";

// The usage error line of a command: one line on standard error, nothing on standard output,
// exit status 2.
void ErreurUsage(const Resultat &r, const std::string &ligne, const std::string &arguments) {
    EXPECT_EQ(r.statut, 2) << arguments;
    EXPECT_EQ(r.sortie, "") << arguments;
    EXPECT_EQ(r.erreurs, ligne + '\n') << arguments;
}

TEST(OutilsUsage, ChaqueCommandeDeLaTable) {
    DossierTemporaire d;
    const std::string cle = d.Ecrit("k.cle", "1, 0 $a$A\n1, 0 $b$B\n");
    for (const Commande &c : TableCommandes()) {
        SCOPED_TRACE(c.nom);
        const std::string nom = c.nom;
        const Resultat aide = Lance(d, "help " + nom);
        EXPECT_EQ(aide.statut, 0);
        EXPECT_EQ(aide.sortie.rfind("Usage : lamelix-outils " + nom + " ", 0), 0u) << aide.sortie;
        const Resultat option = Lance(d, nom + " --help");
        EXPECT_EQ(option.statut, 0);
        EXPECT_EQ(option.sortie, aide.sortie);

        std::string obligatoires; // the options a command cannot run without
        for (const OptionCommande &o : c.options)
            if (o.obligatoire)
                obligatoires += std::string(" ") + o.nom + " '" + d.Chemin("x") + "'";
        const std::string indice = " (essayez lamelix-outils help " + nom + ")";
        ErreurUsage(Lance(d, nom + " --inconnue '" + cle + "'" + obligatoires),
                    "lamelix-outils: " + nom + ": option inconnue : --inconnue" + indice, nom);
        const std::string absent = d.Chemin("absent.cle");
        ErreurUsage(Lance(d, nom + " '" + absent + "'" + obligatoires),
                    "lamelix-outils: " + nom + ": impossible de lire " + absent +
                        " (fichier introuvable)",
                    nom);
    }
}

// The other ways to get a command line wrong, each told the same way.
TEST(OutilsUsage, ErreursDUsage) {
    DossierTemporaire d;
    const std::string cle = "'" + d.Ecrit("k.cle", "1, 0 $a$A\n1, 0 $b$B\n") + "'";
    const std::string general = " (essayez lamelix-outils --help)";
    const std::pair<std::string, std::string> cas[] = {
        {"", "lamelix-outils: commande manquante" + general},
        {"inconnue " + cle, "lamelix-outils: commande inconnue : inconnue" + general},
        {"help inconnue", "lamelix-outils: help: commande inconnue : inconnue" + general},
        {"tables", "lamelix-outils: tables: FICHIER manquant"},
        {"tables " + cle + " " + cle, "lamelix-outils: tables: un seul FICHIER attendu"},
        {"renum --depart " + cle, "lamelix-outils: renum: --depart attend un nombre entier"},
        {"renum --increment x " + cle,
         "lamelix-outils: renum: --increment attend un nombre entier"},
        {"analyse --depart 3 " + cle, "lamelix-outils: analyse: option inconnue : --depart"},
        {"imprime --style large " + cle,
         "lamelix-outils: imprime: --style attend crochets ou indente"},
        {"imprime " + cle + " --format", "lamelix-outils: imprime: --format attend html ou md"},
        {"importe-tableau " + cle, "lamelix-outils: importe-tableau: option -o CLE.cle manquante"},
        {"parcours " + cle + " 0 sauter", "lamelix-outils: parcours: action inconnue : sauter"},
        {"parcours " + cle + " clic:x", "lamelix-outils: parcours: action inconnue : clic:x"},
        {"parcours " + cle + " -1", "lamelix-outils: parcours: option inconnue : -1"}};
    for (const auto &[arguments, ligne] : cas) {
        const std::string commande = arguments.substr(0, arguments.find(' '));
        const bool deLaTable = CommandeNommee(commande) != nullptr;
        ErreurUsage(Lance(d, arguments),
                    ligne + (deLaTable ? " (essayez lamelix-outils help " + commande + ")" : ""),
                    arguments);
    }
}

// What the completion offers after the words typed, the last one being completed.
std::vector<std::string> Complete(const DossierTemporaire &d, const std::string &mots) {
    const std::string script =
        d.Ecrit("complete.sh", "source '" + Completion + "'\ncd '" + d.Chemin("") +
                                   "'\nCOMP_WORDS=(lamelix-outils " + mots +
                                   ")\nCOMP_CWORD=$((${#COMP_WORDS[@]} - 1))\n_lamelix_outils\n"
                                   "printf '%s\\n' \"${COMPREPLY[@]}\"\n");
    EXPECT_EQ(std::system(("bash '" + script + "' >'" + d.Chemin("mots") + "'").c_str()), 0);
    std::vector<std::string> proposes;
    std::istringstream lignes(Lis(d.Chemin("mots")));
    for (std::string ligne; std::getline(lignes, ligne);)
        if (!ligne.empty()) proposes.push_back(ligne);
    return proposes;
}

TEST(OutilsUsage, CompletionBash) {
    DossierTemporaire d;
    // Printed whole, the two texts would bury the difference.
    EXPECT_TRUE(Lance(d, "completion bash").sortie == Lis(Completion))
        << "packaging/lamelix-outils.bash is stale: lamelix-outils completion bash > "
           "packaging/lamelix-outils.bash";

    std::vector<std::string> commandes;
    for (const Commande &c : TableCommandes()) {
        commandes.push_back(c.nom);
        std::vector<std::string> options;
        for (const OptionCommande &o : OptionsDe(c))
            options.push_back(o.nom);
        EXPECT_EQ(Complete(d, std::string(c.nom) + " -"), options) << c.nom;
    }
    commandes.insert(commandes.end(), {"help", "completion", "--help", "--version"});
    EXPECT_EQ(Complete(d, "''"), commandes);
    EXPECT_EQ(Complete(d, "help verif"), (std::vector<std::string>{"verifie", "verif-liens"}));
    EXPECT_EQ(Complete(d, "imprime --style ''"), (std::vector<std::string>{"crochets", "indente"}));
    EXPECT_EQ(Complete(d, "renum --depart ''"), std::vector<std::string>{});
    d.Ecrit("cle.cle", "");
    EXPECT_EQ(Complete(d, "importe-tableau t.csv -o cl"), std::vector<std::string>{"cle.cle"});
}

} // namespace
} // namespace lamelix::test
