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

// The tables of a key with every kind of line (title, comment, language, section, secondary
// key, note, complement, an entity nothing calls), then the tables and the dialogs of keys that
// stop, are refused or ask a question, kept whole in tests/data/tables/dialogues.txt: the E = S
// question answered by the option (Yes by default, No fails); a syntax stop and its clipboard
// line; a single-field file; a txt file without its marker; a UTF-8 one with it; files with
// nothing in them (no dialog, but no success either); a key whose escape sequences, DEL and C1
// controls reach the tables, the walk and the dialog lines escaped, so that it cannot drive the
// author's terminal.
TEST(Outils, TablesEtDialoguesSurLaSortieDErreur) {
    DossierTemporaire d;
    Transcription t{d};
    const auto lance = [&](const std::string &commande, const std::string &nom,
                           std::string_view octets) {
        t.Lance(commande + " '" + d.Ecrit(nom, octets) + "'");
    };
    lance("tables", "essai.cle",
          "TITRE$Cl\xE9 test\r\nCOM$Essai\ttab\\dos\r\nREM$LANGUE$Anglais\r\n"
          "1, 2 $Lames$$S\"Lamell\xE9s\"\r\n1, CS2 $Tubes\r\n2, 0 $Blanc$Alba\r\n"
          "2, 0, n $note\r\n3, 0 $Seule$Orpha\r\nCS2, 0 $Bolets\r\n"
          "1, 0 $Pores$Boletus$F\"b.html\"\r\n");
    for (const char *option : {"", "--oui ", "--non "})
        lance(std::string("tables ") + option, "q.cle", "TITRE$T\n5, 5 $a\n5, 0 $b$c\n");
    lance("tables", "s.cle", "TITRE$T\n1 $a\\b\n");
    lance("tables", "seul.cle", "une ligne\n");
    lance("tables", "cle.txt", "1, 0 $a\n1, 0 $b\n");
    lance("tables", "m.txt", "$FICHIER CLE$\nrem$UTF8$\n1, 0 $C\xC3\xA8pe\n");
    for (const char *contenu : {"", " \r\n\r\n", " , \n,"})
        lance("tables", "vide.cle", contenu);
    const std::string commandes =
        "$FICHIER CLE$\r\nrem$UTF8$\r\nTITRE$Cl\xC3\xA9\x1B]0;pirate\x07\r\n"
        "1, 2 $C\xC3\xA8pe\x1B[2J$$S\"Sec\xC2\x85tion\"\r\n"
        "1, 0 $Pores\x7F$Bolet\xC2\xA0us\r\n2, 0 $Lames\x13$Amanite\r\n";
    lance("tables", "commandes.txt", commandes);
    t.Lance("parcours '" + d.Chemin("commandes.txt") + "' 0");
    EXPECT_EQ(t.Texte, Attendu("tables/dialogues.txt", t.Texte));
    EXPECT_TRUE(SansCaractereDeCommande(t.Texte.substr(t.Texte.rfind("$ tables"))));
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
