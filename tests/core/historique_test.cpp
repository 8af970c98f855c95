// The path history, the back step, the pick of a name and the sections, driven through the
// window model as the user would: loading a key, double clicks, buttons and list picks.

#include "tests/core/fenetre_essai.hpp"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

namespace lamelix {
namespace {

// Entity 1 leads to 2 (two species) or 3 (titled, with a note on its first proposition);
// 3 leads to 4. Entity 5 is never called, but its first line is the last caller of 4, so the
// predecessor of the lines of 4 is an orphan line.
constexpr std::string_view CleEssai = "titre$Essai\n"
                                      "1,2 $Chapeau rouge\n"
                                      "1,3 $Chapeau brun$$S\"  Bruns\"\n"
                                      "2,0 $Pied blanc$Amanita muscaria\n"
                                      "2,0 $Pied jaune$Amanita regalis\n"
                                      "3,4 $Lames///serrees$$S\"Lamelles\"\n"
                                      "3,0,N $lames fines///et nombreuses\n"
                                      "3,0 $Lames espacees$Russula rosea\n"
                                      "4,0 $Odeur forte$Russula foetens\n"
                                      "4,0 $Sans odeur$Russula integra\n"
                                      "5,4 $Branche isolee\n"
                                      "5,0 $Feuille isolee$Isolata\n";

// Positions of the species in List2 (key order).
constexpr int NomMuscaria = 0;
constexpr int NomFoetens = 3;
constexpr int NomIsolata = 5;

const std::string SansPredecesseur = "Attention  !  cette entité n'a pas de prédédent dans la clé";
const std::string NoteLames = " *Note*... :lames fines///et nombreuses\r\n";

using Consultation = test::FenetreEssai;
using Textes = std::vector<std::string>;

TEST(Historique, MarcheEtRetourPasAPas) {
    Consultation c(CleEssai);
    Lamelix &f = *c.F;
    c.Choisit(1);
    c.Choisit(0);
    EXPECT_EQ(f.Parcours.EntiteCourante, 4);
    EXPECT_EQ(f.Text1.Text, "Chapeau brun\r\nLames///serrees\r\n" + NoteLames);
    EXPECT_EQ(f.Text5.Text, "  Bruns\r\nLamelles\r\n");

    c.Retour();
    EXPECT_EQ(std::tuple(f.Parcours.NbEtapes, f.Parcours.Hist(2), f.Parcours.EntiteCourante),
              std::tuple(1, 0, 3));
    EXPECT_EQ(c.Propositions(), (Textes{"Lames///serrees", "Lames espacees"}));
    EXPECT_EQ(f.Text1.Text + f.Text5.Text, "Chapeau brun\r\n  Bruns\r\n");

    // Back from the first entity's step: the history empties and entity 1 is offered again.
    c.Retour();
    EXPECT_EQ(f.Parcours.NbEtapes, 0);
    EXPECT_EQ(f.Text1.Text, "");
    EXPECT_EQ(c.Propositions(), (Textes{"Chapeau rouge", "Chapeau brun"}));

    // With nothing left to undo the back step resets, and the names come back.
    f.List2.Clear();
    c.Retour();
    EXPECT_EQ(f.Parcours.EntiteCourante, 1);
    EXPECT_EQ(f.Label1.Caption, "6");

    // Back from a species: its entity is offered again.
    c.Choisit(0);
    c.Choisit(1);
    ASSERT_TRUE(f.Parcours.EspeceAtteinte);
    c.Retour();
    EXPECT_TRUE(!f.Parcours.EspeceAtteinte && f.Command4[Cmd4Suiv].Enabled && f.Text2.Text.empty());
    EXPECT_EQ(f.Parcours.EntiteCourante, 2);
    EXPECT_EQ(f.Text1.Text, "Chapeau rouge\r\n");
    EXPECT_EQ(f.Label1.Caption, std::to_string(f.List2.ListCount()));
}

TEST(Historique, NoteEnDernierePositionRemplaceeParSonPredecesseur) {
    Consultation c(CleEssai);
    Lamelix &f = *c.F;
    int16_t note = 6;
    HistoCherch(f, note);
    ASSERT_EQ(f.Parcours.NbEtapes, 2);
    ASSERT_EQ(f.Parcours.Hist(1), 2);
    f.Parcours.EntiteCourante = 3;
    // The note's predecessor is the line of entity 1 that calls entity 3.
    c.Retour();
    EXPECT_EQ(std::tuple(f.Parcours.EntiteCourante, f.Parcours.NbEtapes), std::tuple(1, 1));
    EXPECT_EQ(f.Text1.Text, "Chapeau brun\r\n");
}

TEST(Historique, NotesSautsDeLigneEtPrefixe) {
    Consultation c(CleEssai);
    Lamelix &f = *c.F;
    c.Choisit(1);
    c.Choisit(0);
    f.Check_saut_ligne.SetValue(1);
    Check_saut_ligne_Click(f);
    EXPECT_EQ(f.Text1.Text, "Chapeau brun\r\n"
                            "Lames\r\n   serrees\r\n   \r\n"
                            " *Note*... :lames fines\r\n   et nombreuses\r\n   \r\n");

    // Hiding the notes and the prefix show at the next redisplay only.
    f.chk_Fnote.SetValue(0);
    chk_Fnote_Click(f);
    Mnuprefx_Click(f, 0);
    EXPECT_NE(f.Text1.Text.find("*Note*"), std::string::npos);
    f.Check_saut_ligne.SetValue(0);
    f.Parcours.Hist(3) = 0; // an empty step
    f.Parcours.NbEtapes = 3;
    Check_saut_ligne_Click(f);
    EXPECT_EQ(f.Text1.Text, "\u00B0Chapeau brun\r\n\u00B0Lames///serrees\r\n\u00B0\r\n");

    Mnuprefx_Click(f, 0);
    EXPECT_FALSE(f.Mnuprefx[0].Checked);
}

TEST(Sections, TitresEtReprisePuisChoixSuivant) {
    Consultation sansTitre("1,2 $Un\n1,0 $Deux$Espece\n2,0 $Trois$Autre\n");
    ChargeSection(*sansTitre.F);
    EXPECT_EQ(sansTitre.F->List2.ListCount() + sansTitre.F->Parcours.NbNoms, 0);

    Consultation c(CleEssai);
    Lamelix &f = *c.F;
    c.Choisit(0);
    EXPECT_EQ(f.Text5.Text, ""); // no titled line on this path

    ChargeSection(f);
    EXPECT_EQ(std::tuple(f.Parcours.NbEtapes, f.Parcours.TotalListe, f.Parcours.MapNoms(1)),
              std::tuple(0, 2, 5));
    ASSERT_EQ(c.Noms(), (Textes{"Bruns", "Lamelles"}));
    EXPECT_EQ(f.List2.Items[1].ItemData, 1);

    // The button "Section" makes the titles navigable: picking one goes on from that line.
    f.Parcours.LignesNavigables = true;
    c.Prend(1);
    EXPECT_EQ(std::tuple(f.Parcours.NbEtapes, f.Parcours.EntiteCourante), std::tuple(2, 4));
    EXPECT_EQ(f.Text1.Text, "Chapeau brun\r\nLames///serrees\r\n" + NoteLames);
    EXPECT_EQ(f.Text5.Text, "  Bruns\r\nLamelles\r\n");
    EXPECT_EQ(c.Propositions(), (Textes{"Odeur forte", "Sans odeur"}));

    c.Choisit(0);
    EXPECT_EQ(std::tuple(f.Parcours.NbEtapes, f.Parcours.MarqueRetour), std::tuple(3, 0));
    EXPECT_EQ(f.Text2.Text, "Russula foetens");
}

TEST(ChoixNom, CheminSansRuptureEtRetourMarque) {
    Consultation c(CleEssai);
    Lamelix &f = *c.F;
    // The enlarged view shows the name whose position is the line's running number.
    f.List2.Selectionne(NomFoetens);
    List2_MouseDown(f, BoutonDroit, 0);
    EXPECT_EQ(f.zoomlist.Text, "Russula foetens");
    List2_MouseUp(f, BoutonDroit, 0);
    EXPECT_FALSE(f.zoomlist.Visible);

    c.Prend(NomMuscaria);
    EXPECT_EQ(f.Text1.Text + f.Text2.Text, "Chapeau rouge\r\nPied blanc\r\nAmanita muscaria");
    EXPECT_EQ(f.Text1.ForeColor, CouleurNoir);
    // Species names are not navigable.
    EXPECT_EQ(std::tuple(f.Parcours.EntiteCourante, f.List1.ListCount(), f.Parcours.MarqueRetour),
              std::tuple(2, 0, 1));

    // Back from a picked name: the picked line's entity is offered, one step less.
    c.Retour();
    EXPECT_EQ(std::tuple(f.Parcours.MarqueRetour, f.Parcours.NbEtapes), std::tuple(0, 1));
    EXPECT_EQ(f.Text1.Text + f.Text2.Text, "Chapeau rouge\r\n");
    EXPECT_EQ(c.Propositions(), (Textes{"Pied blanc", "Pied jaune"}));
}

TEST(ChoixNom, RuptureDeSequence) {
    Consultation c(CleEssai);
    Lamelix &f = *c.F;
    c.Prend(NomFoetens);
    EXPECT_EQ(f.Text1.ForeColor, CouleurRouge);
    EXPECT_EQ(f.Text1.Text, " Attention, rupture de séquence\r\ncf clé en 8/9\r\n"
                            "Branche isolee\r\nOdeur forte\r\n");
    EXPECT_EQ(std::tuple(f.Parcours.Hist(1), f.Parcours.Hist(2)), std::tuple(10, 8));

    // Without the notes each step gives way to the orphan-line notice.
    f.chk_Fnote.SetValue(0);
    chk_Fnote_Click(f);
    c.Prend(NomFoetens);
    EXPECT_EQ(f.Text1.Text, " ligne orpheline, clé  cf  8/97//\r\n");

    // A name whose line has no predecessor at all: only its own text, in red.
    c.Prend(NomIsolata);
    EXPECT_EQ(f.Text1.ForeColor, CouleurRouge);
    EXPECT_EQ(f.Text1.Text + f.Text2.Text, "Feuille isolee\r\n" + SansPredecesseur + "Isolata");
    EXPECT_EQ(f.Parcours.NbEtapes, 2); // the history is not touched
    EXPECT_TRUE(c.Dialogues.Journal.empty());
}

std::string CleEnChaine(int entites) {
    std::string cle;
    for (int e = 1; e < entites; ++e)
        cle += std::to_string(e) + "," + std::to_string(e + 1) + " $d" + std::to_string(e) + "\n";
    return cle + std::to_string(entites) + ",0 $fin$Espece finale\n";
}

TEST(Historique, CheminsDePlusDe2000Lignes) {
    Consultation c(CleEnChaine(2101));
    Lamelix &f = *c.F;
    const Textes depassement{
        "message:  avertissement 11/dépassement index-erreur chargement clé précompilée102"};

    int16_t ligne = 2000; // exactly 2000 lines fit without a word
    HistoCherch(f, ligne);
    EXPECT_TRUE(c.Dialogues.Journal.empty());
    EXPECT_EQ(std::tuple(f.Parcours.NbEtapes, f.Parcours.Hist(1)), std::tuple(2000, 1));

    ligne = 2101;
    HistoCherch(f, ligne);
    EXPECT_EQ(c.Dialogues.Journal, depassement);
    EXPECT_EQ(std::tuple(f.Parcours.NbEtapes, f.Parcours.Hist(1), f.Parcours.Hist(2000)),
              std::tuple(2000, 102, 2101));

    c.Dialogues.Journal.clear();
    c.Prend(0);
    EXPECT_EQ(c.Dialogues.Journal, depassement);
    EXPECT_EQ(std::tuple(f.Parcours.NbEtapes, f.Parcours.Hist(1), f.Parcours.MarqueRetour),
              std::tuple(2000, 102, 1));
    EXPECT_EQ(f.Text1.Text.substr(0, 6), "d102\r\n");

    c.Retour();
    EXPECT_EQ(std::tuple(f.Parcours.NbEtapes, f.Parcours.EntiteCourante), std::tuple(1999, 2101));

    // A reset clears every step of the longest path, the last one included.
    f.Parcours.Hist(MaxEtapes) = 2101;
    RazHist(f);
    for (int i = 1; i <= MaxEtapes; ++i)
        ASSERT_EQ(std::as_const(f.Parcours.Hist)(i), 0) << i;
}

TEST(Historique, EntiteNegativeDansLHistorique) {
    // The call of the secondary key lands on its first entity; its header line has E = -1.
    Consultation c("1,2 $Un\n"
                   "1,CS1 $Deux\n"
                   "2,0 $Trois$Espece\n"
                   "CS1,0 $Tete\n"
                   "1,0 $Secondaire$Autre\n");
    Lamelix &f = *c.F;
    c.Choisit(1);
    ASSERT_EQ(c.Propositions(), (Textes{"Secondaire"}));

    f.Parcours.Hist(2) = 4;
    f.Parcours.NbEtapes = 2;
    c.Retour();
    EXPECT_EQ(c.Dialogues.Journal, (Textes{"message: erreur 98 H4"}));
    EXPECT_EQ(f.Text1.Text, "Deux\r\n");
    // Nothing changes: still in the secondary key.
    EXPECT_EQ(std::tuple(f.Parcours.NbEtapes, f.Parcours.EntiteCourante), std::tuple(2, 3));
    EXPECT_EQ(c.Propositions(), (Textes{"Secondaire"}));
}

} // namespace
} // namespace lamelix
