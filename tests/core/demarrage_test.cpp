// Start-up of the main window on a program folder of its own: the settings file, the key named
// on the command line or the default key, later activations, and the two ways out.

#include "platform/fichiers.hpp"
#include "tests/core/releve.hpp"

#include <filesystem>
#include <gtest/gtest.h>
#include <tuple>

namespace lamelix::test {
namespace {

constexpr std::string_view Champignons = "1, 2 $Lames$\r\n"
                                         "1, 0 $Tubes$Boletus\r\n"
                                         "2, 0 $Anneau$Amanita\r\n"
                                         "2, 0 $Sans anneau$Russula\r\n";
constexpr std::string_view Plantes = "1, 0 $Feuilles$Quercus\r\n"
                                     "1, 0 $Aiguilles$Pinus\r\n";

// A window whose program folder is the test's folder.
struct Poste : FenetreEssai {
    std::string Racine = std::filesystem::path(Dossier.Chemin("x")).parent_path().string();
    Poste() { F->RepProgramme = Racine; }
    void Demarre(std::string ligneCommande = {}) {
        F->LigneCommande = std::move(ligneCommande);
        Form_Load(*F);
        Form_Activate(*F);
    }
    std::string Ini() const { return LireOctets(Dossier.Chemin("Lamelix.ini")).value_or(""); }
};

// "Sauver les options" keeps the key folder the settings gave or the user chose, not the folder
// of the last key opened: the next start finds its default key again.
TEST(Demarrage, LesOptionsGardentLeDossierChoisi) {
    Poste p;
    for (const char *dossier : {"/cles", "/autres"})
        std::filesystem::create_directory(p.Racine + dossier);
    p.Dossier.Ecrit("cles/defaut.cle", Champignons);
    p.Dossier.Ecrit("Lamelix.ini", "REPDATA =cles\r\n");
    const std::string autre = p.Dossier.Ecrit("autres/plantes.cle", Plantes);
    p.Demarre();
    OuvreFichier(*p.F, autre);
    MnuSavIni_xy_Click(*p.F);
    EXPECT_NE(p.Ini().find("REPDATA =" + p.Racine + "/cles\r\n"), std::string::npos);

    Poste suivant;
    suivant.F->RepProgramme = p.Racine;
    suivant.Demarre();
    EXPECT_EQ(suivant.Propositions(), (Textes{"Lames", "Tubes"}));
    EXPECT_TRUE(suivant.Dialogues.Journal.empty());
}

TEST(Demarrage, LaTailleDePoliceEnregistreeEstGardee) {
    for (const auto &[fnt, points] : {std::pair{7, 20}, std::pair{2, 7}}) {
        Poste p;
        p.Dossier.Ecrit("Lamelix.ini", "FNT =" + std::to_string(fnt) + "\r\n");
        p.Dossier.Ecrit("defaut.cle", Champignons);
        p.Demarre();
        EXPECT_TRUE(p.F->mnuFontSizesItem[static_cast<std::size_t>(fnt)].Checked &&
                    !p.F->mnuFontSizesItem[3].Checked)
            << fnt;
        EXPECT_EQ(std::tuple(p.F->Options().Fnt, p.F->Text1.FontSize, p.F->List1.FontSize),
                  std::tuple(fnt, points, points));
    }
}

// The key of the first start: the one the command line names, between quotes or not (its
// folder becoming the key folder), the default key when the named one is missing; a missing
// default key is named, and the user may open another one at once (Yes, then a file chosen) or
// go on with an empty window (No).
TEST(Demarrage, CleDeLaLigneDeCommandeOuCleParDefaut) {
    Poste premier;
    Releve r(premier);
    std::filesystem::create_directory(premier.Racine + "/ailleurs");
    premier.Dialogues.Fichiers = {premier.Dossier.Ecrit("ailleurs/plantes.cle", Plantes)};
    r("sans cle par defaut, une autre choisie", [&] { premier.Demarre(); });
    Poste suivant;
    suivant.F->RepProgramme = premier.Racine;
    suivant.Dialogues.Reponses = {ReponseNon};
    r.Suit(suivant);
    r("sans cle par defaut, aucune autre", [&] { suivant.Demarre(); });
    EXPECT_EQ(suivant.Prog->Options.LangueM, "fr");

    for (const char *guillemets : {"\"", ""}) {
        Poste p;
        r.Suit(p);
        p.Dossier.Ecrit("defaut.cle", Plantes);
        std::filesystem::create_directory(p.Racine + "/cles");
        const std::string chemin = p.Dossier.Ecrit("cles/champignons.cle", Champignons);
        r(std::string("cle de la ligne de commande ") + guillemets,
          [&] { p.Demarre(guillemets + chemin + guillemets); });
    }
    Poste p;
    r.Suit(p);
    p.Dossier.Ecrit("defaut.cle", Plantes);
    r("cle absente de la ligne de commande",
      [&] { p.Demarre("\"" + p.Racine + "/absente.cle\""); });
    EXPECT_EQ(r.Texte(), r.Attendu("demarrage"));
}

// Coming back to the window, or refusing to quit, leaves the consultation as it was.
TEST(Demarrage, ActivationsEtRefusDeQuitter) {
    Poste p;
    p.Dossier.Ecrit("defaut.cle", Champignons);
    p.Demarre();
    p.Choisit(0);
    const std::string historique = p.F->Text1.Text;
    const auto inchange = [&] {
        EXPECT_EQ(std::tuple(p.F->Parcours.EntiteCourante, p.F->Parcours.NbEtapes,
                             p.F->Parcours.Hist(1), p.F->Text1.Text, p.Prog->Cle.FichierCle,
                             p.F->Termine),
                  std::tuple(2, 1, 1, historique, p.Racine + "/defaut.cle", false));
        EXPECT_EQ(p.Propositions(), (Textes{"Anneau", "Sans anneau"}));
        EXPECT_EQ(p.Ini().find("SESSION"), std::string::npos);
    };
    // A later activation reads neither the settings nor the key again: a changed settings file
    // and a changed default key show nothing of themselves.
    p.Dossier.Ecrit("Lamelix.ini", "FNT =7\r\n");
    p.Dossier.Ecrit("defaut.cle", Plantes);
    Form_Activate(*p.F);
    inchange();
    EXPECT_EQ(p.F->Text1.FontSize, 9);
    p.F->SauteActivation = true;
    Form_Activate(*p.F);
    EXPECT_FALSE(p.F->SauteActivation);
    inchange();

    p.Dialogues.Journal.clear();
    int16_t annule = 0, mode = 0;
    p.Dialogues.Reponses = {ReponseNon, ReponseNon};
    Form_QueryUnload(*p.F, annule, mode);
    EXPECT_NE(annule, 0);
    mnuFileItem_Click(*p.F, FichierQuitter);
    const std::string question =
        "question: Voulez-vous vraiment quitter la gestion de clés ? -> non";
    EXPECT_EQ(p.Dialogues.Journal, (Textes{question, question}));
    inchange();
    // The close box ends without recording the session.
    annule = 0;
    Form_QueryUnload(*p.F, annule, mode);
    EXPECT_EQ(annule, 0);
    EXPECT_TRUE(p.F->Termine);
    EXPECT_EQ(p.Ini().find("SESSION"), std::string::npos);
}

} // namespace
} // namespace lamelix::test
