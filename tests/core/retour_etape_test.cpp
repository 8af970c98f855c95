// Back to an earlier step of the path by a double click on it in Text1: the same state as that
// many "<==" in a row.

#include "tests/core/etat_consultation.hpp"
#include "tests/core/fenetre_essai.hpp"

#include <gtest/gtest.h>
#include <string_view>

namespace lamelix {
namespace {

constexpr std::string_view Cle = "1,2 $Lames\n"
                                 "1,0 $Tubes$Boletus\n"
                                 "2,3 $Chapeau brun\n"
                                 "2,0,N $une note sur le brun\n"
                                 "2,0 $Chapeau rouge$Amanita\n"
                                 "3,4 $Odeur forte\n"
                                 "3,0 $Sans odeur$Collybia\n"
                                 "4,0 $Pied creux$Russula\n"
                                 "4,0 $Pied plein$Lactarius\n";

struct Chemin : test::FenetreEssai {
    explicit Chemin(bool notes) {
        Charge(Cle);
        F->Parcours.AfficheNotes = notes;
        Choisit({0, 0, 0, 1}); // Lames, Chapeau brun, Odeur forte, Pied plein
    }
};

TEST(RetourEtape, EgalAutantDeRetours) {
    for (bool notes : {false, true}) {
        for (int retours = 0; retours <= 3; ++retours) {
            Chemin saut(notes), pas(notes);
            const int etape = 4 - retours;
            // With the notes shown, the note under step 2 takes a line of its own.
            const int ligne = notes && etape > 2 ? etape : etape - 1;
            saut.Gere([&] { Text1_DblClick(*saut.F, ligne); });
            for (int i = 0; i < retours; ++i)
                pas.Retour();
            EXPECT_EQ(test::EtatConsultation(*saut.F), test::EtatConsultation(*pas.F))
                << "notes " << notes << ", " << retours << " retours";
        }
    }
}

TEST(RetourEtape, LigneDeNoteEtTexteRemplace) {
    Chemin saut(true), pas(true);
    // The note's line belongs to step 2.
    saut.Gere([&] { Text1_DblClick(*saut.F, 2); });
    pas.Retour();
    pas.Retour();
    EXPECT_EQ(test::EtatConsultation(*saut.F), test::EtatConsultation(*pas.F));
    // Past the last line, or once Text1 shows something else than the path, nothing moves.
    const std::string avant = test::EtatConsultation(*saut.F);
    saut.Gere([&] { Text1_DblClick(*saut.F, 40); });
    saut.F->Text1.SetText("autre chose\r\n");
    saut.Gere([&] { Text1_DblClick(*saut.F, 0); });
    saut.F->Text1.SetText(saut.F->Parcours.TexteEtapes);
    EXPECT_EQ(test::EtatConsultation(*saut.F), avant);
}

} // namespace
} // namespace lamelix
