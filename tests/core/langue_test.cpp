// The interface language files "Lamelix_<code>.lng" of the program folder, the language menu and
// the warnings panel.

#include "tests/core/fenetre_essai.hpp"

#include <filesystem>
#include <gtest/gtest.h>

namespace lamelix::test {
namespace {

namespace fs = std::filesystem;

struct Poste : FenetreEssai {
    std::string Racine = fs::path(Dossier.Chemin("x")).parent_path().string();
    Poste() {
        F->RepProgramme = Racine;
        Form_Load(*F);
    }
    // Loads a language file of the test under the code "zz".
    void Langue(std::string_view lng) {
        Dossier.Ecrit("Lamelix_zz.lng", lng);
        F->Options().LangueM = "zz";
        ChargeLangue(*F);
    }
    // The captions a language file may change.
    Textes Captions() {
        Textes c{F->mnuSettings.Caption, F->mnuSettingsItem[0].Caption, F->Mnuprefx[0].Caption};
        for (const MenuItem &m : F->mnuFileItem)
            c.push_back(m.Caption);
        for (int n = 0; n <= 9; ++n)
            c.push_back(MnOption(*F, n)->Caption);
        for (int n : {1, 10, 20, 30})
            c.push_back(F->MnOutil[static_cast<std::size_t>(n)].Caption);
        return c;
    }
};

TEST(Langue, SectionsEtListes) {
    Poste p;
    p.Langue(
        "LAMELIX;Zed\r\n\r\n"
        "mnusettings ; &Réglages\r\n"
        "MNUSETTINGSITEM; &Polices  \r\n"
        "MNUPREFX ;&Marque\r\n"
        "MNUFILEITEM;\r\n"
        "#0;  &Ouvrir un fichier  \r\n"
        "#1 sans point-virgule\r\n"
        "#4;&Fin\r\n"
        "#4;&Sortie\r\n"
        "#*;\r\n"
        "MNOPTION;\r\n#2;Lancement auto\r\n#9;Idiome\r\n#*;\r\n"
        "Mnoutil;\r\n#1;Exporter la clé\r\n#10;Vérifier\r\n#20;Réglages\r\n#30;S nul\r\n#*;\r\n"
        "MSG;\r\n#3;défaut :\r\n#256;dernier\r\n");
    Lamelix &f = *p.F;
    EXPECT_EQ(f.mnuSettings.Caption, "&Réglages");
    EXPECT_EQ(f.mnuSettingsItem[0].Caption, "&Polices 9");
    EXPECT_EQ(f.Mnuprefx[0].Caption, "&Marque");
    EXPECT_EQ(f.mnuFileItem[0].Caption, "&Ouvrir un fichier");
    EXPECT_EQ(f.mnuFileItem[1].Caption, "Clés ouvertes");
    EXPECT_EQ(f.mnuFileItem[4].Caption, "&Sortie");
    EXPECT_EQ(f.MnExec.Caption, "Lancement auto");
    EXPECT_EQ(f.MnuLangueTitre.Caption, "Idiome");
    EXPECT_EQ(f.MnOutil[1].Caption + f.MnOutil[10].Caption + f.MnOutil[20].Caption +
                  f.MnOutil[30].Caption,
              "Exporter la cléVérifierRéglagesS nul");
    EXPECT_EQ(f.Msg(3), "défaut :"); // a list cut by the end of the file keeps its items
    EXPECT_EQ(f.Msg(256), "dernier");
    EXPECT_TRUE(p.Dialogues.Journal.empty());

    // The menu items 7 and 8 reload the language in use.
    for (int item : {7, 8}) {
        p.Dossier.Ecrit("Lamelix_zz.lng", "MNUSETTINGS;Autre " + std::to_string(item) + "\r\n");
        MnLang_Click(f, item);
        EXPECT_EQ(f.mnuSettings.Caption, "Autre " + std::to_string(item));
    }
    EXPECT_EQ(f.Options().LangueM, "zz");
}

TEST(Langue, ChargementInterrompu) {
    // A message number out of the table stops the file there.
    Poste p;
    p.Langue("MSG;\r\n#3;trois\r\n#300;trop loin\r\n#4;quatre\r\n#*;\r\nMNUSETTINGS;Après\r\n");
    EXPECT_EQ(p.F->Msg(3), "trois");
    EXPECT_EQ(p.F->Msg(4), " non trouvé ");
    EXPECT_EQ(p.F->mnuSettings.Caption, "&Options");
    // So does an item number that is not one.
    Poste q;
    q.Langue("MNUFILEITEM;\r\n#0;Zéro\r\n#x;illisible\r\n#1;Un\r\n#*;\r\nMNUPREFX;Après\r\n");
    EXPECT_EQ(q.F->mnuFileItem[0].Caption, "Zéro");
    EXPECT_EQ(q.F->mnuFileItem[1].Caption, "Clés ouvertes");
    EXPECT_EQ(q.F->Mnuprefx[0].Caption, "&Préfixe");
    // A missing file changes nothing and says nothing.
    Poste s;
    const auto avant = s.Captions();
    s.F->Options().LangueM = "absente";
    ChargeLangue(*s.F);
    EXPECT_EQ(s.Captions(), avant);
    EXPECT_EQ(s.F->Msg(4), " non trouvé ");
    EXPECT_TRUE(s.Dialogues.Journal.empty());
}

TEST(Langue, AnglaisPuisFrancais) {
    const fs::path livrees = fs::path(LAMELIX_CLES) / ".." / "lang";
    if (!fs::exists(livrees / "Lamelix_en.lng")) GTEST_SKIP() << "no English file shipped";
    Poste p;
    for (const char *code : {"en", "fr"})
        if (fs::exists(livrees / ("Lamelix_" + std::string(code) + ".lng")))
            fs::copy_file(livrees / ("Lamelix_" + std::string(code) + ".lng"),
                          p.Racine + "/Lamelix_" + code + ".lng");
    const auto francais = p.Captions();
    Lamelix &f = *p.F;
    MnLang_Click(f, 5);
    EXPECT_EQ(f.Options().LangueM, "en");
    EXPECT_TRUE(f.MnLang[5].Checked);
    EXPECT_EQ(f.mnuFileItem[4].Caption, "&Quit");
    EXPECT_EQ(f.Msg(6), "Do you really want to quit the key manager?");

    MnLang_Click(f, 1);
    const Messages defauts;
    for (int n = 0; n < Messages::Nombre; ++n)
        EXPECT_EQ(f.Msg(n), defauts[n]) << "message " << n;
    EXPECT_EQ(p.Captions(), francais);
    EXPECT_TRUE(f.MnLang[1].Checked);
    EXPECT_FALSE(f.MnLang[5].Checked);
}

TEST(Langue, Avertissements) {
    Poste p;
    AfficheAvert(*p.F);
    EXPECT_TRUE(p.F->FrameAccueil.Visible);
    EXPECT_EQ(p.F->TBox[7].Text, "");
    EXPECT_TRUE(p.Dialogues.Journal.empty());
    // A file written on Windows, in its own code page.
    p.Dossier.Ecrit("Avert-LX_fr.txt", "  Attention  \r\nNouveaut\xE9s\r\n");
    AfficheAvert(*p.F);
    EXPECT_EQ(p.F->TBox[7].Text, "Attention\r\nNouveautés\r\n");
}

} // namespace
} // namespace lamelix::test
