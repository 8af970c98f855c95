// A txt file with no field to read: reading its marker goes past the end, a run-time error of
// the load, which says so as every other (message 131 and the path) and leaves the
// consultation in progress.

#include "tests/core/fenetre_essai.hpp"

#include <gtest/gtest.h>

namespace lamelix::test {
namespace {

TEST(ChargementFautes, FichierTxtSansAucunChamp) {
    const std::pair<const char *, bool> cas[] = {
        {"", true}, {"  \t ", true}, {" \r\n", false}, {"1, 0 $a\r\n", false}};
    for (const auto &[octets, auDelaDeLaFin] : cas) {
        FenetreEssai w;
        Lamelix &f = *w.F;
        w.Charge("1, 2 $Feuilles$\r\n1, 0 $Aiguilles$Pinus\r\n2, 0 $a$A\r\n2, 0 $b$B\r\n");
        w.Choisit(0);
        const std::string chemin = w.Dossier.Ecrit("v.txt", octets);
        w.Dialogues.Journal.clear();
        w.Gere([&] { OuvreFichier(f, chemin); });
        const std::string attendu = auDelaDeLaFin
                                        ? f.Msg(MsgProblemeChargement) + chemin
                                        : " le fichier " + chemin + " n'est pas un fichier clé";
        EXPECT_EQ(w.Dialogues.Journal, (Textes{"message: " + attendu})) << octets;
        EXPECT_EQ(f.Parcours.EntiteCourante, 2) << octets;
        EXPECT_EQ(FenetreEssai::Lignes(f.List1), (Textes{"a", "b"})) << octets;
        EXPECT_FALSE(f.FraFlash.Visible) << octets;
    }
}

} // namespace
} // namespace lamelix::test
