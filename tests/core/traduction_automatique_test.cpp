// When the window translates a new step by itself: the rule it applies after every handler.

#include "search/traduction_automatique.hpp"
#include "tests/core/fenetre_essai.hpp"

#include <gtest/gtest.h>

namespace lamelix::test {
namespace {

struct CasAutomatique {
    bool cheminChange, dejaTraduit, caseCochee, panneauVisible;
    bool traduit;
};

TEST(TraductionAutomatique, SeulementUnCheminNouveauNonTraduitPanneauOuvertCaseCochee) {
    const CasAutomatique cas[] = {
        {true, false, true, true, true},
        {false, false, true, true, false}, // the path is the same
        {true, true, true, true, false},   // the handler translated it already
        {true, false, false, true, false}, // "Automatique" unticked
        {true, false, true, false, false}, // the panel is closed
    };
    for (const CasAutomatique &c : cas) {
        FenetreEssai w;
        Traduction &t = w.App->Traducteur();
        Lamelix &f = *w.F;
        f.Check4.SetValue(c.caseCochee ? 1 : 0);
        f.Frame14.SetVisible(c.panneauVisible);
        const AvantGestionnaire avant = EtatAvantGestionnaire(t);
        if (c.cheminChange) f.Text1.SetText("1. Lames blanches");
        if (c.dejaTraduit) ++t.Traductions;
        EXPECT_EQ(TraduitAutomatiquement(t, avant), c.traduit)
            << c.cheminChange << c.dejaTraduit << c.caseCochee << c.panneauVisible;
    }
}

} // namespace
} // namespace lamelix::test
