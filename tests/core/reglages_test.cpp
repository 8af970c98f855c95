// The settings file: what "Sauver les options" writes and the start-up reads back, the session
// line of "&Quitter" and "Session précédente", and the menus that show or change the settings.

#include "platform/fichiers.hpp"
#include "platform/texte.hpp"
#include "tests/core/releve.hpp"

#include <filesystem>
#include <gtest/gtest.h>

namespace lamelix::test {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view Champignons = CleChampignons;

struct Poste : PosteEssai {
    using PosteEssai::PosteEssai;
    void Relit(std::string_view ini) {
        Dossier.Ecrit("Lamelix.ini", ini);
        IniCharge(*F);
    }
};

TEST(Reglages, SauvegardeEtRelecture) {
    Poste p;
    Lamelix &f = *p.F;
    fs::create_directory(p.Racine + "/cles");
    p.Dossier.Ecrit("cles/mes.cle", Champignons);
    f.RepData = p.Racine + "/cles";
    f.Options().FicDefaut = "mes.cle";
    f.Options().RepDoc = "/doc";
    mnuFontSizesItem_Click(f, 6);
    f.check_Option[0].Value = 1;
    f.MnExec.Checked = f.Mnuprefx[0].Checked = true;
    f.lgr.Selectionne(2);
    f.Options().LangueM = "en";
    f.Options().WebBase = "https://especes.exemple.org";
    f.Options().TradService = "json";
    f.Options().TradCle = "secret";
    f.Options().Editeur = "kate --new --line %l %f";
    inisauve(f);
    const std::string ini = Remplace(p.Ini(), p.Racine, "<dossier>");
    EXPECT_EQ(ini, Attendu("releves/options.ini", ini));

    // Read back, every setting is written again as it was.
    const std::string ecrit = p.Ini();
    Poste q(p.Racine);
    Lamelix &g = *q.F;
    IniCharge(g);
    inisauve(g);
    EXPECT_EQ(q.Ini(), ecrit);
    EXPECT_TRUE(g.mnuFontSizesItem[6].Checked && !g.mnuFontSizesItem[3].Checked);
    for (int taille :
         {g.List1.FontSize, g.List2.FontSize, g.List3.FontSize, g.Text1.FontSize, g.Text5.FontSize})
        EXPECT_EQ(taille, 17);
    EXPECT_EQ(g.mnuSettingsItem[0].Caption, "&Tailles de police 17");
    EXPECT_TRUE(g.MnExec.Checked && g.AutoExec && g.Mnuprefx[0].Checked);
    EXPECT_EQ(g.Label4.Caption, "Exec.Auto.");
    // A site written without its scheme is reached over https, without a final "/".
    p.Dossier.Ecrit(
        "Lamelix.ini",
        "WEB_IMAGES = images.exemple.org/\r\nWEB_SITE =site.exemple.org\r\nWEB_BASE =\r\n"
        "TRAD_SERVEUR = traduction.exemple.org/\r\nTRAD_SERVICE =autre\r\n");
    IniCharge(g);
    EXPECT_EQ(g.Options().WebImages, "https://images.exemple.org");
    EXPECT_EQ(g.Options().WebSite, "site.exemple.org");
    EXPECT_EQ(g.Options().WebBase, "https://especes.exemple.org"); // an empty value keeps it
    EXPECT_EQ(g.Options().TradServeur, "https://traduction.exemple.org");
    EXPECT_EQ(g.Options().TradService, "json"); // an unknown kind keeps it
    inisauve(f);
    IniCharge(g);

    // "Faux" unchecks.
    f.check_Option[0].Value = 0;
    f.MnExec.Checked = f.Mnuprefx[0].Checked = false;
    inisauve(f);
    IniCharge(g);
    EXPECT_EQ(g.check_Option[0].Value, 0);
    EXPECT_FALSE(g.MnExec.Checked || g.AutoExec || g.Mnuprefx[0].Checked);
    EXPECT_EQ(g.Label4.Caption, "");
}

TEST(Reglages, FichierEcritALaMain) {
    Poste p;
    Lamelix &f = *p.F;
    p.Relit("REPDATA =.\\cles\r\n  repdoc   =   /x  \r\nINCONNU =1\r\n");
    EXPECT_EQ(f.RepData, p.Racine + "/cles");
    EXPECT_EQ(f.Options().RepDoc, "/x");
    // A comma ends a value; what follows is a new value of the same setting, unless quoted.
    p.Relit("REPDOC =/a,b\r\n");
    EXPECT_EQ(f.Options().RepDoc, p.Racine + "/b"); // relative: a folder of the program folder
    p.Relit("REPDOC =\r\n\"/a,b\"\r\n");
    EXPECT_EQ(f.Options().RepDoc, "/a,b");

    // The default file is looked for in the key folder known when its line is read.
    fs::create_directory(p.Racine + "/cles");
    p.Dossier.Ecrit("ici.cle", Champignons);
    p.Dossier.Ecrit("cles/la.cle", Champignons);
    p.Relit("FICDEFAUT =ici.cle\r\nREPDATA =.\\cles\r\n");
    EXPECT_EQ(f.Options().FicDefaut, "ici.cle");
    p.Relit("FICDEFAUT =la.cle\r\nREPDATA =.\\cles\r\n");
    EXPECT_EQ(f.Options().FicDefaut, "defaut.cle");
    p.Relit("REPDATA =.\\cles\r\nFICDEFAUT =la.cle\r\n");
    EXPECT_EQ(f.Options().FicDefaut, "la.cle");

    f.MnExec.Checked = f.Mnuprefx[0].Checked = true;
    f.check_Option[0].Value = 1;
    p.Relit("AUTOEXEC =oui\r\nPREFIXE =\r\nAFFSECT =1\r\nFNT =5\r\n");
    EXPECT_TRUE(f.MnExec.Checked && f.Mnuprefx[0].Checked);
    EXPECT_EQ(f.check_Option[0].Value, 1);
    // A size the menu does not have leaves the size in use.
    p.Relit("FNT =9\r\n");
    EXPECT_EQ(f.Options().Fnt, 5);
    EXPECT_TRUE(f.mnuFontSizesItem[5].Checked);
}

// "&Quitter" records the session; the next run starts on the default key and goes back to the
// step left. "Sauver les options" writes no session line: the next restore has nothing to bring
// back and the consultation stays where the user has taken it since.
TEST(Reglages, SessionPrecedente) {
    Poste p;
    p.Dossier.Ecrit("defaut.cle", "1, 0 $Feuilles$Quercus\r\n1, 0 $Aiguilles$Pinus\r\n");
    fs::create_directory(p.Racine + "/cles");
    p.F->LigneCommande = p.Dossier.Ecrit("cles/champignons.cle", Champignons);
    Releve r(p);
    r("Lames Anneau", [&] {
        Form_Activate(*p.F);
        p.Choisit({0, 0});
    });
    r("quitter", [&] { mnuFileItem_Click(*p.F, FichierQuitter); });
    EXPECT_TRUE(p.F->Termine);

    Poste q(p.Racine);
    Lamelix &g = *q.F;
    r.Suit(q);
    r("session precedente", [&] {
        Form_Activate(g);
        mnuFileItem_Click(g, FichierSession);
    });
    inisauve(g);
    EXPECT_EQ(q.Ini().find("SESSION"), std::string::npos);
    r("Tubes, puis session precedente sans session", [&] {
        RAZ_Choix(g);
        q.Choisit(1);
        g.RepData = "/ailleurs";
        mnuFileItem_Click(g, FichierSession);
    });
    EXPECT_EQ(g.RepData, p.Racine);
    EXPECT_EQ(r.Texte(), r.Attendu("session-precedente"));
}

TEST(Menus, VoirParametresEtEdition) {
    Poste p;
    Lamelix &f = *p.F;
    f.RepData = "/cles";
    f.Options().RepDoc = "/doc";
    MnOutil_Click(f, 20);
    EXPECT_TRUE(f.Frame10.Visible);
    const std::string suite =
        "\r\nClé par défaut :defaut.cle\r\nRacine Répertoire Documentation/doc\r\n";
    EXPECT_EQ(f.txtEdit.Text, "Répertoire clés :/cles" + suite);
    mnuEdit_Click(f);
    EXPECT_FALSE(f.mnuEditItem[0].Enabled || f.mnuEditItem[1].Enabled);
    f.txtEdit.SelStart = static_cast<int>(f.txtEdit.Text.find("/cles"));
    f.txtEdit.SelLength = 5;
    mnuEdit_Click(f);
    EXPECT_TRUE(f.mnuEditItem[0].Enabled && f.mnuEditItem[1].Enabled);
    mnuEditItem_Click(f, 0);
    EXPECT_EQ(p.Dialogues.PressePapier, "/cles");
    EXPECT_EQ(f.txtEdit.Text, "Répertoire clés :" + suite);
    f.txtEdit.SelStart = 0;
    mnuEditItem_Click(f, 2);
    EXPECT_EQ(f.txtEdit.Text, "/clesRépertoire clés :" + suite);
}

TEST(Menus, ChoixDuFichierParDefaut) {
    Poste p;
    Lamelix &f = *p.F;
    fs::create_directory(p.Racine + "/sous");
    for (const char *nom : {"a.cle", "B.CLE", "c.txt", "d.TXT", "e.doc", "f.txt.bak", "sous/x.cle"})
        p.Dossier.Ecrit(nom, "");
    f.RepData = p.Racine;
    MnuOptFic_xy_Click(f, 0);
    EXPECT_TRUE(f.Frame7.Visible);
    EXPECT_EQ(FenetreEssai::Lignes(f.FileList),
              (Textes{"a.cle", "B.CLE", "c.txt", "d.TXT", "f.txt.bak"})); // "*.TXT*"
    EXPECT_EQ(FenetreEssai::Lignes(f.DirList), (Textes{"..", "sous"}));
    f.FileList.Selectionne(0);
    cmdCommand9_Click(f, 1);
    EXPECT_FALSE(f.Frame7.Visible);
    EXPECT_EQ(f.Options().FicDefaut, "defaut.cle");

    f.FlagPattern[0].Checked = true;
    MnuOptFic_xy_Click(f, 0);
    EXPECT_EQ(FenetreEssai::Lignes(f.FileList), (Textes{"a.cle", "B.CLE"}));
    f.DirList.Selectionne(1);
    DirList_DblClick(f);
    EXPECT_EQ(FenetreEssai::Lignes(f.FileList), (Textes{"x.cle"}));
    f.FileList.Selectionne(0);
    cmdCommand9_Click(f, 0);
    EXPECT_FALSE(f.Frame7.Visible);
    EXPECT_EQ(f.RepData, p.Racine + "/sous");
    EXPECT_EQ(f.Options().FicDefaut, "x.cle");

    // The documentation folder: ".." goes up.
    MnuOptFic_xy_Click(f, 1);
    f.DirList.Selectionne(0);
    DirList_DblClick(f);
    cmdCommand9_Click(f, 0);
    EXPECT_EQ(f.Options().RepDoc, fs::path(p.Racine).parent_path().string());
    EXPECT_EQ(f.RepData, p.Racine + "/sous");
}

} // namespace
} // namespace lamelix::test
