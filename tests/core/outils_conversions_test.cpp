// The tools menu: the text export and the UTF-8 conversion of the key file, "Ignore_S_Nulle".

#include "platform/texte.hpp"
#include "tests/core/lance_outils.hpp"
#include "tests/core/outils_essai.hpp"

#include <filesystem>
#include <gtest/gtest.h>

namespace lamelix::test {
namespace {

namespace fs = std::filesystem;

struct Conversion : OutilsEssai {
    void Menu(int index) {
        Gere([&] { F->Annexes.MnSOut_Click(index); });
    }
};

const char *const ClePourExport = "TITRE$Le titre\r\n"
                                  "COM$Le commentaire\r\n"
                                  "REM$un commentaire\r\n"
                                  "Texte libre///suite\r\n"
                                  "   \r\n"
                                  "\r\n"
                                  "12,13$Chapeau brun$\r\n"
                                  "12,0$Chapeau rouge$Rubra$F\"r.png\"\r\n"
                                  "13,cs1$Vers les bolets$Bolets\r\n"
                                  "13,0$Blanc\r\n"
                                  "13,0,N$suite du texte\r\n"
                                  "CS1,0$Les bolets\r\n"
                                  "1,0$Pores$Boletus\r\n"
                                  "1,0$Tubes$Tubus\r\n";

TEST(OutilsConversions, ExportTexteFormeDesLignes) {
    for (const bool lf : {false, true}) {
        Conversion c;
        const std::string cle = lf ? Remplace(ClePourExport, "\r\n", "\n") : ClePourExport;
        c.Ouvre(cle);
        c.Menu(1);
        const std::string sortie = c.Fichier + ".txt";
        EXPECT_EQ(Lis(sortie), Attendu("conversions/export.txt", Lis(sortie))) << lf;
        EXPECT_EQ(c.F->LblflashX.Caption, " Clé exportée dans " + sortie);
        EXPECT_EQ(Lis(c.Fichier), cle);
    }
}

// An export that cannot be written says so, and no notice claims it was.
TEST(OutilsConversions, ExportImpossibleSignale) {
    Conversion c;
    c.Ouvre("1,0$a$A\r\n1,0$b$B\r\n");
    fs::create_directory(c.Fichier + ".txt");
    c.F->LblflashX.Caption.clear();
    c.Menu(1);
    EXPECT_EQ(c.Dialogues.Journal.back().rfind("message: Enregistrement impossible (export) : ", 0),
              0u);
    EXPECT_EQ(c.F->LblflashX.Caption.find("exportée"), std::string::npos);
}

// Windows-1252 and UTF-8 lines in one key, and a letter that Windows-1252 does not have: the
// converted key is UTF-8, opens, and its first line is compiled.
TEST(OutilsConversions, ConversionUtf8RelueParLeCompilateur) {
    Conversion c;
    const std::string cle = "1, 2 $C\xE8pe$Boletus$F\"c.png\"\r\n"
                            "1, 0 $Lames \xCE\xB1 et \xC3\xA9tal\xC3\xA9\x65s$Alpha\n"
                            "2, 0 $For\xEAt$Silva\r\n"
                            "2, 0 $Pr\xE9$Pratum";
    c.Ouvre(cle);
    c.Menu(6);
    const std::string sortie = c.Fichier + "UTF8-B.txt";
    EXPECT_EQ(Lis(sortie), "$FICHIER CLE$\r\nrem$UTF8$\r\n"
                           "1, 2 $C\xC3\xA8pe$Boletus$F\"c.png\"\r\n"
                           "1, 0 $Lames \xCE\xB1 et \xC3\xA9tal\xC3\xA9\x65s$Alpha\r\n"
                           "2, 0 $For\xC3\xAAt$Silva\r\n"
                           "2, 0 $Pr\xC3\xA9$Pratum\r\n\r\n");
    EXPECT_EQ(Lis(c.Fichier), cle);
    EXPECT_EQ(c.F->LblflashX.Caption, " Clé exportée dans " + sortie);
    EXPECT_EQ(c.Prog->Cle.CodageTxt, "");

    c.Dialogues.Fichiers.push_back(sortie);
    c.Bouton(OutCharger);
    const CleCompilee &k = c.Prog->Cle;
    EXPECT_EQ(k.NbLignesM1, 3);
    EXPECT_EQ(k.TabLignes(1).Description, "Cèpe");
    EXPECT_EQ(k.TabLignes(2).Description, "Lames α et étalées");
    EXPECT_EQ(k.TabLignes(3).Description, "Forêt");

    // Replacing: the key file itself, no marker needed for a .cle.
    c.Ouvre(cle);
    c.Menu(5);
    EXPECT_EQ(Lis(c.Fichier).rfind("rem$UTF8$\r\n1, 2 $C\xC3\xA8pe$", 0), 0u);
}

// A key stored as a txt file keeps its marker first, replaced or beside it, and still opens.
TEST(OutilsConversions, CleTxtGardeSonMarqueur) {
    Conversion c;
    c.Ouvre("$FICHIER CLE$\r\n1, 0 $Pr\xE9$A\r\n1, 0 $b$B\r\n", "cle.txt");
    c.Menu(5);
    EXPECT_EQ(Lis(c.Fichier),
              "$FICHIER CLE$\r\nrem$UTF8$\r\n1, 0 $Pr\xC3\xA9$A\r\n1, 0 $b$B\r\n\r\n");
    c.Dialogues.Fichiers.push_back(c.Fichier);
    c.Bouton(OutCharger);
    EXPECT_EQ(c.Prog->Cle.TabLignes(1).Description, "Pré");
    EXPECT_EQ(c.Prog->Cle.NbLignesM1, 1);
}

// Replacing the key: a byte order mark in front of its first line is dropped and the original is
// kept; a text that would compile to another key (an overlong "$" decoded into a separator), or
// pass the line limit with its marker line, is refused and nothing is written.
TEST(OutilsConversions, RemplacementVerifieAvantDEcrire) {
    std::string longue = "1, 0 $a$A\r\n1, 0 $b$B\r\n";
    for (int k = 2; k < 32767; ++k)
        longue += "REM$\r\n";
    const std::pair<std::string, const char *> cas[] = {
        {"\xEF\xBB\xBFrem$x\r\n1, 0 $C\xC3\xA8pe$A\r\n1, 0 $b$B\r\n", nullptr},
        {"1, 0 $a\xC0\xA4"
         "B\r\n1, 0 $b$B\r\n",
         "conversion refusée : la clé convertie ne se compile pas comme l'originale"},
        {longue, "conversion refusée : avec sa ligne rem$UTF8$, la clé dépasserait 32767"},
    };
    for (const auto &[cle, refus] : cas) {
        Conversion c;
        c.Ouvre(cle);
        c.Menu(5);
        const std::string bak = NomSauvegarde(c.Fichier);
        if (refus != nullptr) {
            EXPECT_EQ(Lis(c.Fichier), cle);
            EXPECT_FALSE(fs::exists(bak));
            EXPECT_EQ(c.Dialogues.Journal.back().rfind(std::string("message: ") + refus, 0), 0u)
                << c.Dialogues.Journal.back();
            continue;
        }
        EXPECT_EQ(Lis(bak), cle);
        EXPECT_EQ(Lis(c.Fichier).rfind("rem$UTF8$\r\nrem$x\r\n1, 0 $C", 0), 0u);
        c.Dialogues.Fichiers.push_back(c.Fichier);
        c.Bouton(OutCharger);
        EXPECT_EQ(c.Prog->Cle.TabLignes(1).Description, "Cèpe");
    }
}

TEST(OutilsConversions, CleDejaEnUtf8) {
    Conversion c;
    c.Ouvre("CODAGETXT$UTF8\r\n1, 0 $a$A\r\n1, 0 $b$B\r\n");
    ASSERT_EQ(c.Prog->Cle.CodageTxt, "UTF8");
    for (int index : {5, 6}) {
        c.Menu(index);
        EXPECT_EQ(c.Dialogues.Journal.back(), "message: cette clé est déjà codée en UTF8");
    }
    EXPECT_FALSE(fs::exists(c.Fichier + "UTF8-B.txt"));
}

TEST(OutilsConversions, IgnoreSNulleSeCoche) {
    Conversion c;
    EXPECT_FALSE(c.F->MnOutil[30].Checked);
    FenetreEssai::Gere([&] { MnOutil_Click(*c.F, 30); });
    EXPECT_TRUE(c.F->MnOutil[30].Checked);
    FenetreEssai::Gere([&] { MnOutil_Click(*c.F, 30); });
    EXPECT_FALSE(c.F->MnOutil[30].Checked);
}

} // namespace
} // namespace lamelix::test
