// Files the program reads and writes for the user: what cannot be read whole is refused before
// it is opened or read (a named pipe would block, a device would never end), and a write that
// fails is said and leaves the old file as it was.

#include "platform/fichiers.hpp"
#include "settings/reglages.hpp"
#include "tests/core/fenetre_essai.hpp"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace lamelix::test {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view Cle = "1, 0 $Feuilles$Quercus\r\n1, 0 $Aiguilles$Pinus\r\n";

TEST(Fichiers, CeQuiNePeutEtreLuEntierEstRefuseSansEtreOuvert) {
    DossierTemporaire d;
    const std::string tube = d.Chemin("tube.cle");
    ASSERT_EQ(mkfifo(tube.c_str(), 0600), 0);
    const std::string grand = d.Chemin("grand.cle");
    d.Ecrit("grand.cle", "1,0$a$b\n");
    fs::resize_file(grand, TailleMaxFichier + 1); // sparse: nothing is written
    d.Ecrit("juste.cle", std::string(1000, 'x'));

    EXPECT_EQ(PourquoiIllisible(d.Chemin("absent.cle")), "fichier introuvable");
    EXPECT_EQ(PourquoiIllisible(d.Chemin("")), "ce n'est pas un fichier ordinaire"); // a folder
    EXPECT_EQ(PourquoiIllisible(tube), "ce n'est pas un fichier ordinaire");
    EXPECT_EQ(PourquoiIllisible("/dev/zero"), "ce n'est pas un fichier ordinaire");
    EXPECT_EQ(PourquoiIllisible(grand), "fichier trop grand (plus de 64 Mio)");
    EXPECT_EQ(PourquoiIllisible(d.Chemin("juste.cle")), std::nullopt);
    for (const std::string &chemin : {tube, grand, std::string("/dev/zero")}) {
        EXPECT_FALSE(LireOctets(chemin)) << chemin;
        EXPECT_FALSE(FichierLisible(chemin)) << chemin;
    }
    EXPECT_EQ(LireOctets(d.Chemin("juste.cle"))->size(), 1000u);
}

using Poste = PosteEssai;

// A write that fails says why, as the file system tells it.
TEST(Fichiers, ExportQuiNePeutEtreEcritLeDit) {
    Poste p;
    p.Charge(Cle);
    p.Choisit(0);
    p.Dialogues.Journal.clear();
    p.Dialogues.Fichiers = {p.Dossier.Chemin("absent/Quercus.txt")};
    Command7_Click(*p.F, 3);
    ASSERT_EQ(p.Dialogues.Journal.size(), 2u); // the save dialog, then the failure
    EXPECT_EQ(p.Dialogues.Journal[1], "message: Enregistrement impossible (résultat) : " +
                                          p.Dossier.Chemin("absent/Quercus.txt") + "\r\n" +
                                          "le dossier " + p.Dossier.Chemin("absent") +
                                          " n'existe pas");
}

TEST(Fichiers, DossiersRelatifsDuProgrammeOuQuOnLeLance) {
    Poste p;
    fs::create_directory(p.Racine + "/cles");
    p.Dossier.Ecrit("cles/defaut.cle", Cle);
    const fs::path ici = fs::current_path();
    fs::current_path("/"); // the program started from elsewhere
    for (const char *repdata : {"cles", ".\\cles", "./cles", " cles "}) {
        p.Dossier.Ecrit("Lamelix.ini", std::string("REPDATA =") + repdata + "\r\n");
        IniCharge(*p.F);
        EXPECT_EQ(p.F->RepData, p.Racine + "/cles") << repdata;
    }
    p.Dossier.Ecrit("Lamelix.ini", "REPDATA =\r\nREPDOC =doc\r\n");
    IniCharge(*p.F);
    EXPECT_EQ(p.F->RepData, p.Racine);
    EXPECT_EQ(p.F->Options().RepDoc, p.Racine + "/doc");
    p.Dossier.Ecrit("Lamelix.ini", "REPDATA =cles\r\n");
    Form_Activate(*p.F);
    fs::current_path(ici);
    EXPECT_EQ(p.Prog->Cle.FichierCle, p.Racine + "/cles/defaut.cle");
    EXPECT_EQ(FenetreEssai::Lignes(p.F->List1), (Textes{"Feuilles", "Aiguilles"}));
}

TEST(Fichiers, LeMemoDuProgrammePuisCeluiDesReglages) {
    Poste p;
    DossierTemporaire reglages;
    p.F->Options().DossierIni = fs::path(reglages.Chemin("x")).parent_path().string();
    reglages.Ecrit("memo.txt", "mémo des réglages");
    MnuMemo_Click(*p.F);
    EXPECT_EQ(p.App->Biblio().Text1.Text, "mémo des réglages\r\n");
    p.Dossier.Ecrit("memo.txt", "mémo du programme");
    MnuMemo_Click(*p.F);
    EXPECT_EQ(p.App->Biblio().Text1.Text, "mémo du programme\r\n");
}

TEST(Fichiers, LesReglagesInstallesSontLePointDeDepart) {
    DossierTemporaire programme, utilisateur;
    const std::string dossierProgramme = fs::path(programme.Chemin("x")).parent_path().string();
    const std::string dossierUtilisateur = fs::path(utilisateur.Chemin("x")).parent_path().string();
    programme.Ecrit("Lamelix.ini", "FNT =6\r\n");
    AdopteReglagesInstalles(dossierProgramme, dossierUtilisateur);
    EXPECT_EQ(LireOctets(utilisateur.Chemin("Lamelix.ini")), "FNT =6\r\n");
    // Only the first time: the user's own settings are never replaced.
    utilisateur.Ecrit("Lamelix.ini", "FNT =2\r\n");
    AdopteReglagesInstalles(dossierProgramme, dossierUtilisateur);
    EXPECT_EQ(LireOctets(utilisateur.Chemin("Lamelix.ini")), "FNT =2\r\n");
}

} // namespace
} // namespace lamelix::test
