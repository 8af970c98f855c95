// "Analyse/Tests": the analysis report, section by section.

#include "tests/core/outils_essai.hpp"

#include <gtest/gtest.h>

namespace lamelix::test {
namespace {

const std::string Fleche = " |----------------- >    ";
const std::string Boucles =
    " |----------------- > Attention, rupture de séquence risque de bouclage (retour arrière ): ";
const std::string Ignorees = Fleche + "Lignes ignorées: ";

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

TEST(OutilsAnalyse, CleSansFauteNeMontreQueLesSectionsPermanentes) {
    Analyse a;
    const std::string rapport = a.Sur("TITRE$Essai\r\n1, 2 $Lames\r\n1, 3 $Tubes\r\n"
                                      "2, 0 $Blanc$Alba\r\n2, 0 $Rose$Rosea\r\n"
                                      "3, 0 $Jaune$Lutea\r\n3, 0 $Vert$Viridis\r\n");
    EXPECT_EQ(rapport, Debut("essai.cle", 7, 3, 3) +
                           Crlf({"", Boucles, Ignorees, "-----------------------------",
                                 "0 erreur remarquée", "", "----fin d'analyse------",
                                 "----fin d'analyse------"}));
    // The report reads the key and leaves the main window's lists empty.
    EXPECT_EQ(a.F->List1.ListCount(), 0);
    EXPECT_EQ(a.F->List2.ListCount(), 0);
}

TEST(OutilsAnalyse, ChaqueSectionSurUneCleFautive) {
    Analyse a;
    const std::string rapport =
        a.Sur("TITRE$T\r\nREM$commentaire\r\nrem minuscule\r\n\r\n1, 2 $Lames\r\n"
              "1, 3 $Tubes$Noeud\r\n2, 0 $Blanc$Alba\r\n2, 0, N $une note\r\n"
              "2, 0, N $suite de note\r\n2, 0 $$Sans description\r\n3, 0 $Jaune\r\n"
              "3, 2 $Retour\r\n1, 0 $desordre$Des\r\n3, 9 $loin\r\n");
    EXPECT_EQ(rapport, Debut("essai.cle", 14, 3, 3) +
                           Crlf({"",
                                 Fleche + "lignes en désordre : ",
                                 "@ligne 9 / 13 \\(1,0)1*\\desordre",
                                 Fleche + "Branche appelée au delà de la dernière entité : ",
                                 "@ligne 10 / 14 \\(3,9)\\loin",
                                 Fleche + "Appel de branche inexistante : ",
                                 "@ligne 10 / 14 \\(3,9)\\loin",
                                 Fleche + "Noeud étiqueté : ",
                                 "@ligne 2 / 6 \\(1,3)\\Tubes...Noeud",
                                 Fleche + "Description terminale absente : ",
                                 "@ligne 6 / 10 \\(2,0)\\Sans description",
                                 Fleche + "Nom d'espèce  absent : ",
                                 "@ligne 7 / 11 \\(3,0)\\Jaune",
                                 Boucles,
                                 "@ligne 8 / 12 \\(3,2)3*\\Retour",
                                 Ignorees,
                                 "2\\REM$commentaire",
                                 "3\\rem minuscule",
                                 "4\\",
                                 " |----------------- >   Liste notes",
                                 "@ligne 4 / 8 \\(2,0)\\une note",
                                 "@ligne 5 / 9 \\(2,0)\\suite de note",
                                 "-----------------------------",
                                 "4 erreurs possibles",
                                 "",
                                 "----fin d'analyse------",
                                 Fleche + "entités maillées",
                                 "@ligne 1 / 5 \\(1,2) \\ bis = (3,2)",
                                 "----fin d'analyse------",
                                 Fleche + "Vérifications supplémentaires de la structure",
                                 "  * proposition menant à une entité qui n'existe pas :",
                                 "@ligne 10 / 14 \\(3,9)\\loin \\ entité 9",
                                 "----fin des vérifications supplémentaires------"}));
}

TEST(OutilsAnalyse, UneErreurAuSingulierDeuxAuPluriel) {
    for (const auto &[cle, attendu] :
         {std::pair{"1, 2 $a\r\n1, 0 $b$B\r\n2, 0 $c$C\r\n2, 0 $$D\r\n", "1 erreur remarquée"},
          std::pair{"1, 2 $a\r\n1, 0 $$B\r\n2, 0 $c$C\r\n2, 0 $$D\r\n", "2 erreurs possibles"}}) {
        Analyse a;
        const std::string rapport = a.Sur(cle);
        EXPECT_NE(rapport.find("\r\n" + std::string(attendu) + "\r\n"), std::string::npos)
            << rapport;
    }
}

// Sections 4, 6, 9, 10 and 12 list lines but count no error; the text scans see the raw file,
// blank lines and lower-case comments included, and count the "$" of the trimmed line.
TEST(OutilsAnalyse, SectionsSansCompteEtBalayagesDuTexte) {
    Analyse a;
    const std::string rapport =
        a.Sur("  rem minuscul\xE9  \r\n   \r\nREM$w$x$y$z\r\n1, 2 $a$Noeud\r\n1, 2 $b\r\n"
              "2, 0 $c\r\n2, 0, N $note\r\n2, 0 $d$D$F\"x.png\"\r\n");
    EXPECT_NE(rapport.find("\r\n0 erreur remarquée\r\n"), std::string::npos) << rapport;
    EXPECT_NE(rapport.find(Ignorees + "\r\n1\\rem minusculé\r\n2\\\r\n3\\REM$w$x$y$z\r\n"),
              std::string::npos)
        << rapport;
    EXPECT_NE(rapport.find(Fleche + "nb de séparateurs excessif\r\n3 \\ Nb= 4 :REM$w$x$y$z\r\n"),
              std::string::npos)
        << rapport;
    // Three "$" are the most a key line holds: line 8 is not listed.
    EXPECT_EQ(rapport.find("8 \\ Nb="), std::string::npos) << rapport;
    EXPECT_NE(rapport.find(Fleche + "entités maillées\r\n@ligne 1 / 4 \\(1,2) \\ bis = (1,2)"),
              std::string::npos)
        << rapport;
    EXPECT_NE(rapport.find(Fleche + "Nom d'espèce  absent : \r\n@ligne 3 / 6 \\(2,0)\\c\r\n"),
              std::string::npos)
        << rapport;
}

// Three lines calling one entity make three pairs, and the pairs of a large key are counted
// without overflow.
TEST(OutilsAnalyse, PairesDesEntitesMaillees) {
    Analyse a;
    const std::string rapport =
        a.Sur("1, 2 $a\r\n1, 2 $b\r\n1, 2 $c\r\n2, 0 $d$D\r\n2, 0 $e$E\r\n");
    EXPECT_NE(
        rapport.find(Crlf({Fleche + "entités maillées", "@ligne 1 / 1 \\(1,2) \\ bis = (1,2)",
                           "@ligne 1 / 1 \\(1,2) \\ bis = (1,2)",
                           "@ligne 2 / 2 \\(1,2) \\ bis = (1,2)", "----fin d'analyse------"})),
        std::string::npos)
        << rapport;
}

// A key numbered 10, 20, 30 (as the renumbering writes it) has no empty records reported, and
// every one of its lines is examined, those after its entity count included.
TEST(OutilsAnalyse, ToutesLesLignesSontExamineesQuelleQueSoitLaNumerotation) {
    Analyse a;
    const std::string rapport =
        a.Sur("10, 20 $a\r\n10, 30 $b\r\n20, 0 $c$C\r\n20, 0 $d$D\r\n30, 0 $e$E\r\n30, 0 $$F\r\n");
    EXPECT_NE(rapport.find("Description terminale absente : \r\n@ligne 6 / 6 \\(30,0)\\F\r\n"),
              std::string::npos)
        << rapport;
    EXPECT_NE(rapport.find("\r\n1 erreur remarquée\r\n"), std::string::npos) << rapport;
    EXPECT_EQ(rapport.find("(0,0)"), std::string::npos) << rapport;
}

// An entity numbered 4000 is reported like any other; a table that claims more lines than it
// holds ends the report with the fatal-index line, what was written before staying.
TEST(OutilsAnalyse, FinSurIndexFatal) {
    Analyse a;
    std::string rapport = a.Sur("1, 4000 $a\r\n1, 0 $b$B\r\n4000, 0 $c$C\r\n4000, 0 $d$D\r\n");
    EXPECT_NE(rapport.find(" dernière entité     : 4000"), std::string::npos) << rapport;
    EXPECT_EQ(rapport.find("interrompue"), std::string::npos) << rapport;
    EXPECT_EQ(rapport.substr(rapport.size() - 23), "----fin d'analyse------");

    a.Prog->Cle.NbLignesM1 = MaxLignesCle;
    a.Bouton(OutAnalyse);
    rapport = a.Rapport();
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
