// The key map: its rows on a small key, the path taken, the filter, and the jump of the
// consultation from a row, which must equal the pick of the same line in List2.

#include "search/plan_cle.hpp"
#include "tests/core/etat_consultation.hpp"
#include "tests/core/fenetre_essai.hpp"

#include <gtest/gtest.h>
#include <string_view>
#include <vector>

namespace lamelix {
namespace {

// Lines: 1 and 2 in entity 1 (2 calls the secondary key, entity 4 once renumbered), 3 to 5 in
// entity 2 (5 is a note under 4; 1 and 4 begin sections), 6 and 7 in entity 3, 8 the header of the
// secondary key, 9 and 10 its entity.
constexpr std::string_view Cle = "rem$UTF8$\n"
                                 "titre$Champignons\n"
                                 "1,2 $Lames présentes$$S\"Lamellés\"\n"
                                 "1,CS1 $Tubes sous le chapeau\n"
                                 "2,0 $Chapeau ÉCARLATE$Amanita muscaria\n"
                                 "2,3 $Chapeau brun$$S\"Brunâtres\"\n"
                                 "2,0,N $une note légère\n"
                                 "3,0 $Odeur d'anis$Clitocybe odora\n"
                                 "3,0 $Sans odeur$Collybia dryophila\n"
                                 "CS1,0 $Clé des bolets\n"
                                 "1,0 $Pores rouges$Boletus luridus\n"
                                 "1,0 $Pores blancs$Boletus edulis\n";

using G = GenrePlan;
using Noeuds = std::vector<NoeudPlan>;

NoeudPlan prop(int16_t ligne) {
    return {G::Proposition, ligne, 0};
}
NoeudPlan entite(int16_t e) {
    return {G::Entite, 0, e};
}

struct Plan : test::FenetreEssai {
    PlanCle &P = App->Plan();
    Plan() { Charge(Cle); }
    void Filtre(const std::string &mot) {
        P.Filtre.SetText(mot);
        PreparePlan(P);
    }
};

TEST(PlanCle, RangsDeLaCle) {
    Plan t;
    PreparePlan(t.P);
    const Noeuds racines = RacinesPlan(t.P);
    ASSERT_EQ(racines, (Noeuds{{G::Cle, 0, 1}, {G::Cle, 8, 4}}));
    EXPECT_EQ(TextePlan(t.P, racines[0]), "Champignons");
    EXPECT_EQ(TextePlan(t.P, racines[1]), "Clé secondaire 1 : Clé des bolets");
    EXPECT_EQ(EnfantsPlan(t.P, racines[0]), (Noeuds{{G::Section, 1, 0}, prop(1), prop(2)}));
    EXPECT_EQ(TextePlan(t.P, {G::Section, 1, 0}), "§ Lamellés");
    // The call of the secondary key leads to its first entity.
    EXPECT_EQ(EnfantsPlan(t.P, prop(2)), Noeuds{entite(4)});
    EXPECT_EQ(EnfantsPlan(t.P, entite(4)), (Noeuds{prop(9), prop(10)}));
    EXPECT_EQ(EnfantsPlan(t.P, entite(2)), (Noeuds{prop(3), {G::Section, 4, 0}, prop(4)}));
    EXPECT_EQ(EnfantsPlan(t.P, prop(4)), (Noeuds{{G::Note, 5, 0}, entite(3)}));
    EXPECT_EQ(EnfantsPlan(t.P, prop(3)), (Noeuds{{G::Espece, 3, 0}}));
    EXPECT_EQ(TextePlan(t.P, {G::Note, 5, 0}), "Note : une note légère");
    EXPECT_EQ(TextePlan(t.P, {G::Espece, 3, 0}), "Amanita muscaria");
    EXPECT_EQ(TextePlan(t.P, entite(3)), "Entité 3");
    EXPECT_FALSE(APourEnfants(t.P, {G::Espece, 3, 0}));
}

TEST(PlanCle, CheminJusquALEntiteCourante) {
    Plan t;
    t.Choisit({0, 1});
    PreparePlan(t.P);
    EXPECT_EQ(CheminPlan(t.P), (Noeuds{{G::Cle, 0, 1}, prop(1), entite(2), prop(4), entite(3)}));
    EXPECT_TRUE(EtatNoeud(t.P, entite(3)).Courant);
    EXPECT_TRUE(EtatNoeud(t.P, prop(4)).SurChemin);
    EXPECT_TRUE(EtatNoeud(t.P, {G::Note, 5, 0}).SurChemin);
    EXPECT_FALSE(EtatNoeud(t.P, prop(3)).SurChemin);
    t.Choisit(0);
    PreparePlan(t.P);
    EXPECT_EQ(CheminPlan(t.P).back(), (NoeudPlan{G::Espece, 6, 0}));
    EXPECT_TRUE(EtatNoeud(t.P, {G::Espece, 6, 0}).Courant);
}

TEST(PlanCle, FiltreSansCasseNiAccents) {
    Plan t;
    // A word of a proposition keeps it and the lines above it, nothing else.
    t.Filtre("ecarlate");
    EXPECT_EQ(RacinesPlan(t.P), (Noeuds{{G::Cle, 0, 1}}));
    EXPECT_EQ(EnfantsPlan(t.P, {G::Cle, 0, 1}), (Noeuds{{G::Section, 1, 0}, prop(1)}));
    EXPECT_EQ(EnfantsPlan(t.P, entite(2)), Noeuds{prop(3)});
    EXPECT_TRUE(EtatNoeud(t.P, prop(3)).Trouve);
    EXPECT_FALSE(EtatNoeud(t.P, prop(1)).Trouve);
    // A note's word keeps its proposition, not the entity it leads to.
    t.Filtre("LÉGÈRE");
    EXPECT_EQ(EnfantsPlan(t.P, prop(4)), (Noeuds{{G::Note, 5, 0}}));
    // Species names reach into the secondary key, through the line that calls it.
    t.Filtre("boletus");
    EXPECT_EQ(RacinesPlan(t.P), (Noeuds{{G::Cle, 0, 1}, {G::Cle, 8, 4}}));
    EXPECT_EQ(EnfantsPlan(t.P, {G::Cle, 0, 1}), Noeuds{prop(2)});
    EXPECT_TRUE(OuvertParFiltre(t.P, entite(4), {{G::Cle, 0, 1}, prop(2)}));
    EXPECT_FALSE(OuvertParFiltre(t.P, entite(4), {{G::Cle, 8, 4}}));
    // A word of a section title alone keeps the line it heads and the path down to it.
    t.Filtre("brunatres");
    EXPECT_EQ(EnfantsPlan(t.P, {G::Cle, 0, 1}), (Noeuds{{G::Section, 1, 0}, prop(1)}));
    EXPECT_EQ(EnfantsPlan(t.P, entite(2)), (Noeuds{{G::Section, 4, 0}, prop(4)}));
    EXPECT_TRUE(EtatNoeud(t.P, {G::Section, 4, 0}).Trouve && EtatNoeud(t.P, prop(4)).Trouve);
    EXPECT_FALSE(EtatNoeud(t.P, prop(1)).Trouve);
    t.Filtre("introuvable");
    EXPECT_TRUE(RacinesPlan(t.P).empty());
    t.Filtre("  ");
    EXPECT_FALSE(t.P.Filtrant());
}

// Every letter, the last ones of the alphabet included, is found whatever its case.
TEST(PlanCle, FiltreDeChaqueLettreDansLesDeuxCasses) {
    test::FenetreEssai w("1,0 $ABCDEFGHIJKLMNOPQRSTUVWXYZ$\n1,0 $abcdefghijklmnopqrstuvwxyz$\n");
    PlanCle &p = w.App->Plan();
    for (char c = 'a'; c <= 'z'; ++c) {
        for (const char lettre : {c, static_cast<char>(c - 'a' + 'A')}) {
            p.Filtre.SetText(std::string(1, lettre));
            PreparePlan(p);
            ASSERT_EQ(p.Trouvees.size(), 3u);
            EXPECT_TRUE(p.Trouvees[1] && p.Trouvees[2]) << lettre;
        }
    }
}

TEST(PlanCle, SautEgalAuChoixDansList2) {
    // The section line picked in the list of sections, and the same line in the map: the map
    // was not the list picked from, which then lists the outcomes of the new place.
    Plan liste, plan;
    liste.Gere([&] { Command4_Click(*liste.F, Cmd4Section); });
    liste.Prend(0);
    liste.Gere([&] { Command4_Click(*liste.F, Cmd4Suiv); });
    plan.Gere([&] { Command4_Click(*plan.F, Cmd4Section); });
    plan.Gere([&] { Plan_DblClick(plan.P, {G::Section, 1, 0}); });
    EXPECT_EQ(test::EtatConsultation(*plan.F), test::EtatConsultation(*liste.F));
    EXPECT_EQ(plan.F->Parcours.EntiteCourante, 2);

    // A terminal proposition deep in the key: the path is rebuilt up to it, its species shown.
    plan.Gere([&] { Plan_DblClick(plan.P, {G::Espece, 6, 0}); });
    EXPECT_EQ(plan.F->Parcours.NbEtapes, 3);
    EXPECT_EQ(plan.F->Parcours.Hist(3), 6);
    EXPECT_EQ(plan.F->Text2.Text, "Clitocybe odora");
    EXPECT_EQ(plan.F->Text1.Text,
              "Lames présentes\r\nChapeau brun\r\n *Note*... :une note légère\r\nOdeur d'anis\r\n");
    // Rows that are no key line change nothing.
    const std::string avant = test::EtatConsultation(*plan.F);
    plan.Gere([&] { Plan_DblClick(plan.P, entite(3)); });
    EXPECT_EQ(test::EtatConsultation(*plan.F), avant);
}

} // namespace
} // namespace lamelix
