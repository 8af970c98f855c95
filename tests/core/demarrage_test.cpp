// Start-up of the main window on a program folder of its own: the settings file, the key named
// on the command line or the default key, later activations, and the two ways out.

#include "platform/fichiers.hpp"
#include "tests/core/fenetre_essai.hpp"

#include <filesystem>
#include <gtest/gtest.h>

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

TEST(Demarrage, SansReglagesNiCleParDefaut) {
    Poste p;
    p.Demarre();
    // The settings file is created and the user told once; the missing key says nothing.
    EXPECT_EQ(p.Dialogues.Journal, (Textes{"message:  création de Lamelix.ini"}));
    EXPECT_EQ(p.F->List1.ListCount(), 0);
    EXPECT_EQ(p.F->Label7.Caption, "fichier par défaut : " + p.Racine + "/defaut.cle");
    EXPECT_EQ(p.F->Label18.Caption, "fichier actuel : ");
    EXPECT_EQ(p.Prog->Options.LangueM, "fr");

    Poste suivant;
    suivant.F->RepProgramme = p.Racine;
    suivant.Demarre();
    EXPECT_TRUE(suivant.Dialogues.Journal.empty());
}

TEST(Demarrage, LaTailleDePoliceEnregistreeEstGardee) {
    for (const auto &[fnt, points] : {std::pair{7, 20}, std::pair{2, 7}}) {
        Poste p;
        p.Dossier.Ecrit("Lamelix.ini", "FNT =" + std::to_string(fnt) + "\r\n");
        p.Dossier.Ecrit("defaut.cle", Champignons);
        p.Demarre();
        EXPECT_EQ(p.F->Options().Fnt, fnt);
        EXPECT_TRUE(p.F->mnuFontSizesItem[static_cast<std::size_t>(fnt)].Checked) << fnt;
        EXPECT_FALSE(p.F->mnuFontSizesItem[3].Checked) << fnt;
        EXPECT_EQ(p.F->Text1.FontSize, points);
        EXPECT_EQ(p.F->List1.FontSize, points);
    }
}

TEST(Demarrage, CleDeLaLigneDeCommandeOuCleParDefaut) {
    for (bool entreGuillemets : {true, false}) {
        Poste p;
        p.Dossier.Ecrit("defaut.cle", Plantes);
        std::filesystem::create_directory(p.Racine + "/cles");
        const std::string chemin = p.Dossier.Ecrit("cles/champignons.cle", Champignons);
        p.Demarre(entreGuillemets ? "\"" + chemin + "\"" : chemin);
        EXPECT_EQ(p.Prog->Cle.FichierCle, chemin);
        EXPECT_EQ(p.F->RepData, p.Racine + "/cles");
        EXPECT_EQ(FenetreEssai::Lignes(p.F->List1), (Textes{"Lames", "Tubes"}));
        EXPECT_EQ(p.F->Label18.Caption, "fichier actuel : " + chemin);
        EXPECT_EQ(p.F->Label7.Caption, "fichier par défaut : " + p.Racine + "/cles/defaut.cle");
        EXPECT_EQ(p.Dialogues.Journal.size(), 1u); // the settings file was created
    }
    Poste p;
    const std::string defaut = p.Dossier.Ecrit("defaut.cle", Plantes);
    p.Demarre("\"" + p.Racine + "/absente.cle\"");
    EXPECT_EQ(p.Prog->Cle.FichierCle, defaut);
    EXPECT_EQ(FenetreEssai::Lignes(p.F->List1), (Textes{"Feuilles", "Aiguilles"}));
    EXPECT_EQ(p.F->Label18.Caption, "fichier actuel : " + defaut);
}

// Coming back to the window, or refusing to quit, leaves the consultation as it was.
TEST(Demarrage, ActivationsEtRefusDeQuitter) {
    Poste p;
    p.Dossier.Ecrit("defaut.cle", Champignons);
    p.Demarre();
    p.Choisit(0);
    const std::string historique = p.F->Text1.Text;
    const auto inchange = [&] {
        EXPECT_EQ(p.F->Parcours.EntiteCourante, 2);
        EXPECT_EQ(p.F->Parcours.NbEtapes, 1);
        EXPECT_EQ(p.F->Parcours.Hist(1), 1);
        EXPECT_EQ(p.F->Text1.Text, historique);
        EXPECT_EQ(FenetreEssai::Lignes(p.F->List1), (Textes{"Anneau", "Sans anneau"}));
        EXPECT_EQ(p.Prog->Cle.FichierCle, p.Racine + "/defaut.cle");
        EXPECT_FALSE(p.F->Termine);
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
