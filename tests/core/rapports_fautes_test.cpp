// The authors' reports on keys that test their edges, kept whole in
// tests/data/rapports/codages-et-lignes.txt: lamelix-outils analyse and verifie on each key.

#include "tests/core/lance_outils.hpp"

#include <gtest/gtest.h>

namespace lamelix::test {
namespace {

// A line is shown in Windows-1252 until the key declares UTF-8 (by a marker line or by a
// byte-order mark on its first line), in UTF-8 from there on: the ignored lines of the analysis
// report and the lines verifie quotes. Each structure warning of verifie names the file's own
// line and quotes it, whatever title, comment, marker or blank lines come before the key lines.
TEST(RapportsFautes, CodageEtLignesDuFichier) {
    const std::string e = "\xC3\xA9"; // "é" in UTF-8
    const std::string cle = "1, 2 $Lames$\r\n1, 0 $Tubes$B\r\n2, 0 $" + e + "$A\r\n";
    const std::string structure = "1, 2 $Lames$\r\n1, 0 $Tubes$Boletus\r\n2, 3 $Volve$\r\n"
                                  "3, 0 $Anneau$Amanita\r\n3, 0 $Sans$Amanita\r\n5, 0 $x$Y\r\n"
                                  "5, 0 $z$W\r\n";
    const std::pair<const char *, std::string> cles[] = {
        {"ansi.cle", "REM " + e + "\r\n" + cle},
        {"marqueur.cle", "REM " + e + "\r\nrem$UTF8$\r\nREM " + e + "\r\n" + cle},
        {"bom.cle", "\xEF\xBB\xBFrem$\r\nREM " + e + "\r\n" + cle},
        {"structure.cle", structure},
        {"tete.cle",
         "TITRE$Essai\r\nREM$une remarque\r\n\r\nCOM$Par les lames\r\n  \r\n" + structure},
        {"tete.txt", "$FICHIER CLE$\r\n\r\nrem sans dollar\r\n" + structure}};
    DossierTemporaire dossier;
    Transcription t(dossier);
    for (const auto &[nom, octets] : cles) {
        const std::string chemin = dossier.Ecrit(nom, octets);
        for (const char *commande : {"analyse '", "verifie '"})
            t.Lance(commande + chemin + "'");
    }
    EXPECT_EQ(t.Texte, Attendu("rapports/codages-et-lignes.txt", t.Texte));
}

} // namespace
} // namespace lamelix::test
