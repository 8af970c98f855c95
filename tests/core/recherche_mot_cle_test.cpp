// The keyword search: how words are compared, each place searched, and the way back from a hit
// to the consultation (accepted, given up, or run again).

#include "search/mots_cherches.hpp"
#include "search/recherche_mot_cle.hpp"
#include "tests/core/fenetre_essai.hpp"

#include <gtest/gtest.h>

namespace lamelix::test {
namespace {

// Lines 1 to 10: a note (line 4) continues line 3; line 8 heads the secondary key, whose
// description also holds "volve".
constexpr std::string_view Cle = "REM$UTF8$\r\n"
                                 "1, 2 $Lames$\r\n"
                                 "1, 0 $Tubes$Boletus edulis\r\n"
                                 "2, 3 $Anneau présent$$S\"Lépiotes\"\r\n"
                                 "2, 0, N $note : l'anneau peut être fugace\r\n"
                                 "2, CS1 $Sans anneau, chapeau Écailleux\r\n"
                                 "3, 0 $Volve en sac$Amanita phalloides\r\n"
                                 "3, 0 $Sans volve$Lepiota cristata\r\n"
                                 "CS1, 0 $Clé des écailleux à volve\r\n"
                                 "1, 0 $Chapeau écailleux$Amanita muscaria\r\n"
                                 "1, 0 $Chapeau lisse$Volvariella\r\n";

struct Recherche : ::testing::Test {
    FenetreEssai W;
    Lamelix &F = *W.F;
    RechercheMotCle &R = W.App->MotsCles();

