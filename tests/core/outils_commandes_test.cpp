// The tools window's operations on the command line: `lamelix-outils analyse`, `renum`, the
// listings, the conversions and `verifie`, run as key authors run them.

#include "tests/core/lance_outils.hpp"
#include "tests/core/outils_essai.hpp"

#include <gtest/gtest.h>

namespace lamelix::test {
namespace {

const char *const Fautive = "TITRE$T\r\nREM$commentaire\r\n1, 2 $Lames\r\n1, 3 $Tubes$Noeud\r\n"
                            "2, 0 $Blanc$Alba\r\n2, 0, N $une note$$F\"absent.png\"\r\n"
                            "2, 0 $$Sans description\r\n3, 0 $Jaune\r\n3, 2 $Retour\r\n"
                            "1, 0 $desordre$Des\r\n3, 9 $loin\r\n";

// Each listing prints exactly what the window's report box holds, and nothing else.
TEST(OutilsCommandes, LesRapportsSontCeuxDeLaFenetre) {
    OutilsEssai o;
    o.Ouvre(Fautive);
    const std::pair<const char *, int> cas[] = {
        {"analyse", OutAnalyse},        {"coherence", OutCoherence},
        {"notes", OutListeNotes},       {"complements", OutListeComplements},
        {"verif-liens", OutVerifLiens}, {"compil", OutVoirCompil}};
    for (const auto &[commande, bouton] : cas) {
        o.Bouton(bouton);
        Resultat r = Lance(o.Dossier, std::string(commande) + " '" + o.Fichier + "'");
        EXPECT_EQ(r.statut, 0) << commande << r.erreurs;
        EXPECT_EQ(r.sortie, o.Rapport()) << commande;
    }
    Resultat r = Lance(o.Dossier, "liens '" + o.Fichier + "'");
    EXPECT_EQ(r.sortie, "absent.png\r\n");
    r = Lance(o.Dossier, "coherence '" + o.Fichier + "'");
    EXPECT_NE(r.erreurs.find("message: test de cohérence terminé \n"), std::string::npos)
        << r.erreurs;
}

TEST(OutilsCommandes, CompilToutesLesPagesALaSuite) {
    OutilsEssai o;
    std::string cle = "1, 2 $a\r\n";
    for (int e = 2; e <= 300; ++e)
        cle += std::to_string(e) + ", " + std::to_string(e + 1) + " $" + std::string(300, 'y') +
               "\r\n";
    cle += "301, 0 $fin$F\r\n1, 0 $b$B\r\n";
    o.Ouvre(cle);
    o.Bouton(OutVoirCompil);
    std::string pages = o.Rapport();
    int nombre = 1;
    while (o.O.Command2.Visible) {
        FenetreEssai::Gere([&] { Command2_Click(o.O); });
        pages += o.Rapport();
        ++nombre;
    }
    ASSERT_GE(nombre, 3);
    Resultat r = Lance(o.Dossier, "compil '" + o.Fichier + "'");
    EXPECT_EQ(r.statut, 0);
    EXPECT_EQ(r.sortie, pages);
}

// The commands that write, refuse or judge a key, kept whole in tests/data/rapports/commandes.txt:
// renum and its save with a copy; numbers that make no key (entity 0, numbers going down, past
// the last entity a key may have), a file that is no key by its name and a key with secondary
// keys: said, nothing written; the conversions; verifie as a compiler says its faults (a fourth
// "$", a line feed in the file's name that cannot start a line of its own, faults that once
// went without a word: a key starting at entity 0, CS-1 calling its own line) and the report's
// faults; a key quoted by a report cannot drive the terminal; a file that is no key.
TEST(OutilsCommandes, TranscriptionDesCommandes) {
    DossierTemporaire d;
    Transcription t{d};
    const auto lance = [&](const std::string &commande, const std::string &nom,
                           std::string_view octets = {}) {
        if (!octets.empty()) d.Ecrit(nom, octets);
        t.Lance(commande + " '" + d.Chemin(nom) + "'");
    };
    lance("renum --depart 10 --increment 5", "a.b.cle",
          "1, 2 $a\n1, 0 $b$B\n2, 0 $c$C\n2, 0 $d$D\n");
    t.Fichier("a.b.cle.BAK");
    lance("renum --non --depart 10 --ecrire", "a.b.cle");
    t.Fichier("a.b.cle");
    lance("renum --depart 10 --increment 10 --ecrire", "a.b.cle");
    t.Fichier("a.b.cle");
    t.Fichier("a.b.cle.BAK");
    for (const char *options : {"--depart 0 --increment 0 --ecrire", "--increment -1 --ecrire",
                                "--depart 3995 --increment 10 --ecrire"}) {
        lance(std::string("renum ") + options, "a.b.cle");
        t.Fichier("a.b.cle");
    }
    lance("renum", "cle", "1, 0 $a$A\n1, 0 $b$B\n");
    lance("renum --ecrire", "cs.cle",
          "1, CS1 $a\r\n1, 0 $b$B\r\nCS1, 0 $S\r\n1, 0 $c$C\r\n1, 0 $d$D\r\n");
    t.Fichier("cs.cle.BAK");

    lance("export-txt", "k.cle", "1, 0 $C\xE8pe$A\r\n1, 0 $b$B\r\n");
    t.Fichier("k.cle.txt");
    lance("utf8 --remplacer", "k.cle");
    t.Fichier("k.cle");
    lance("utf8", "u.cle", "CODAGETXT$UTF8\r\n1, 0 $a$A\r\n1, 0 $b$B\r\n");

    t.Lance("verifie '" LAMELIX_CLES "/erreur-syntaxe.cle'");
    t.Lance("verifie '" LAMELIX_CLES "/defaut.cle'");
    for (const auto &[nom, octets] : std::initializer_list<std::pair<const char *, const char *>>{
             {"v.cle", "1, 2 $a\r\n1 0, 3 $b\r\n2, 0 $c$C\r\n2, 0 $$D\r\n3, 0 $e$E\r\n3, 1 $f\r\n"},
             {"d.cle", "1, 0 $a$A\r\n1, 0 $b$B$C$D\r\n"},
             {"saut\nligne.cle", "1, 0 $a$A\r\n1 0, 0 $b$B\r\n"},
             {"m1.cle", "0, 2 $a\r\n0, 0 $b$B\r\n2, 0 $c$C\r\n2, 0 $d$D\r\n"},
             {"m2.cle", "1, 0 $a$A\r\n1, 0 $b$B\r\n0, 0 $e$E\r\n"},
             {"m3.cle", "1, CS-1 $a\r\n1, 0 $b$B\r\nCS1, 0 $S\r\n1, 0 $c$C\r\n1, 0 $d$D\r\n"},
             {"r.cle", "1, 2 $a\r\n1, 3 $b\r\n2, 0 $c$C\r\n2, 0 $$D\r\n3, 0 $e$E\r\n3, 1 $f\r\n"}})
        lance("verifie", nom, octets);
    lance("compil", "t.cle", "1, 2 $a\x1B]0;titre\x07\r\n1, 0 $b$B\r\n2, 0 $c$C\r\n2, 0 $$D\r\n");
    lance("analyse", "refus.cle", "une ligne\n");
    EXPECT_EQ(t.Texte, Attendu("rapports/commandes.txt", t.Texte));
}

// Diagnostics that cannot be written (standard error on a full disk) make the run fail.
TEST(OutilsCommandes, DiagnosticsPerdusEchec) {
    DossierTemporaire d;
    const std::string cle = d.Ecrit("w.cle", "1, x $a\r\n1, 0 $b$B\r\n");
    const Resultat r = Lance(d, "tables '" + cle + "'");
    ASSERT_EQ(r.statut, 0);
    ASSERT_NE(r.erreurs, "");
    const int brut =
        std::system(("'" LAMELIX_OUTILS "' tables '" + cle + "' >/dev/null 2>/dev/full").c_str());
    EXPECT_TRUE(WIFEXITED(brut) && WEXITSTATUS(brut) != 0);
}

} // namespace
} // namespace lamelix::test
