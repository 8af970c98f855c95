// The key folder of the settings: "Sauver les options" keeps the folder the user chose, and a
// start whose default key is missing says so and offers to open one.

#include "tests/core/fenetre_essai.hpp"

#include <gtest/gtest.h>

namespace lamelix::test {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view Cle = "1, 0 $Lames$Agaricus\r\n1, 0 $Tubes$Boletus\r\n";

TEST(ReglagesFautes, LesOptionsGardentLeDossierChoisi) {
    PosteEssai p;
    Lamelix &f = *p.F;
    fs::create_directories(p.Racine + "/choisi");
    fs::create_directories(p.Racine + "/ailleurs");
    p.Dossier.Ecrit("choisi/defaut.cle", Cle);
    const std::string autre = p.Dossier.Ecrit("ailleurs/autre.cle", Cle);
    p.Dossier.Ecrit("Lamelix.ini", "REPDATA =" + p.Racine + "/choisi\r\n");
    Form_Activate(f);
    ASSERT_EQ(p.Prog->Cle.FichierCle, p.Racine + "/choisi/defaut.cle");

    // A key opened elsewhere is no choice of the key folder.
    OuvreFichier(f, autre);
    MnuSavIni_xy_Click(f);
    EXPECT_NE(p.Ini().find("REPDATA =" + p.Racine + "/choisi\r\n"), std::string::npos) << p.Ini();

    // The folder chosen in the options is.
    MnuOptFic_xy_Click(f, 0);
    f.DirList.Selectionne(0); // ".." from the folder of the key in use
    DirList_DblClick(f);
    cmdCommand9_Click(f, 0);
    OuvreFichier(f, autre);
    MnuSavIni_xy_Click(f);
    EXPECT_NE(p.Ini().find("REPDATA =" + p.Racine + "\r\n"), std::string::npos) << p.Ini();
}

TEST(ReglagesFautes, CleParDefautIntrouvableAuDemarrage) {
    for (const bool ouvre : {false, true}) {
        PosteEssai p;
        p.Dossier.Ecrit("Lamelix.ini", "REPDATA =" + p.Racine + "/parti\r\n");
        const std::string autre = p.Dossier.Ecrit("autre.cle", Cle);
        if (ouvre) p.Dialogues.Fichiers.push_back(autre);
        Form_Activate(*p.F);
        ASSERT_GE(p.Dialogues.Journal.size(), 2u);
        EXPECT_EQ(p.Dialogues.Journal[0],
                  "message: fichier " + p.Racine + "/parti/defaut.cle non trouvé ");
        EXPECT_EQ(p.Dialogues.Journal[1].rfind("ouvrir: ", 0), 0u);
        EXPECT_EQ(p.Prog->Cle.FichierCle, ouvre ? autre : "");
        EXPECT_EQ(p.F->List1.ListCount(), ouvre ? 2 : 0);
    }
}

} // namespace
} // namespace lamelix::test
