// The authors' reports on keys that test their edges: the lines quoted as the key's own
// encoding reads them, and the warnings of lamelix-outils verifie at the file's real lines.

#include "tests/core/lance_outils.hpp"
#include "tests/core/outils_essai.hpp"
#include "tools/lignes_fichier.hpp"

#include <algorithm>
#include <gtest/gtest.h>

namespace lamelix::test {
namespace {

// A line is shown in Windows-1252 until the key declares UTF-8 (by a marker line or by a
// byte-order mark on its first line), in UTF-8 from there on: the ignored lines of the analysis
// report and the lines lamelix-outils verifie quotes.
TEST(RapportsFautes, LignesLuesDansLeCodageDeLaCle) {
    const std::string e = "\xC3\xA9", ansi = "\xC3\x83\xC2\xA9"; // "é" in UTF-8, read as 1252
    const std::string cle = "1, 2 $Lames$\r\n1, 0 $Tubes$B\r\n2, 0 $" + e + "$A\r\n";
    const std::pair<std::string, std::vector<std::string>> cas[] = {
        {"REM " + e + "\r\n" + cle, {"1\\REM " + ansi, "    2, 0 $" + ansi + "$A"}},
        {"REM " + e + "\r\nrem$UTF8$\r\nREM " + e + "\r\n" + cle,
         {"1\\REM " + ansi, "3\\REM " + e, "    2, 0 $" + e + "$A"}},
        {"\xEF\xBB\xBFrem$\r\nREM " + e + "\r\n" + cle, {"2\\REM " + e, "    2, 0 $" + e + "$A"}},
    };
    for (const auto &[octets, attendus] : cas) {
        DossierTemporaire dossier;
        const std::string chemin = dossier.Ecrit("k.cle", octets);
        const std::string rapport = Lance(dossier, "analyse '" + chemin + "'").sortie +
                                    Lance(dossier, "verifie '" + chemin + "'").sortie;
        for (const std::string &attendu : attendus)
            EXPECT_NE(rapport.find(attendu), std::string::npos) << attendu << "\n" << rapport;
    }
}

// Each structure warning of lamelix-outils verifie names the file's own line and quotes it,
// whatever title, comment, marker or blank lines come before the key lines.
TEST(RapportsFautes, VerifieCiteLaLigneDuFichier) {
    const std::vector<std::string> cle = {
        "1, 2 $Lames$",       "1, 0 $Tubes$Boletus", "2, 3 $Volve$", "3, 0 $Anneau$Amanita",
        "3, 0 $Sans$Amanita", "5, 0 $x$Y",           "5, 0 $z$W"};
    const std::pair<const char *, std::vector<std::string>> cas[] = {
        {"k.cle", {}},
        {"k.cle", {"TITRE$Essai", "REM$une remarque", "", "COM$Par les lames", "  "}},
        {"k.txt", {"$FICHIER CLE$", "", "rem sans dollar"}},
    };
    for (const auto &[nom, tete] : cas) {
        std::string octets;
        for (const auto *partie : {&tete, &cle})
            for (const std::string &ligne : *partie)
                octets += ligne + "\r\n";
        DossierTemporaire dossier;
        const std::string chemin = dossier.Ecrit(nom, octets);
        const std::vector<std::string> sortie =
            LignesSansRetour(Lance(dossier, "verifie '" + chemin + "'").sortie);
        const long avant = static_cast<long>(tete.size());
        const std::pair<long, std::string> attendus[] = {
            {3, "avertissement: proposition unique [KeyBase : singleton] (2,3)"},
            {5, "information: espèce répétée (3,0) Amanita : déjà à la ligne " +
                    std::to_string(avant + 4)},
            {6, "avertissement: entité inaccessible [KeyBase : orphan] (5,0)"}};
        for (const auto &[n, message] : attendus) {
            const std::string debut = chemin + ":" + std::to_string(avant + n) + ": " + message;
            const auto trouve = std::find_if(sortie.begin(), sortie.end(),
                                             [&](const auto &l) { return l.rfind(debut, 0) == 0; });
            ASSERT_TRUE(trouve != sortie.end() && trouve + 1 != sortie.end()) << debut;
            EXPECT_EQ(trouve[1], "    " + cle[static_cast<std::size_t>(n - 1)]) << debut;
        }
    }
}

} // namespace
} // namespace lamelix::test
