// The look-ups of the species reached: the addresses sent for each button of the bar, on the
// sites of the settings; the bibliography window's words; the links of complements.

#include "search/liens_web.hpp"
#include "tests/core/fenetre_essai.hpp"

#include <gtest/gtest.h>

namespace lamelix::test {
namespace {

TEST(LiensWeb, ChaqueBoutonEnvoieSonAdresseEncodee) {
    Reglages r;
    r.WebImages = "https://img.ex";
    r.WebBase = "https://base.ex";
    r.WebInventaire = "https://inv.ex";
    r.WebRecherche = "https://cherche.ex";
    r.WebSite = "site.ex";
    const std::string t = " AMANITA PHALLOÏDES VAR. ALBA";
    const std::string e = "%20AMANITA%20PHALLO%C3%8FDES%20VAR.%20ALBA";
    EXPECT_EQ(EncodeRequete(t), e);
    EXPECT_EQ(AdresseCommande6(r, 0, t, ""),
              "https://img.ex/images?um=1&hl=fr&lr=lang_fr&q=" + e + "&btnG=Recherche+d%27images");
    EXPECT_EQ(AdresseCommande6(r, 1, t, ""),
              "https://base.ex/quicksearch.php?action=search&type=espece&query=" + e);
    EXPECT_EQ(AdresseCommande6(r, 5, t, ""),
              "https://inv.ex/accueil/recherche-de-donnees/especes/");
    EXPECT_EQ(AdresseCommande6(r, 6, t, ""), "https://cherche.ex/search?q=site:site.ex+%22,+%22+"
                                             "site.ex++++" +
                                                 e + "(Description)");
    EXPECT_EQ(AdresseCommande6(r, 7, t, ""),
              "https://base.ex/registre.php?query=" + e + "&action=search");
    EXPECT_EQ(AdresseCommande6(r, 8, t, "Clé & co"),
              "https://cherche.ex/search?q=" + e +
                  "%20or%20Cl%C3%A9%20%26%20co%20filetype%20%3A%20pdf");
    for (int sansAdresse : {2, 3, 4})
        EXPECT_EQ(AdresseCommande6(r, sansAdresse, t, ""), "");
    EXPECT_EQ(AdresseBibliographie(r, "PHALLOÏDES"),
              "https://base.ex/quenardfull.php?query=PHALLO%C3%8FDES&action=search&source=popup");
}

struct Consultation : FenetreEssai {
    Consultation() {
        Charge("TITRE$Amanites\r\n1, 0 $Volve$Amanita phalloides var. alba (amanite)\r\n"
               "1, 0 $Sans volve$Amanita rubescens\r\n");
    }
    BarreWeb &Barre() { return App->Barre(); }
};

TEST(LiensWeb, LaBarreSuitLEspeceEtOuvreLesPages) {
    Consultation w;
    Text2_Change(w.Barre());
    EXPECT_FALSE(w.Barre().Command6[0].Enabled);
    EXPECT_TRUE(w.Barre().Command6[5].Enabled); // the inventory needs no name
    w.Choisit(0);
    Text2_Change(w.Barre());
    for (int i : {0, 1, 2, 3, 8})
        EXPECT_TRUE(w.Barre().Command6[static_cast<std::size_t>(i)].Enabled) << i;

    w.Dialogues.Appels.clear();
    Command6_Click(w.Barre(), 1);
    ASSERT_EQ(w.Dialogues.Appels.size(), 2u);
    EXPECT_EQ(w.Dialogues.Appels[0], "connexion");
    EXPECT_EQ(w.Dialogues.Appels[1].rfind("shell: " + w.F->Options().WebBase +
                                              "/quicksearch.php?action=search&type=espece&query=",
                                          0),
              0u);
    EXPECT_EQ(w.Dialogues.Appels[1].find(' ', 7), w.Dialogues.Appels[1].find(" | "));
    EXPECT_EQ(w.F->LblflashX.Caption, w.F->Msg(191));

    // Without a connection: the notice, and nothing opened; the web searches do not ask.
    w.Dialogues.Connecte = false;
    w.Dialogues.Appels.clear();
    Command6_Click(w.Barre(), 0);
    EXPECT_EQ(w.Dialogues.Appels, Textes{"connexion"});
    EXPECT_EQ(w.F->LblflashX.Caption, w.F->Msg(190));
    Command6_Click(w.Barre(), 8);
    EXPECT_EQ(w.Dialogues.Appels.back().rfind("shell: " + w.F->Options().WebRecherche, 0), 0u);

    // The translation frame comes and goes.
    Command6_Click(w.Barre(), 4);
    EXPECT_TRUE(w.F->Frame14.Visible);
    Command6_Click(w.Barre(), 4);
    EXPECT_FALSE(w.F->Frame14.Visible);
}

TEST(LiensWeb, LaBibliographieOffreLesNeufPremiersMots) {
    Consultation w;
    Form1 &biblio = w.App->Biblio();
    Tdecompose(biblio, "  un deux   trois quatre cinq six sept huit neuf dix onze ");
    std::vector<std::string> mots;
    for (const OptionButton &o : biblio.Option1)
        if (o.Visible) mots.push_back(o.Caption);
    EXPECT_EQ(mots,
              (Textes{"un", "deux", "trois", "quatre", "cinq", "six", "sept", "huit", "neuf"}));
    EXPECT_TRUE(biblio.Option1[0].Value);
    Tdecompose(biblio, "Amanita");
    EXPECT_FALSE(biblio.Option1[1].Visible);

    biblio.Option1[0].SetValue(true);
    Form1_Montre(biblio);
    w.F->Moi.SetVisible(false);
    Command1_Click(biblio, 0);
    EXPECT_TRUE(
        w.Dialogues.AAppele("shell: " + AdresseBibliographie(w.F->Options(), "Amanita") + " | "));
    EXPECT_FALSE(biblio.Moi.Visible);
    EXPECT_TRUE(w.F->Moi.Visible);

    // Button 3 of the bar opens the window on the composed name.
    w.Choisit(0);
    Command6_Click(w.Barre(), 3);
    EXPECT_TRUE(biblio.Moi.Visible);
    EXPECT_EQ(biblio.Moi.Caption, "Bibliographie J Quenard");
    EXPECT_TRUE(biblio.Option1[0].Visible);
}

TEST(LiensWeb, LesLiensDesComplementsSuiventLeurGenre) {
    Consultation w;
    w.Dialogues.Appels.clear();
    Xshell(*w.F, " f\"https://exemple.org/fiche\" ");
    EXPECT_EQ(w.Dialogues.Appels, Textes{"shell: https://exemple.org/fiche | "});
    Xshell(*w.F, "S\"https://exemple.org/section\"");
    EXPECT_EQ(w.Dialogues.Appels.size(), 1u); // only file links are opened
    Xshell(*w.F, "F\"javascript:alert(1)\"");
    EXPECT_EQ(w.Dialogues.Appels.size(), 1u);
    EXPECT_EQ(w.Dialogues.Journal.back().rfind("message: adresse refusée : javascript:alert(1)", 0),
              0u);
    const std::string fiche = w.Dossier.Ecrit("fiche.html", "<p>fiche</p>");
    Xshell(*w.F, "F\"fiche.html\"");
    EXPECT_TRUE(w.Dialogues.AAppele("shell: " + fiche + " | " + w.F->RepProgramme));
}

} // namespace
} // namespace lamelix::test
