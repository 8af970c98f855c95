// The listings of the tools window and its link and consistency tests.

#include "tests/core/outils_essai.hpp"
#include "tools/lignes_fichier.hpp"

#include <gtest/gtest.h>
#include <tuple>

namespace lamelix::test {
namespace {

// The physical lines the listings number: cut at each line feed, carriage returns dropped
// wherever they stand, a last line without its line feed kept, no line made up after the last.
TEST(OutilsListes, LignesPhysiquesDuFichier) {
    using V = std::vector<std::string>;
    EXPECT_EQ(LignesSansRetour("a\r\nb\r\n"), (V{"a", "b"}));
    EXPECT_EQ(LignesSansRetour("a\rb\n\n\r\nc"), (V{"ab", "", "", "c"}));
    EXPECT_EQ(LignesSansRetour("\r"), (V{""}));
    EXPECT_EQ(LignesSansRetour(""), V{});
}

TEST(OutilsListes, TestDesLiaisons) {
    OutilsEssai o;
    o.Ouvre("1, 2 $a\r\n1, 3 $b\r\n2, 0 $c$C\r\n2, 0 $d$D\r\n3, 0 $e$E\r\n3, 0 $f$F\r\n");
    FenetreEssai::Gere([&] { TestLiaisons(o.O); });
    EXPECT_EQ(o.Rapport(), " test des liaisons  \r\n");

    // Entity 4 is called by nothing; line 2 calls entity 5, which no line bears. The last line's
    // call counts like any other.
    o.Ouvre("1, 2 $a\r\n1, 5 $b\r\n2, 0 $c$C\r\n2, 0 $d$D\r\n4, 0 $e$E\r\n4, 6 $f\r\n"
            "6, 0 $g$G\r\n6, 0 $h$H\r\n");
    FenetreEssai::Gere([&] { TestLiaisons(o.O); });
    EXPECT_EQ(o.Rapport(), " test des liaisons  \r\n5 / 5 non appelée\r\n6 / 6 non appelée\r\n"
                           "ligne 2 / 2 sans suite\r\n")
        << o.Rapport();
}

TEST(OutilsListes, TestDeCoherence) {
    OutilsEssai o;
    o.Ouvre("1, 2 $a\r\n1, 0 $b$B\r\n2, 0 $c$C\r\n2, 0 $d$D\r\n");
    o.Bouton(OutCoherence);
    EXPECT_EQ(o.Rapport(), " test des liaisons  \r\n\r\n autres tests ...");
    EXPECT_EQ(o.Dialogues.Journal.back(), "message: test de cohérence terminé ");
    // The walks go through the history; the consultation then comes back where it was.
    o.Choisit(0);
    const std::string chemin = o.F->Text1.Text;
    o.Bouton(OutCoherence);
    EXPECT_EQ(o.Dialogues.Journal.back(), "message: test de cohérence terminé ");
    EXPECT_EQ(std::tuple(o.F->Parcours.NbEtapes, o.F->Parcours.Hist(1), o.F->Text1.Text),
              std::tuple(1, 1, chemin));
    EXPECT_EQ(o.Propositions(), (Textes{"c", "d"}));

    // A names list emptied (by a search, say) is no sign of a key without outcomes.
    o.F->List2.Clear();
    o.Bouton(OutCoherence);
    EXPECT_EQ(o.Dialogues.Journal.back(), "message: test de cohérence terminé ");

    // Without a key there is no outcome to walk to.
    o.Ouvre("une ligne\r\n", "refus.cle");
    o.Bouton(OutCoherence);
    EXPECT_EQ(o.Dialogues.Journal.back(), "message:  clé non chargée ou erreur clé");
}

TEST(OutilsListes, LiensDefectueux) {
    OutilsEssai o;
    o.Dossier.Ecrit("la.png", "x");
    o.Ouvre("1, 2 $a$$F\"la.png\"\r\n1, 0 $b$B$F\"absente.png\"\r\n1, 0, N $note 1\r\n"
            "1, 0, N $note 2\r\n2, 0 $c$C$F\"https://exemple.org\"\r\n2, 0 $d$D$S\"Section\"\r\n");
    o.Bouton(OutVerifLiens);
    EXPECT_EQ(o.Rapport(), " Liens défectueux :   index ligne/ ligne utile / texte\r\n"
                           "Répertoire actif  " +
                               DossierDe(o.Fichier) +
                               "\r\n...........\r\n@2/2/ F\"absente.png\"\r\n");
    FenetreEssai::Gere([&] { Command3_Click(o.O); });
    EXPECT_EQ(o.Rapport(), "la.png\r\nabsente.png\r\nhttps://exemple.org\r\n");
}

TEST(OutilsListes, CleCompileeSurUnePage) {
    OutilsEssai o;
    o.Ouvre("1, 2 $a\r\n1, 0, N $n\r\n1, CS1 $b$B$F\"x\"\r\n2, 0 $c$C\r\n2, 0 $d$D\r\n"
            "CS1, 0 $Sous\r\n1, 0 $e$E\r\n1, 0 $f$F\r\n");
    o.Bouton(OutVoirCompil);
    EXPECT_FALSE(o.O.Command2.Visible);

    // The text listing, behind its code.
    o.Dialogues.Saisies = {std::string("faux"), std::string(CodeListeTexte)};
    const std::string vue = o.Rapport();
    FenetreEssai::Gere([&] { Command1_MouseMove(o.O, OutVoirCompil, BoutonDroit); });
    EXPECT_EQ(o.Rapport(), vue);
    FenetreEssai::Gere([&] { Command1_MouseMove(o.O, OutVoirCompil, BoutonDroit); });
    EXPECT_TRUE(o.Dialogues.AAppele("saisie: votre code ?  | Export texte | "));
    EXPECT_EQ(o.Rapport().rfind(
                  Crlf({" clé compilée", " E , S $description $ nom espèce $ compléments",
                        "1 , 2$a$$", "1 , 0$", " *note* 1n$$", "1 , 3$b$B$F\"x\"", "2 , 0$c$C$"}),
                  0),
              0u)
        << o.Rapport();
}

TEST(OutilsListes, PagesDeTrenteDeuxMilleCaracteres) {
    OutilsEssai o;
    std::string cle = "1, 2 $a\r\n";
    const std::string longue(300, 'x');
    for (int e = 2; e <= 400; ++e)
        cle += std::to_string(e) + ", " + std::to_string(e + 1) + " $" + longue + "\r\n";
    cle += "401, 0 $fin$Derniere\r\n1, 0 $b$B\r\n";
    o.Ouvre(cle);
    o.Bouton(OutVoirCompil);
    std::vector<std::string> pages{o.Rapport()};
    while (o.O.Command2.Visible) {
        ASSERT_LT(pages.size(), 10u);
        FenetreEssai::Gere([&] { Command2_Click(o.O); });
        pages.push_back(o.Rapport());
    }
    ASSERT_GE(pages.size(), 4u);
    for (std::size_t p = 0; p < pages.size(); ++p) {
        EXPECT_LT(pages[p].size(), 33000u) << p;
        if (p > 0) {
            EXPECT_EQ(pages[p].rfind(" clé compilée\r\nligne utile | ligne texte | E , S | prec "
                                     "|description | nom espèce | compléments\r\n",
                                     0),
                      0u);
            // Each page starts with the last line of the page before.
            const std::string &avant = pages[p - 1];
            const std::size_t debut = avant.rfind("\r\n") + 2;
            const std::string derniere = avant.substr(debut, avant.find(" | ", debut) - debut);
            EXPECT_NE(pages[p].find("\r\n" + derniere + " | "), std::string::npos) << derniere;
        }
    }
    EXPECT_NE(pages.back().find(" | fin   $ Derniere | "), std::string::npos);
    EXPECT_NE(pages.back().find(" | b   $ B |  *note* 0"), std::string::npos);

    // A key of one line shows only the waiting notice.
    o.Ouvre("1, 0 $a$A\r\n");
    o.Bouton(OutVoirCompil);
    EXPECT_EQ(o.Rapport(), " je calcule / patientez .... ");
}

} // namespace
} // namespace lamelix::test
