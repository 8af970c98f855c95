// Sessions brought back by "Session précédente": the path rebuilt, an entity or a key that is no
// longer there, and the session save that must leave the user's other lines byte for byte.

#include "platform/fichiers.hpp"
#include "tests/core/fenetre_essai.hpp"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <tuple>

namespace lamelix::test {
namespace {

constexpr std::string_view Champignons = CleChampignons;

struct Poste : PosteEssai {
    // Brings back a session line naming this key and entity.
    void Reprend(const std::string &cle, int entite) {
        Dossier.Ecrit("Lamelix.ini", "FNT =3\r\nSESSION=" + cle + ";" + std::to_string(entite) +
                                         ";01/01/2026;10:00:00\r\n");
        mnuFileItem_Click(*F, FichierSession);
    }
};

TEST(Sessions, LaPremiereEntiteRevientSansEtapeInventee) {
    Poste p;
    const std::string cle = p.Dossier.Ecrit("k.cle", Champignons);
    p.Reprend(cle, 1);
    EXPECT_EQ(std::tuple(p.F->Parcours.EntiteCourante, p.F->Parcours.NbEtapes, p.F->Text1.Text),
              std::tuple(1, 0, ""));
    // The next choice is the first step of the path, alone.
    p.Choisit(0);
    EXPECT_EQ(std::tuple(p.F->Parcours.NbEtapes, p.F->Text1.Text), std::tuple(1, "Lames\r\n"));

    // Deeper entities get the path that leads to them.
    p.Reprend(cle, 3);
    EXPECT_EQ(std::tuple(p.F->Parcours.NbEtapes, p.F->Text1.Text),
              std::tuple(2, "Lames\r\nAnneau\r\n"));
}

TEST(Sessions, UneEntiteQueLaCleNAPlusOuvreLaCleASonDebut) {
    Poste p;
    const std::string cle = p.Dossier.Ecrit("k.cle", Champignons);
    for (int absente : {9, 4000, 32000}) {
        p.Reprend(cle, absente);
        EXPECT_EQ(std::tuple(p.F->Parcours.EntiteCourante, p.F->Parcours.NbEtapes),
                  std::tuple(1, 0))
            << absente;
        EXPECT_EQ(p.Propositions(), (Textes{"Lames", "Tubes"})) << absente;
    }
}

TEST(Sessions, UneCleDisparueEstSignaleeEtLaConsultationReste) {
    Poste p;
    p.Charge(Champignons);
    p.Choisit({0, 0});
    const std::string historique = p.F->Text1.Text;
    const std::string fichier = p.Prog->Cle.FichierCle;
    p.Dialogues.Journal.clear();

    const std::string disparue = p.Dossier.Chemin("disparue.cle");
    p.Reprend(disparue, 2);
    EXPECT_EQ(p.Dialogues.Journal, Textes{"message: fichier " + disparue + " non trouvé "});
    // A named pipe would block the program: it is no key file either.
    const std::string tube = p.Dossier.Chemin("tube.cle");
    ASSERT_EQ(mkfifo(tube.c_str(), 0600), 0);
    p.Reprend(tube, 2);
    EXPECT_EQ(p.Dialogues.Journal.back(), "message: fichier " + tube + " non trouvé ");

    EXPECT_EQ(std::tuple(p.F->Parcours.EntiteCourante, p.F->Text1.Text, p.Prog->Cle.FichierCle),
              std::tuple(3, historique, fichier));
    EXPECT_EQ(p.Propositions(), (Textes{"Volve", "Sans volve"}));
}

TEST(Sessions, LaSauvegardeGardeLesOctetsDesAutresLignes) {
    Poste p;
    // A byte order mark, a Windows-1252 line, a line ended by LF alone, a session line to replace
    // and a last line without a line end.
    const std::string autres = "\xEF\xBB\xBFREPDOC =C:\\Cl\xE9s\r\n"
                               "FNT =4\n"
                               "SESSION=ancienne;1;01/01/2020;09:00:00\r\n"
                               "LANGUEM = fr";
    p.Dossier.Ecrit("Lamelix.ini", autres);
    p.Charge(Champignons);
    IniSession_Sauve(*p.F);
    const std::string ini = p.Ini();
    const std::string avant = "\xEF\xBB\xBFREPDOC =C:\\Cl\xE9s\r\nFNT =4\n";
    ASSERT_EQ(ini.substr(0, avant.size()), avant);
    const std::string session = "SESSION=" + p.Prog->Cle.FichierCle + ";1;";
    EXPECT_EQ(ini.substr(avant.size(), session.size()), session);
    EXPECT_EQ(std::count(ini.begin(), ini.end(), ';'), 3); // then the date and the time
    const std::string fin = "\r\nLANGUEM = fr\r\n\r\n";    // after the session line
    EXPECT_TRUE(ini.ends_with(fin)) << ini;
    EXPECT_EQ(ini.find("ancienne"), std::string::npos);
    IniSession_Sauve(*p.F); // the file does not grow from one save to the next
    EXPECT_EQ(p.Ini().size(), ini.size());
}

TEST(Sessions, UnFichierDeReglagesImpossibleACreerNEstPasAnnonceCree) {
    Poste p;
    // A folder where the settings file should be: nothing can be written there.
    std::filesystem::create_directory(p.Dossier.Chemin("Lamelix.ini"));
    p.Charge(Champignons);
    p.Dialogues.Journal.clear();
    IniSession_Sauve(*p.F);
    ASSERT_EQ(p.Dialogues.Journal.size(), 1u);
    EXPECT_EQ(p.Dialogues.Journal[0].rfind("message: Enregistrement impossible (options) : " +
                                               p.Dossier.Chemin("Lamelix.ini"),
                                           0),
              0u)
        << p.Dialogues.Journal[0];
    EXPECT_NE(p.Dialogues.Journal[0].find("c'est un dossier"), std::string::npos);

    // With a settings file that can be made, the creation is said once, and the file is there.
    std::filesystem::remove(p.Dossier.Chemin("Lamelix.ini"));
    p.Dialogues.Journal.clear();
    IniSession_Sauve(*p.F);
    EXPECT_EQ(p.Dialogues.Journal, Textes{"message:  création de Lamelix.ini"});
    EXPECT_NE(p.Ini().find("SESSION="), std::string::npos);
}

} // namespace
} // namespace lamelix::test
