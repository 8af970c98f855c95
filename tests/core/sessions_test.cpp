// Sessions brought back by "Session précédente": the path rebuilt, an entity or a key that is no
// longer there, and the session save that must leave the user's other lines byte for byte.

#include "platform/fichiers.hpp"
#include "tests/core/releve.hpp"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

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

// The first entity comes back without a made-up step, the next choice being the path's first
// step alone; a deeper entity gets the path that leads to it; an entity the key no longer has
// opens the key at its start; a key gone, or a named pipe (that would block the program), is
// said and leaves the consultation as it was.
TEST(Sessions, CheminRefaitEntiteOuCleDisparue) {
    Poste p;
    const std::string cle = p.Dossier.Ecrit("k.cle", Champignons);
    Releve r(p);
    for (int entite : {1, 3, 9, 4000, 32000})
        r("session entite " + std::to_string(entite), [&] {
            p.Reprend(cle, entite);
            if (entite == 1) p.Choisit(0);
        });
    r("Lames Anneau", [&] { p.Choisit({0, 0}); });
    r("session d'une cle disparue", [&] { p.Reprend(p.Dossier.Chemin("disparue.cle"), 2); });
    r("session d'un tube", [&] {
        const std::string tube = p.Dossier.Chemin("tube.cle");
        ASSERT_EQ(mkfifo(tube.c_str(), 0600), 0);
        p.Reprend(tube, 2);
    });
    EXPECT_EQ(r.Texte(), r.Attendu("sessions"));
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
