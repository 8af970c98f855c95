// The main window alone, with the windows above it replaced by a record of what it asks them,
// and its key loads seen by a subscriber.

#include "consult/lamelix.hpp"
#include "platform/piege.hpp"
#include "tests/core/banc_cle.hpp"
#include "tests/fenetres_factices.hpp"

#include <gtest/gtest.h>
#include <memory>

namespace lamelix::test {
namespace {

struct FenetreSeule : ::testing::Test {
    DossierTemporaire Dossier;
    ServicesFactices Dialogues;
    FenetresFactices Fenetres;
    std::unique_ptr<Programme> Prog = std::make_unique<Programme>();
    Lamelix F{*Prog, Dialogues, Fenetres};
    int Chargements = 0;

    FenetreSeule() {
        F.AbonneChargement([this] { ++Chargements; });
    }
    void Charge(std::string_view octets, const std::string &nom = "k.cle") {
        ChargeCle(F, Dossier.Ecrit(nom, octets));
    }
    void DoubleClic(int position) {
        ExecuteGestionnaire([&] {
            F.List1.Selectionne(position);
            List1_DblClick(F);
        });
    }
};

constexpr std::string_view Cle = "1,2 $Lames\n1,0 $Tubes$Boletus edulis$F\"b.pdf\"\n"
                                 "2,0 $Volve$Amanita phalloides\n2,0 $Anneau$Armillaria\n";

TEST_F(FenetreSeule, LesFenetresDuDessusSontAppeleesAuBonMoment) {
    Charge(Cle);
    Fenetres.Appels.clear();
    F.Check4.SetValue(1); // every new step translated
    DoubleClic(0);
    EXPECT_EQ(Fenetres.Appels, (std::vector<std::string>{"traduirebtn_Click: 0"}));

    Fenetres.Appels.clear();
    F.Check4.SetValue(0);
    DoubleClic(0);
    copie_LM1(F);
    bouton_Click(F, 0);
    DoubleClic(1);
    copie_LM2(F);
    compare_Hist(F);
    EXPECT_EQ(Fenetres.Appels,
              (std::vector<std::string>{
                  "Form1_Texte: ", "Form1_Texte: ",
                  "Form1_Texte: Amanita phalloides   vs    Armillaria\r\n\r\nLames\r\n",
                  "Form1_Montre"}));
    EXPECT_FALSE(F.Moi.Visible);

    // Chosen with automatic opening, a complement goes straight to the shell.
    Fenetres.Appels.clear();
    bouton_Click(F, 1);
    F.AutoExec = true;
    DoubleClic(1);
    EXPECT_EQ(Fenetres.Appels.front(), "Xshell: F\"b.pdf\"");
}

TEST_F(FenetreSeule, UnChargementEstAnnonceQuandLesTablesChangent) {
    Charge(Cle);
    EXPECT_EQ(Chargements, 1);
    Charge("pas une clé\n"); // refused after the reset: the tables are emptied
    EXPECT_EQ(Chargements, 2);
    EXPECT_EQ(F.Parcours.NbNoms, 0);
    ChargeCle(F, Dossier.Chemin("absente.cle")); // refused before anything changes
    Charge("sans marqueur\n", "t.txt");          // a txt file without the key marker
    EXPECT_EQ(Chargements, 2);
}

TEST(Consultation, CheminRemplaceEtNomsRemplaces) {
    auto c = std::make_unique<Consultation>();
    c->RemplaceChemin({4, 5, 6});
    c->RemplaceChemin({7});
    EXPECT_EQ(c->Chemin(), (std::vector<int16_t>{7}));
    EXPECT_EQ(c->Hist(2), 0); // the old path's next step does not show through
    EXPECT_THROW(c->RemplaceChemin(std::vector<int16_t>(MaxEtapes, 1)), ErreurExecution);

    c->RemplaceNoms(std::vector<int16_t>(MaxIndexChoix + 5, 3));
    EXPECT_EQ(c->NbNoms, MaxIndexChoix + 5);
    EXPECT_EQ(c->MapNoms(MaxIndexChoix), 3);
    c->VideNoms();
    EXPECT_EQ(c->MapNoms(MaxIndexChoix), 0);
    EXPECT_EQ(c->MapNoms(0), 0);
}

} // namespace
} // namespace lamelix::test
