// `lamelix-outils tables`, run as key authors run it: the compiled tables on standard output,
// one line per dialog on standard error, and the exit status.

#include "cli/console.hpp"
#include "tests/core/banc_cle.hpp"
#include "tests/core/lance_outils.hpp"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/wait.h>

namespace lamelix::test {
namespace {

TEST(Outils, TablesDUneCleComplete) {
    DossierTemporaire dossier;
    const std::string cle = dossier.Ecrit("essai.cle", "TITRE$Cl\xE9 test\r\n"
                                                       "COM$Essai\ttab\\dos\r\n"
                                                       "REM$LANGUE$Anglais\r\n"
                                                       "1, 2 $Lames$$S\"Lamell\xE9s\"\r\n"
                                                       "1, CS2 $Tubes\r\n"
                                                       "2, 0 $Blanc$Alba\r\n"
                                                       "2, 0, n $note\r\n"
                                                       "3, 0 $Seule$Orpha\r\n"
                                                       "CS2, 0 $Bolets\r\n"
                                                       "1, 0 $Pores$Boletus$F\"b.html\"\r\n");
    Resultat r = Lance(dossier, "tables '" + cle + "'");
    EXPECT_EQ(r.statut, 0);
    EXPECT_EQ(r.erreurs, "");
    EXPECT_EQ(r.sortie, Attendu("tables/complete.txt", r.sortie));
}

TEST(Outils, QuestionRepondueSelonLOption) {
    DossierTemporaire dossier;
    const std::string cle = dossier.Ecrit("q.cle", "TITRE$T\n5, 5 $a\n5, 0 $b$c\n");
    const std::string question = "question:  erreur clé (E=S)ligne 2 Continuer l'analyse ?   -> ";
    const std::tuple<const char *, int, const char *> cas[] = {
        {"", 0, "oui"}, {"--oui", 0, "oui"}, {"--non", 1, "non"}};
    for (const auto &[option, statut, reponse] : cas) {
        Resultat r = Lance(dossier, std::string("tables ") + option + " '" + cle + "'");
        EXPECT_EQ(r.statut, statut) << option;
        EXPECT_EQ(r.erreurs, question + reponse + "\n") << option;
    }
}

TEST(Outils, ArretEtRejetsSurLaSortieDErreur) {
    DossierTemporaire dossier;
    Resultat r = Lance(dossier, "tables '" + dossier.Ecrit("s.cle", "TITRE$T\n1 $a\\b\n") + "'");
    EXPECT_EQ(r.statut, 1);
    EXPECT_EQ(r.erreurs,
              R"(message:  syntaxe incorrecte ligne 2\r\nchercher : \\a\\b \\ et  \\1 \\  )"
              R"(\r\n(enregistré dans le presse papier))"
              "\n"
              R"(presse-papier: \\ a\\b \\  et  \\ 1 \\ )"
              "\n");

    r = Lance(dossier, "tables '" + dossier.Ecrit("seul.cle", "une ligne\n") + "'");
    EXPECT_EQ(r.statut, 1);
    EXPECT_EQ(r.erreurs, "message:  fichier seul.cle  incorrect\n");
    EXPECT_NE(r.sortie.find("\nErreurCle\t1\n"), std::string::npos);

    const std::string sansMarqueur = dossier.Ecrit("cle.txt", "1, 0 $a\n1, 0 $b\n");
    r = Lance(dossier, "tables '" + sansMarqueur + "'");
    EXPECT_EQ(r.statut, 1);
    EXPECT_EQ(r.erreurs, "message:  le fichier " + sansMarqueur + " n'est pas un fichier clé\n");

    r = Lance(dossier, "tables '" +
                           dossier.Ecrit("m.txt", "$FICHIER CLE$\nrem$UTF8$\n1, 0 $C\xC3\xA8pe\n") +
                           "'");
    EXPECT_EQ(r.statut, 0);
    EXPECT_NE(r.sortie.find("\n1\t3\t1\t0\t1\t\t0\t\tCèpe\t\t\n"), std::string::npos) << r.sortie;
}

// A file with nothing in it compiles nothing: no dialog, but no success either, and the tables
// are still printed.
TEST(Outils, FichierVideNiCompileNiSignale) {
    DossierTemporaire dossier;
    for (const char *contenu : {"", " \r\n\r\n", " , \n,"}) {
        Resultat r = Lance(dossier, "tables '" + dossier.Ecrit("vide.cle", contenu) + "'");
        EXPECT_EQ(r.statut, 1) << contenu;
        EXPECT_EQ(r.erreurs, "") << contenu;
        EXPECT_EQ(r.sortie.rfind("NbLignesM1\t0\n", 0), 0u) << r.sortie;
    }
}

TEST(Outils, EchappeLesCaracteresDeCommande) {
    const std::pair<std::string, std::string> cas[] = {
        {"a\tb\\c\r\nd", "a\\tb\\\\c\\r\\nd"},
        {std::string("a\0b", 3), "a\\x00b"},
        {"\x1B]0;titre\x07", "\\x1b]0;titre\\x07"},
        {"\x01\x1F\x7F", "\\x01\\x1f\\x7f"},
        {"\xC2\x80\xC2\x85\xC2\x9F", "\\x80\\x85\\x9f"},
        // é, à, a no-break space (C2 A0) and € (E2 82 AC): letters, whatever their bytes.
        {"\xC3\xA9\xC3\xA0\xC2\xA0\xE2\x82\xAC", "\xC3\xA9\xC3\xA0\xC2\xA0\xE2\x82\xAC"},
        // Bytes that are no UTF-8 control stay as they are.
        {"\xC2", "\xC2"},
        {"\xC2"
         "a\x85",
         "\xC2"
         "a\x85"},
        {"\xC2\xC2\x85", "\xC2\\x85"}};
    for (const auto &[texte, attendu] : cas)
        EXPECT_EQ(Echappe(texte), attendu) << texte;
}

// The command line's services: the dialogs and what the window would open go to the error
// stream, escaped; nothing is started, questions are answered No, and the connection is said to
// be there so that a key's web links are listed too.
TEST(Outils, ServicesDeLaConsole) {
    std::ostringstream erreurs;
    ServicesConsole s(erreurs, false);
    EXPECT_EQ(s.Saisie("Nom ?", "", "x"), std::nullopt);
    EXPECT_EQ(s.DialogueOuvrir("Clé|*.cle", ""), std::nullopt);
    EXPECT_EQ(s.LanceProgramme("visionneuse", {"photo.jpg"}), 0);
    EXPECT_TRUE(s.ConnexionInternet());
    EXPECT_FALSE(s.Requete({"GET", "https://exemple.org/", {}, {}}).Erreur.empty());
    s.Bip();
    EXPECT_EQ(erreurs.str(), "");
    s.Message("ligne\tun");
    EXPECT_EQ(s.Question("Continuer ?"), ReponseNon);
    s.PressePapierTexte("copie");
    EXPECT_TRUE(s.ShellEx("C:\\docs\\photo\x1b.jpg", "/cles"));
    EXPECT_EQ(erreurs.str(), "message: ligne\\tun\nquestion: Continuer ? -> non\n"
                             "presse-papier: copie\nouvre: C:\\\\docs\\\\photo\\x1b.jpg\n");
}

// What reaches the terminal: the line structure, and printable text only.
bool SansCaractereDeCommande(const std::string &sortie) {
    for (std::size_t i = 0; i < sortie.size(); ++i) {
        const auto c = static_cast<unsigned char>(sortie[i]);
        if ((c < 0x20 && c != '\t' && c != '\n') || c == 0x7F) return false;
        if (c == 0xC2 && i + 1 < sortie.size() &&
            (static_cast<unsigned char>(sortie[i + 1]) & 0xE0) == 0x80)
            return false;
    }
    return true;
}

// A key cannot drive the author's terminal: its escape sequences, DEL and C1 controls (here in
// a UTF-8 key) reach the tables, the window's state and the dialog lines escaped.
TEST(Outils, UneCleNePilotePasLeTerminal) {
    DossierTemporaire dossier;
    const std::string cle =
        dossier.Ecrit("commandes.txt", "$FICHIER CLE$\r\n"
                                       "rem$UTF8$\r\n"
                                       "TITRE$Cl\xC3\xA9\x1B]0;pirate\x07\r\n"
                                       "1, 2 $C\xC3\xA8pe\x1B[2J$$S\"Sec\xC2\x85tion\"\r\n"
                                       "1, 0 $Pores\x7F$Bolet\xC2\xA0us\r\n"
                                       "2, 0 $Lames\x13$Amanite\r\n");
    Resultat r = Lance(dossier, "tables '" + cle + "'");
    EXPECT_EQ(r.statut, 0) << r.erreurs;
    EXPECT_TRUE(SansCaractereDeCommande(r.sortie)) << r.sortie;
    EXPECT_TRUE(SansCaractereDeCommande(r.erreurs)) << r.erreurs;
    EXPECT_NE(r.sortie.find("\nTitreCle\tClé\\x1b]0;pirate\\x07\n"), std::string::npos) << r.sortie;
    EXPECT_NE(r.sortie.find("\tSec\\x85tion\tCèpe\\x1b[2J\t\tS\"Sec\\x85tion\"\n"),
              std::string::npos)
        << r.sortie;
    EXPECT_NE(r.sortie.find("\tPores\\x7f\tBolet\xC2\xA0us\t\n"), std::string::npos) << r.sortie;
    EXPECT_NE(r.erreurs.find(" \\x13 dans  ligne Lames\\x13 / "), std::string::npos) << r.erreurs;

    r = Lance(dossier, "parcours '" + cle + "' 0");
    EXPECT_EQ(r.statut, 0) << r.erreurs;
    EXPECT_TRUE(SansCaractereDeCommande(r.sortie)) << r.sortie;
    EXPECT_TRUE(SansCaractereDeCommande(r.erreurs)) << r.erreurs;
    EXPECT_NE(r.sortie.find("\nList1\tCèpe\\x1b[2J\nList1\tPores\\x7f\n"), std::string::npos)
        << r.sortie;
}

// A standard output that takes nothing (a full disk) is a failure of every command, told on one
// line, whatever the command itself concluded.
TEST(Outils, EcritureImpossibleSurLaSortieStandard) {
    if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
    DossierTemporaire dossier;
    const std::string ligne = "lamelix-outils: écriture impossible sur la sortie standard\n";
    for (const std::string &arguments : {std::string("tables '" LAMELIX_CLES "/defaut.cle'"),
                                         std::string("tables '" LAMELIX_CLES "/erreur-96.cle'"),
                                         std::string("parcours '" LAMELIX_CLES "/defaut.cle' 0 0"),
                                         std::string("--help"), std::string("--version")}) {
        Resultat r = Lance(dossier, arguments, "/dev/full");
        EXPECT_EQ(r.statut, 2) << arguments;
        ASSERT_GE(r.erreurs.size(), ligne.size()) << arguments;
        EXPECT_EQ(r.erreurs.find(ligne), r.erreurs.size() - ligne.size()) << r.erreurs;
    }
}

} // namespace
} // namespace lamelix::test
