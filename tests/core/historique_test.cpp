// The path history, the back step, the pick of a name and the sections, driven through the
// window model as the user would: loading a key, double clicks, buttons and list picks.

#include "tests/core/fenetre_essai.hpp"
#include "tests/core/lance_outils.hpp"

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

// The position of Russula foetens in List2 (key order).
constexpr int NomFoetens = 3;

using Consultation = test::FenetreEssai;
using Textes = std::vector<std::string>;

// The walk, the back step, the notes and the prefix, the sections and the pick of a name, as
// lamelix-outils parcours prints the window after each gesture (kept in tests/data/parcours):
// the back step from each kind of place (a step, the first step, a species, a picked name); the
// line breaks shown at once while hiding the notes and the prefix wait for the next redisplay;
// a section title picked once "Section" makes the titles navigable; a picked name reached without
// a break in the sequence (black), through an orphan line (red, with or without the notes) and
// from a line that nothing calls.
TEST(Historique, EtatsApresChaqueGeste) {
    test::DossierTemporaire dossier;
    const std::string cle = " '" + dossier.Ecrit("essai.cle", CleEssai) + "' ";
    const std::pair<const char *, const char *> cas[] = {
        {"1 0 sauts notes prefixe sauts retour retour 0 1 retour", "parcours/historique.txt"},
        {"0 section nom:1 0 raz nom:0 retour raz nom:3 notes nom:3 nom:5",
         "parcours/noms-sections.txt"}};
    for (const auto &[gestes, fichier] : cas) {
        test::Resultat r = test::Lance(dossier, "parcours" + cle + gestes);
        ASSERT_EQ(r.statut, 0) << r.erreurs;
        EXPECT_EQ(r.erreurs, "") << gestes;
        EXPECT_EQ(r.sortie, test::Attendu(fichier, r.sortie)) << gestes;
    }
}

// What the printed state does not show: the back step that resets once there is nothing left
// to undo, the outcomes button given back with the species, the sections' own map, and the
// enlarged view of a name.
TEST(Historique, RetourSansEtapeEtSections) {
    Consultation c(CleEssai);
    Lamelix &f = *c.F;
    c.Choisit(0);
    c.Retour();
    f.List2.Clear();
    c.Retour();
    EXPECT_EQ(std::tuple(f.Parcours.EntiteCourante, f.Label1.Caption), std::tuple(1, "6"));
    c.Choisit({0, 1});
    ASSERT_TRUE(f.Parcours.EspeceAtteinte);
    c.Retour();
    EXPECT_TRUE(!f.Parcours.EspeceAtteinte && f.Command4[Cmd4Suiv].Enabled);

    ChargeSection(f);
    EXPECT_EQ(std::tuple(f.Parcours.NbEtapes, f.Parcours.TotalListe, f.Parcours.MapNoms(1)),
              std::tuple(0, 2, 5));
    EXPECT_EQ(f.List2.Items[1].ItemData, 1);
    Consultation sansTitre("1,2 $Un\n1,0 $Deux$Espece\n2,0 $Trois$Autre\n");
    ChargeSection(*sansTitre.F);
    EXPECT_EQ(sansTitre.F->List2.ListCount() + sansTitre.F->Parcours.NbNoms, 0);

    RAZ_Choix(f);
    f.List2.Selectionne(NomFoetens);
    List2_MouseDown(f, BoutonDroit, 0);
    EXPECT_EQ(f.zoomlist.Text, "Russula foetens");
    List2_MouseUp(f, BoutonDroit, 0);
    EXPECT_FALSE(f.zoomlist.Visible);
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
