// The picture of a proposition: the file its complements name, and the button "Image" that is
// enabled only when there is one to show.

#include "tests/core/fenetre_essai.hpp"

#include <filesystem>
#include <gtest/gtest.h>

namespace lamelix::test {
namespace {

namespace fs = std::filesystem;

struct Photos : FenetreEssai {
    std::string Racine = fs::path(Dossier.Chemin("x")).parent_path().string();
    Photos() {
        fs::create_directories(Racine + "/photos");
        Dossier.Ecrit("photos/lepiote.JPG", "jpeg");
        Dossier.Ecrit("Famanite.png", "png");
        Dossier.Ecrit("amanite.png", "png");
        Dossier.Ecrit("notice.pdf", "pdf");
    }
};

TEST(Image, NomTireDesComplements) {
    Photos p;
    const std::string &r = p.Racine;
    // The code letter and the quotes go; a path in Windows form is found in the key's folder.
    EXPECT_EQ(ImageDesComplements("F\"photos\\lepiote.JPG\"", r), r + "/photos/lepiote.JPG");
    EXPECT_EQ(ImageDesComplements("  F\"photos/lepiote.JPG\"  ", r), r + "/photos/lepiote.JPG");
    // The name with its code letter, when such a file exists, comes first.
    EXPECT_EQ(ImageDesComplements("F\"amanite.png\"", r), r + "/Famanite.png");
    EXPECT_EQ(ImageDesComplements("amanite.png", r), r + "/amanite.png");
    EXPECT_EQ(ImageDesComplements("F\"" + r + "/amanite.png\"", "/ailleurs"), r + "/amanite.png");
    // Neither a document, a section, a missing picture nor nothing is a picture to show.
    for (const char *aucune : {"F\"notice.pdf\"", "S\"Amanites\"", "F\"photos/absente.jpg\"",
                               "F\"photos\"", "F\"https://exemple.org/a.jpg\"", ""})
        EXPECT_EQ(ImageDesComplements(aucune, r), "") << aucune;
}

TEST(Image, BoutonSelonLaPropositionChoisie) {
    Photos p;
    Lamelix &f = *p.F;
    p.Charge("1, 2 $Lames$$F\"photos\\lepiote.JPG\"\r\n"
             "1, 0 $Tubes$Boletus$F\"notice.pdf\"\r\n"
             "2, 0 $Anneau$Lepiota$F\"amanite.png\"\r\n"
             "2, 0 $Sans anneau$Russula\r\n");
    EXPECT_FALSE(f.Command2.Enabled); // nothing selected
    const auto clic = [&](int position) {
        FenetreEssai::Gere([&] {
            f.List1.Selectionne(position);
            List1_Click(f);
        });
    };
    clic(1);
    EXPECT_FALSE(f.Command2.Enabled);
    // Pressed while disabled (the window may lag behind), it opens nothing.
    Command2_Click(f);
    EXPECT_FALSE(f.Picture2.Visible);
    clic(0);
    EXPECT_TRUE(f.Command2.Enabled);
    Command2_Click(f);
    EXPECT_TRUE(f.Picture2.Visible);
    EXPECT_EQ(f.Picture2Fichier, p.Racine + "/photos/lepiote.JPG");

    // A new entity starts with nothing selected; a right press selects and may enable.
    p.Choisit(0);
    EXPECT_FALSE(f.Command2.Enabled);
    FenetreEssai::Gere([&] {
        f.List1.Selectionne(0);
        List1_MouseDown(f, BoutonDroit, 0);
    });
    EXPECT_TRUE(f.Command2.Enabled);
    EXPECT_EQ(ImageChoisie(f), p.Racine + "/Famanite.png");
    // A species reached empties the list: nothing to show.
    p.Choisit(1);
    EXPECT_EQ(f.List1.ListCount(), 0);
    EXPECT_FALSE(f.Command2.Enabled);
}

TEST(Image, LigneCompteeDepuisLaPremiereDeLEntite) {
    // The position in List1 is counted on the entity's lines, continuation lines included.
    Photos p;
    p.Charge("1, 0 $Lames$Agaricus\r\n"
             "1, 0, N $note$$F\"amanite.png\"\r\n"
             "1, 0 $Tubes$Boletus\r\n");
    p.F->List1.Selectionne(1);
    EXPECT_EQ(ImageChoisie(*p.F), p.Racine + "/Famanite.png");
    p.F->List1.Selectionne(0);
    EXPECT_EQ(ImageChoisie(*p.F), "");
}

} // namespace
} // namespace lamelix::test
