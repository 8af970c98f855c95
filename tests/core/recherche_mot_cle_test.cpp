// The keyword search: how words are compared, each place searched, and the way back from a hit
// to the consultation (accepted, given up, or run again).

#include "search/mots_cherches.hpp"
#include "search/recherche_mot_cle.hpp"
#include "tests/core/fenetre_essai.hpp"
#include "tests/core/lance_outils.hpp"

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

// Each place searched and each way back, as lamelix-outils parcours prints the window after
// every gesture (kept in tests/data/parcours): the descriptions without the secondary key's
// header, "or" and "and" (with no second word: nothing); a note found taken as the proposition
// it follows; the names narrowed search after search (case counts unless ignored), then one
// accepted; the sections with or without accents, a name search then starting from the whole
// list; the path's hits, a click bringing the path back to one, and "Annuler" giving the place
// back; given up at the start after a look at a hit, and after a species was reached.
TEST(RechercheParMotCle, EtatsApresChaqueGeste) {
    DossierTemporaire dossier;
    const std::string cle = " '" + dossier.Ecrit("essai.cle", Cle) + "' ";
    const std::pair<const char *, const char *> cas[] = {
        {"motcle mot:volve chercher mot:Volve mot2:lisse chercher et mot:volve mot2: chercher",
         "descriptions"},
        {"motcle mot:fugace chercher 0 0", "note"},
        {"motcle liste mot:Boletus chercher mot:amanita chercher casse chercher mot:a chercher "
         "mot:muscaria chercher nom:0 valider",
         "noms"},
        {"motcle sections mot:Lepiotes chercher accents chercher liste mot:Lepiota chercher",
         "sections"},
        {"0 0 motcle historiq mot:a chercher clic:0 annuler", "historique"},
        {"motcle mot:Chapeau chercher clic:1 annuler 1 motcle mot:volve chercher annuler",
         "abandons"}};
    for (const auto &[gestes, nom] : cas) {
        Resultat r = Lance(dossier, "parcours" + cle + gestes);
        ASSERT_EQ(r.statut, 0) << r.erreurs;
        EXPECT_EQ(r.erreurs, "") << gestes;
        const std::string fichier = std::string("parcours/mot-cle-") + nom + ".txt";
        EXPECT_EQ(r.sortie, Attendu(fichier, r.sortie)) << gestes;
    }
}

// What the printed state does not show: the panel in the options' place while hits show, their
// colour, the beep of a search that finds nothing, and the outcomes button once a hit is taken.
TEST_F(Recherche, PanneauCouleurEtBip) {
    Cherche("volve");
    EXPECT_TRUE(F.Frame6.Visible && !F.Frame8.Visible && F.Parcours.RechercheAffichee);
    EXPECT_EQ(F.Parcours.MapRecherche(0), 7);
    EXPECT_EQ(F.List1.BackColor, 0xC0E0FFu);
    EXPECT_EQ(Bips(), 0);
    Cherche("rien de tel");
    EXPECT_EQ(Bips(), 1);
    Cherche("Volvariella", DansListe);
    EXPECT_EQ(F.List2.BackColor, 0xC0E0FFu);
    Cherche("fugace");
    W.Choisit(0);
    EXPECT_TRUE(!F.Frame6.Visible && F.Frame8.Visible && !F.Parcours.RechercheAffichee);
    EXPECT_EQ(F.List1.BackColor, CouleurFondFenetre);
    EXPECT_TRUE(F.Command4[Cmd4Suiv].Visible);
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
