// The comparison of two memorised paths: the "Comparer" box and the window the comparison shows
// in, which the bibliography shares.

#include "search/form1.hpp"
#include "search/liens_web.hpp"
#include "tests/core/fenetre_essai.hpp"

#include <gtest/gtest.h>

namespace lamelix::test {
namespace {

TEST(ComparaisonFautes, LaCaseMontreLesBoutonsEtLaBibliographieGardeSonTexte) {
    FenetreEssai w;
    w.Charge("1, 0 $Volve$Amanita\r\n1, 0 $Sans$Russula\r\n");
    Lamelix &f = *w.F;
    // Ticked, the box shows the comparison buttons; unticked, it hides them. "Reprise" belongs
    // to the keyword search: no search has run, it stays hidden.
    for (int fois = 0; fois < 3; ++fois) {
        for (int i : {Cmd4Compare, Cmd4LM1, Cmd4LM2})
            EXPECT_EQ(f.Command4[static_cast<std::size_t>(i)].Visible, f.Check_Compare.Value == 1)
                << i << " " << fois;
        EXPECT_FALSE(f.Command4[Cmd4Reprise].Visible);
        FenetreEssai::Gere([&] {
            f.Check_Compare.SetValue(f.Check_Compare.Value == 1 ? 0 : 1);
            Check_Compare_Click(f);
        });
    }

    w.Choisit(0);
    Command4_Click(f, Cmd4LM1);
    w.Retour();
    w.Choisit(1);
    Command4_Click(f, Cmd4LM2);
    Command4_Click(f, Cmd4Compare);
    Form1 &biblio = w.App->Biblio();
    ASSERT_NE(biblio.Text1.Text.find("vs"), std::string::npos);
    Command1_Click(biblio, 1);
    // The bibliography offers the species' words, not the comparison's text.
    Command6_Click(w.App->Barre(), 3);
    EXPECT_TRUE(biblio.Moi.Visible);
    EXPECT_EQ(biblio.Text1.Text, "");
}

} // namespace
} // namespace lamelix::test
