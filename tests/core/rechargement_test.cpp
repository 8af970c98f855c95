// The key loaded again after its file changed on disk: the path taken is kept while the new key
// still leads that way, else the consultation starts again at the first entity and says why.

#include "consult/rechargement.hpp"
#include "platform/texte.hpp"
#include "tests/core/fenetre_essai.hpp"

#include <gtest/gtest.h>

namespace lamelix::test {
namespace {

struct CasRechargement {
    const char *nom;
    std::vector<int> choix; // positions double-clicked in List1 on the first key
    std::string nouvelle;   // the key saved over it
    Ecart pourquoi;
    int etape;           // the first step that does not hold
    Textes propositions; // List1 once loaded again
};

TEST(Rechargement, LeCheminEstGardeTantQuIlMeneAuMemeEndroit) {
    const std::string cle(CleChampignons);
    const auto change = [&cle](std::string_view quoi, std::string_view par) {
        return Remplace(cle, quoi, par);
    };
    const Textes debut{"Lames", "Tubes"};
    const Textes entite3{"Volve", "Sans volve"};
    const CasRechargement cas[] = {
        // clang-format off
        {"même clé", {0, 0}, cle, Ecart::Aucun, 0, entite3},
        {"texte changé", {0, 0}, change("$Anneau$", "$Anneau membraneux$"), Ecart::Aucun, 0,
         entite3},
        {"ligne ajoutée ailleurs", {0, 0}, cle + "3, 0 $Volve striee$Amanita vaginata\r\n",
         Ecart::Aucun, 0, {"Volve", "Sans volve", "Volve striee"}},
        {"espèce atteinte", {0, 0, 1}, cle, Ecart::Aucun, 0, {}},
        {"espèce renommée", {0, 0, 1}, change("rubescens", "pantherina"), Ecart::AutreDestination,
         3, debut},
        {"entité renumérotée", {0, 0}, Remplace(change("2, 3 $", "2, 4 $"), "3, 0 $", "4, 0 $"),
         Ecart::AutreDestination, 2, debut},
        {"première entité renumérotée", {0},
         Remplace(change("1, 2 $", "5, 2 $"), "1, 0 $", "5, 0 $"), Ecart::EntiteDisparue, 1, debut},
        {"proposition choisie retirée", {0, 1}, change("2, 0 $Sans anneau$Russula\r\n", ""),
         Ecart::LigneDisparue, 2, debut},
        {"proposition d'avant retirée", {0, 0, 1},
         change("3, 0 $Volve$Amanita phalloides\r\n", ""), Ecart::LigneDisparue, 3, debut},
        // clang-format on
    };
    for (const CasRechargement &c : cas) {
        FenetreEssai w(cle);
        Lamelix &f = *w.F;
        for (const int position : c.choix)
            w.Choisit(position);
        const std::vector<EtapeRelevee> avant = ReleveChemin(f.Parcours, f.Cle());
        const std::string especeAvant = f.Text2.Text;
        w.Dossier.Ecrit("essai.cle", c.nouvelle);
        bool recharge = false;
        w.Gere([&] { recharge = RechargeCle(f); });
        ASSERT_TRUE(recharge) << c.nom;

        const CheminRetrouve r = RetrouveChemin(avant, f.Cle());
        EXPECT_EQ(r.Pourquoi, c.pourquoi) << c.nom;
        EXPECT_EQ(r.Etape, c.etape) << c.nom;
        EXPECT_EQ(w.Propositions(), c.propositions) << c.nom;
        if (c.pourquoi == Ecart::Aucun) {
            EXPECT_EQ(f.Parcours.NbEtapes, static_cast<int16_t>(c.choix.size())) << c.nom;
            EXPECT_EQ(f.Parcours.Chemin(), r.Lignes) << c.nom;
            EXPECT_EQ(f.Text2.Text, especeAvant) << c.nom;
            EXPECT_EQ(f.StatusBar1.Caption, f.Libelles.SuiviCheminGarde) << c.nom;
        } else {
            EXPECT_EQ(f.Parcours.NbEtapes, 0) << c.nom;
            EXPECT_EQ(f.Text2.Text, "") << c.nom;
            const std::string annonce = f.StatusBar1.Caption;
            EXPECT_NE(annonce.find("repris au début : "), std::string::npos) << c.nom;
            EXPECT_NE(annonce.find(std::to_string(c.etape)), std::string::npos) << annonce;
        }
    }
}

// A save that no longer compiles leaves the window as a failed load does; the next good save
// loads it again, from the first entity.
TEST(Rechargement, UneCleCasseePuisReparee) {
    FenetreEssai w(CleChampignons);
    Lamelix &f = *w.F;
    w.Choisit({0, 0});
    const std::string chemin =
        w.Dossier.Ecrit("essai.cle", "1, 2 $Lames$\r\nzz, 0 $Tubes$Boletus\r\n");
    bool recharge = true;
    w.Gere([&] { recharge = RechargeCle(f); });
    EXPECT_FALSE(recharge);
    EXPECT_EQ(f.StatusBar1.Caption, f.Msg(MsgProblemeChargement) + chemin);
    EXPECT_TRUE(w.Propositions().empty());
    EXPECT_EQ(f.Cle().FichierCle, chemin);

    w.Dossier.Ecrit("essai.cle", CleChampignons);
    w.Gere([&] { recharge = RechargeCle(f); });
    EXPECT_TRUE(recharge);
    EXPECT_EQ(f.StatusBar1.Caption, f.Libelles.SuiviRechargee);
    EXPECT_EQ(w.Propositions(), (Textes{"Lames", "Tubes"}));
    EXPECT_EQ(f.Parcours.NbEtapes, 0);
}

} // namespace
} // namespace lamelix::test
