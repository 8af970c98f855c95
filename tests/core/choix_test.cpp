// Showing propositions and following choices in the window model, from a key loaded as the
// window loads it.

#include "tests/core/releve.hpp"

#include <gtest/gtest.h>
#include <tuple>

namespace lamelix::test {
namespace {

using Fenetre = FenetreEssai;

constexpr std::string_view Champignons = "1, 2 $Lames$\r\n"
                                         "1, 0 $Tubes$Boletus\r\n"
                                         "2, 3 $Anneau$\r\n"
                                         "2, 0, N $note sur l'anneau\r\n"
                                         "2, 0 $Sans anneau$Russula\r\n"
                                         "3, 0 $Volve$Amanita phalloides\r\n"
                                         "3, 0 $Sans volve$\r\n";

// The first propositions and the program's name for a key without title; a choice, then one
// past the note (key line 5, the note on line 4 stepped over) that reaches a species and empties
// both lists; a right click that enlarges a proposition and Esc that closes it, the status bar
// saying each; automatic opening keeping the names list at a species.
TEST(Choix, PropositionsChoixEtVueAgrandie) {
    Fenetre w(Champignons);
    Releve r(w);
    r("chargee");
    r("Lames", [&] { w.Choisit(0); });
    r("Sans anneau", [&] { w.Choisit(1); });
    r("RAZ", [&] { RAZ_Choix(*w.F); });
    r("clic droit sur Tubes", [&] {
        w.F->List1.Selectionne(1);
        List1_MouseDown(*w.F, BoutonDroit, 0);
    });
    r("Esc", [&] {
        int16_t echap = 27;
        List1_KeyPress(*w.F, echap);
    });
    r("Tubes en execution automatique", [&] {
        w.F->AutoExec = true;
        w.Choisit(1);
    });
    EXPECT_EQ(r.Texte(), r.Attendu("choix"));
}

TEST(Choix, ListeDesEspecesEtOptionIgnoreNomsVides) {
    Fenetre w(Champignons);
    EXPECT_EQ(w.Noms(), (Textes{"Boletus", "Russula", "Amanita phalloides", ""}));
    EXPECT_EQ(std::tuple(w.F->List2.Items[2].ItemData, w.F->Parcours.MapNoms(2),
                         w.F->Parcours.TotalListe),
              std::tuple(2, 6, 4));
    w.F->MnOutil[30].Checked = true;
    float mode = 1;
    ChargeListe(*w.F, mode);
    EXPECT_EQ(w.F->List2.ListCount(), 3);

    // The tools' variant gives every species line a map position, but nameless ones no line.
    ChargeListe_x(*w.F, mode);
    EXPECT_EQ(std::tuple(w.F->Parcours.NbNoms, w.F->List2.ListCount()), std::tuple(4, 3));
}

TEST(Choix, HistoriquePleinNeChangeRien) {
    Fenetre w(Champignons);
    w.F->Parcours.NbEtapes = MaxEtapes - 1; // the last step still fits
    w.Choisit(0);
    EXPECT_EQ(std::tuple(w.F->Parcours.NbEtapes, w.F->Parcours.EntiteCourante),
              std::tuple(MaxEtapes, 2));
    RAZ_Choix(*w.F);
    w.F->Parcours.NbEtapes = MaxEtapes;
    w.Choisit(0);
    EXPECT_EQ(
        std::tuple(w.F->Parcours.NbEtapes, w.F->Parcours.EntiteCourante, w.F->List1.ListCount()),
        std::tuple(MaxEtapes, 1, 2));
    // A position the list does not have does nothing either.
    w.F->Parcours.NbEtapes = 0;
    w.Choisit(7);
    EXPECT_EQ(w.F->Parcours.NbEtapes, 0);
}

// A key whose compilation stopped, or a file with nothing in it, leaves a window with no key:
// nothing of the compiler's intermediate tables shows, whatever the user does next.
TEST(Chargement, CompilationArreteeNeLaisseAucuneCle) {
    for (std::string_view defectueuse :
         {std::string_view("1, 2 $a\r\n1, 0 $b$B\r\n2, 0 $c$C $ F sans guillemet\r\n"),
          std::string_view("1, 2 $a\r\n1 $b\r\n"), std::string_view("")}) {
        Fenetre w;
        w.Charge(Champignons, "bonne.cle");
        w.Choisit(0);
        w.Charge(defectueuse);
        EXPECT_EQ(std::tuple(w.F->List1.ListCount(), w.F->Parcours.EntiteCourante,
                             w.F->Parcours.NbEtapes, w.F->Text1.Text),
                  std::tuple(0, 0, 0, ""))
            << defectueuse;
        RAZ_Choix(*w.F);
        EXPECT_EQ(w.F->List1.ListCount() + w.F->List2.ListCount(), 0);
    }
}

} // namespace
} // namespace lamelix::test