    Recherche() { W.Charge(Cle); }
    void Cherche(const std::string &mot1, int portee = DansDescriptions,
                 const std::string &mot2 = {}) {
        FenetreEssai::Gere([&] {
            if (!F.Frame6.Visible) MotCle_Click(R);
            R.Textcle[0].SetText(mot1);
            R.Textcle[1].SetText(mot2);
            for (std::size_t i = 0; i < R.Option3.size(); ++i)
                R.Option3[i].SetValue(static_cast<int>(i) == portee);
            MoCle_Click(R, 0);
        });
    }
    int Bips() const {
        return static_cast<int>(
            std::count(W.Dialogues.Appels.begin(), W.Dialogues.Appels.end(), std::string("bip")));
    }
    std::vector<int16_t> Chemin() const {
        std::vector<int16_t> c;
        for (int i = 1; i <= F.Parcours.NbEtapes; ++i)
            c.push_back(F.Parcours.Hist(i));
        return c;
    }
};

TEST(MotsCherches, AccentsCasseEtCombinaison) {
    EXPECT_EQ(SansAccent("àáâãä ç èéêë ìíîï òóôõö ùúûü"), "aaaaa c eeee iiii ooooo uuuu");
    EXPECT_EQ(SansAccent("ÉÀ å æ ñ ø ý ÿ"), "ÉÀ å æ ñ ø ý ÿ");

    const auto trouve = [](const char *mot1, const char *mot2, bool casse, bool accents, bool et,
                           const char *texte) {
        return MotsCherches(mot1, mot2, casse, accents, et).Trouve(texte);
    };
    EXPECT_TRUE(trouve("volve", "", false, false, false, "Sans volve"));
    EXPECT_FALSE(trouve("volve", "", false, false, true, "Sans volve")); // "and" an empty word
    EXPECT_TRUE(trouve("anneau", "volve", false, false, false, "volve seule"));
    EXPECT_FALSE(trouve("anneau", "volve", false, false, true, "volve seule"));
    EXPECT_TRUE(trouve("anneau", "volve", false, false, true, "volve et anneau"));
    EXPECT_FALSE(trouve("Volve", "", false, false, false, "Sans volve")); // exact by default
    // Every letter's case, accented capitals and other scripts included.
    EXPECT_TRUE(trouve("écailleux", "", true, false, false, "Chapeau ÉCAILLEUX"));
    EXPECT_TRUE(trouve("œuf", "", true, false, false, "en forme d'ŒUF"));
    EXPECT_TRUE(trouve("ΑΛΦΑ", "", true, false, false, "άλφα") == false); // accented Greek kept
    // Accents fold on the small letters only: a capital É is still not an E.
    EXPECT_TRUE(trouve("ecailleux", "", false, true, false, "écailleux"));
    EXPECT_FALSE(trouve("ecailleux", "", false, true, false, "Écailleux"));
    EXPECT_FALSE(trouve("ecailleux", "", true, true, false, "Écailleux"));
    EXPECT_TRUE(trouve("Écailleux", "", true, false, false, "écailleux"));
    // Bytes that are no UTF-8 are compared as they are.
    EXPECT_TRUE(trouve("\xE9t\xE9", "", true, true, false, "un \xE9t\xE9 sec"));
}

TEST_F(Recherche, DescriptionsSansLesEntetesDeClesSecondaires) {
    Cherche("volve");
    EXPECT_TRUE(F.Frame6.Visible);
    EXPECT_FALSE(F.Frame8.Visible);
    EXPECT_TRUE(F.Parcours.RechercheAffichee);
    // Line 8, the secondary key's header, is no proposition.
    EXPECT_EQ(FenetreEssai::Lignes(F.List1), (Textes{"Sans volve"}));
    EXPECT_EQ(F.Parcours.MapRecherche(0), 7);
    EXPECT_EQ(F.List1.BackColor, 0xC0E0FFu);
    EXPECT_EQ(Bips(), 0);

    Cherche("Volve", DansDescriptions, "lisse");
    EXPECT_EQ(FenetreEssai::Lignes(F.List1), (Textes{"Volve en sac", "Chapeau lisse"}));
    R.Option2.SetValue(true);
    R.Option1.SetValue(false);
    Cherche("volve", DansDescriptions, ""); // "and" with no word 2 finds nothing
    EXPECT_EQ(F.List1.ListCount(), 0);
    EXPECT_EQ(Bips(), 1);
    Cherche("");
    EXPECT_EQ(Bips(), 2);
}

TEST_F(Recherche, UneNoteTrouveeEstPriseCommeLaPropositionQuElleSuit) {
    Cherche("fugace");
    ASSERT_EQ(FenetreEssai::Lignes(F.List1), (Textes{"note : l'anneau peut être fugace"}));
    W.Choisit(0); // a double click accepts the hit
    EXPECT_FALSE(F.Frame6.Visible);
    EXPECT_TRUE(F.Frame8.Visible);
    EXPECT_FALSE(F.Parcours.RechercheAffichee);
    EXPECT_EQ(Chemin(), (std::vector<int16_t>{1, 3}));
    EXPECT_EQ(F.Parcours.EntiteCourante, 3);
    EXPECT_EQ(FenetreEssai::Lignes(F.List1), (Textes{"Volve en sac", "Sans volve"}));
    EXPECT_EQ(F.List1.BackColor, CouleurFondFenetre);
    EXPECT_TRUE(F.Command4[Cmd4Suiv].Visible);
    // The consultation goes on from there.
    W.Choisit(0);
    EXPECT_EQ(F.Text2.Text, "Amanita phalloides");
    EXPECT_EQ(Chemin(), (std::vector<int16_t>{1, 3, 6}));
}

TEST_F(Recherche, NomsRetrecisPuisValidesDepuisLaListe) {
    Cherche("Boletus", DansListe); // the first name of the list is found too
    EXPECT_EQ(FenetreEssai::Lignes(F.List2), (Textes{"Boletus edulis"}));
    Cherche("amanita", DansListe);
    EXPECT_EQ(F.List2.ListCount(), 0); // case counts; no hit narrows nothing
    R.Check1.SetValue(1);
    Cherche("amanita", DansListe);
    EXPECT_EQ(FenetreEssai::Lignes(F.List2), (Textes{"Amanita phalloides", "Amanita muscaria"}));
    EXPECT_EQ(F.Parcours.NbNoms, 2);
    EXPECT_EQ(F.List2.BackColor, 0xC0E0FFu);
    // A second search looks among the names found, not the whole list.
    Cherche("a", DansListe);
    EXPECT_EQ(F.List2.ListCount(), 2);
    Cherche("muscaria", DansListe);
    ASSERT_EQ(FenetreEssai::Lignes(F.List2), (Textes{"Amanita muscaria"}));
    EXPECT_EQ(F.Parcours.MapNoms(F.List2.Items[0].ItemData), 9);

    W.Prend(0);
    FenetreEssai::Gere([&] { MoCle_Click(R, 1); });
    EXPECT_FALSE(F.Frame6.Visible);
    EXPECT_EQ(F.Text2.Text, "Amanita muscaria");
    EXPECT_TRUE(F.Parcours.EspeceAtteinte);
    EXPECT_EQ(F.Parcours.EntiteCourante, 0);
    EXPECT_EQ(Chemin(), (std::vector<int16_t>{1, 5, 9}));
}

TEST_F(Recherche, SectionsAvecOuSansAccents) {
    Cherche("Lepiotes", DansSections);
    EXPECT_EQ(F.List2.ListCount(), 0);
    R.Check2.SetValue(1);
    Cherche("Lepiotes", DansSections);
    EXPECT_EQ(FenetreEssai::Lignes(F.List2), (Textes{"Lépiotes"}));
    // A name search afterwards starts from the whole list of names, not from the sections.
    Cherche("Lepiota", DansListe);
    EXPECT_EQ(FenetreEssai::Lignes(F.List2), (Textes{"Lepiota cristata"}));
}

TEST_F(Recherche, HistoriqueEtAbandonQuiRendLaPlace) {
    W.Choisit({0, 0}); // Lames, Anneau présent
    const auto avant = Chemin();
    ASSERT_EQ(avant, (std::vector<int16_t>{1, 3}));
    F.Parcours.LignesNavigables = true;
    Cherche("a", DansHistorique);
    EXPECT_EQ(FenetreEssai::Lignes(F.List1), (Textes{"Lames", "Anneau présent"}));
    EXPECT_FALSE(F.Parcours.LignesNavigables);
    // A click on a hit of the path brings the path back to it.
    FenetreEssai::Gere([&] {
        F.List1.Selectionne(0);
        List1_Click(F);
    });
    EXPECT_EQ(Chemin(), (std::vector<int16_t>{1}));

    FenetreEssai::Gere([&] { MoCle_Click(R, 2); });
    EXPECT_FALSE(F.Frame6.Visible);
    EXPECT_FALSE(F.Parcours.RechercheAffichee);
    EXPECT_EQ(Chemin(), avant);
    EXPECT_EQ(F.Parcours.EntiteCourante, 3);
    EXPECT_EQ(FenetreEssai::Lignes(F.List1), (Textes{"Volve en sac", "Sans volve"}));
    EXPECT_TRUE(F.Command4[Cmd4Suiv].Visible);
}

TEST_F(Recherche, AbandonAuDepartEtApresUneEspeceAtteinte) {
    Cherche("Chapeau");
    FenetreEssai::Gere([&] {
        F.List1.Selectionne(1);
        List1_Click(F); // looks at "Chapeau lisse": the path now leads there
    });
    EXPECT_EQ(Chemin(), (std::vector<int16_t>{1, 5, 10}));
    FenetreEssai::Gere([&] { MoCle_Click(R, 2); });
    EXPECT_EQ(F.Parcours.EntiteCourante, 1);
    EXPECT_EQ(F.Parcours.NbEtapes, 0);
    EXPECT_EQ(FenetreEssai::Lignes(F.List1), (Textes{"Lames", "Tubes"}));

    W.Choisit(1); // Boletus edulis
    Cherche("volve");
    FenetreEssai::Gere([&] { MoCle_Click(R, 2); });
    EXPECT_EQ(F.Text2.Text, "Boletus edulis");
    EXPECT_EQ(Chemin(), (std::vector<int16_t>{2}));
    EXPECT_EQ(F.List1.ListCount(), 0);
}

TEST_F(Recherche, RepriseEtHorsDesTables) {
    Cherche("lisse");
    FenetreEssai::Gere([&] { MoCle_Click(R, 2); });
    ASSERT_TRUE(F.Command4[Cmd4Reprise].Visible);
    R.Textcle[0].SetText("autre chose");
    FenetreEssai::Gere([&] { Command4_Click(F, Cmd4Reprise); });
    EXPECT_TRUE(F.Frame6.Visible);
    EXPECT_EQ(R.Textcle[0].Text, "lisse");
    EXPECT_EQ(FenetreEssai::Lignes(F.List1), (Textes{"Chapeau lisse"}));

    // A hit table that names no line of the key: nothing happens.
    F.Parcours.MapRecherche(0) = 4001;
    F.List1.Selectionne(0);
    FenetreEssai::Gere([&] { MoCle_Click(R, 1); });
    W.Choisit(0);
    EXPECT_TRUE(F.Frame6.Visible);
    EXPECT_TRUE(F.Parcours.RechercheAffichee);
    EXPECT_EQ(F.Parcours.NbEtapes, 0);
}

TEST_F(Recherche, EntreeChercheEtCtrlVColleDansLaSelection) {
    FenetreEssai::Gere([&] { MotCle_Click(R); });
    EXPECT_EQ(F.Focus, "Textcle0");
    R.Textcle[0].SetText("Sans XX");
    R.Textcle[0].SetSelection(5, 2);
    W.Dialogues.PressePapier = "volve\r\n";
    Textcle_KeyDown(R, 0, 86, ToucheCtrl);
    EXPECT_EQ(R.Textcle[0].Text, "Sans volve");
    Textcle_KeyDown(R, 0, 13, 0);
    EXPECT_EQ(FenetreEssai::Lignes(F.List1), (Textes{"Sans volve"}));
    Textcle_KeyDown(R, 1, 86, 0); // V without Ctrl types a letter: the box does it
    EXPECT_EQ(R.Textcle[1].Text, "");
}

} // namespace
} // namespace lamelix::test
