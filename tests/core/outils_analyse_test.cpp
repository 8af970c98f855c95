// "Analyse/Tests": the analysis report, counted errors and interrupted reports (the reports
// themselves on small keys are kept in tests/data/rapports).

#include "tests/core/outils_essai.hpp"

#include <gtest/gtest.h>

namespace lamelix::test {
namespace {

const std::string Boucles =
    " |----------------- > Attention, rupture de séquence risque de bouclage (retour arrière ): ";

std::string Debut(const std::string &nom, int vues, int utiles, int derniere) {
    return Crlf({"Compte rendu analyse de syntaxe de " + nom,
                 " nb de lignes vues :" + std::to_string(vues),
                 " nb de lignes utiles :" + std::to_string(utiles),
                 " dernière entité     : " + std::to_string(derniere), "",
                 " Listes des lignes comportant une erreur possible"});
}

struct Analyse : OutilsEssai {
    std::string Sur(std::string_view octets) {
        Ouvre(octets);
        Bouton(OutAnalyse);
        return Rapport();
    }
};

// A table that claims more lines than it holds ends the report with the fatal-index line, what
// was written before staying.
TEST(OutilsAnalyse, FinSurIndexFatal) {
    Analyse a;
    a.Sur("1, 4000 $a\r\n1, 0 $b$B\r\n4000, 0 $c$C\r\n4000, 0 $d$D\r\n");
    a.Prog->Cle.NbLignesM1 = MaxLignesCle;
    a.Bouton(OutAnalyse);
    const std::string rapport = a.Rapport();
    EXPECT_EQ(rapport.substr(rapport.find("\r\n\r\nerreur fatale")),
              "\r\n\r\nerreur fatale d'indexation à l'index  @ligne 4001 / ?\r\n"
              "---- analyse interrompue ------");
    EXPECT_EQ(rapport.rfind(Debut("essai.cle", 4, 4000, 4000), 0), 0u) << rapport;
}

// The file scanned is the loaded one, by its full path, whatever the current folder; a file
// gone since the load ends the report at the text scan.
TEST(OutilsAnalyse, FichierDisparuPendantLAnalyse) {
    Analyse a;
    a.Sur("1, 0 $a$A\r\n1, 0 $b$B\r\n");
    std::filesystem::remove(a.Fichier);
    a.Bouton(OutAnalyse);
    EXPECT_NE(a.Rapport().find(Boucles + "\r\n\r\nerreur fatale d'indexation"), std::string::npos)
        << a.Rapport();
}

} // namespace
} // namespace lamelix::test
