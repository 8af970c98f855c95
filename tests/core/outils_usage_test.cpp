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
        const std::string usage = "Usage : lamelix-outils " + nom + (c.fichier ? " " : "\n");
        EXPECT_EQ(aide.sortie.rfind(usage, 0), 0u) << aide.sortie;
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
        if (c.fichier == nullptr) { // a command that reads no file takes no operand
            ErreurUsage(Lance(d, nom + " '" + cle + "'"),
                        "lamelix-outils: " + nom + ": argument inattendu : " + cle + indice, nom);
            continue;
        }
        const std::string absent = d.Chemin("absent.cle");
        ErreurUsage(Lance(d, nom + " '" + absent + "'" + obligatoires),
                    "lamelix-outils: " + nom + ": impossible de lire " + absent +
                        " (fichier introuvable)",
                    nom);
    }
}

// The other ways to get a command line wrong, each told the same way (status 2, one line on
// standard error), kept whole in tests/data/rapports/usage.txt.
TEST(OutilsUsage, ErreursDUsage) {
    DossierTemporaire d;
    const std::string cle = " '" + d.Ecrit("k.cle", "1, 0 $a$A\n1, 0 $b$B\n") + "'";
    Transcription t(d);
    for (const std::string &arguments :
         {std::string(), "inconnue" + cle, std::string("help inconnue"), std::string("tables"),
          "tables" + cle + cle, "renum --depart" + cle, "renum --increment x" + cle,
          "analyse --depart 3" + cle, "imprime --style large" + cle, "imprime" + cle + " --format",
          "importe-tableau" + cle, "parcours" + cle + " 0 sauter", "parcours" + cle + " clic:x",
          "parcours" + cle + " -1"})
        t.Lance(arguments);
    EXPECT_EQ(t.Texte, Attendu("rapports/usage.txt", t.Texte));
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
