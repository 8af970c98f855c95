// The tools window's operations on the command line: `lamelix-outils analyse`, `renum`, the
// listings, the conversions and `verifie`, run as key authors run them.

#include "tests/core/lance_outils.hpp"
#include "tests/core/outils_essai.hpp"

#include <filesystem>
#include <gtest/gtest.h>

namespace lamelix::test {
namespace {

namespace fs = std::filesystem;

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

// A key quoted by a report cannot drive the terminal: its control characters are escaped, the
// report's own line breaks and backslashes stay.
TEST(OutilsCommandes, UnRapportNePilotePasLeTerminal) {
    DossierTemporaire d;
    const std::string cle = d.Ecrit("t.cle", "1, 2 $a\x1B]0;titre\x07\r\n1, 0 $b$B\r\n"
                                             "2, 0 $c$C\r\n2, 0 $$D\r\n");
    Resultat r = Lance(d, "compil '" + cle + "'");
    EXPECT_EQ(r.statut, 0);
    EXPECT_NE(r.sortie.find("\r\n1 : 1 | 1 , 2 \\ 1 | a\\x1b]0;titre\\x07   $  | \r\n"),
              std::string::npos)
        << r.sortie;
    EXPECT_EQ(r.sortie.find('\x1B'), std::string::npos);
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

TEST(OutilsCommandes, RenumEtSauvegarde) {
    DossierTemporaire d;
    const std::string cle = d.Ecrit("a.b.cle", "1, 2 $a\n1, 0 $b$B\n2, 0 $c$C\n2, 0 $d$D\n");
    Resultat r = Lance(d, "renum --depart 10 --increment 5 '" + cle + "'");
    EXPECT_EQ(r.statut, 0) << r.erreurs;
    EXPECT_EQ(r.sortie, "Compte rendu analyse numérotation : \r\n" + cle +
                            "\r\n\r\nnb entités : 4\r\n ---- fin du compte rendu ---------\n"
                            "== correspondances\n"
                            "\r\n1,2$  => 10,15\r\n1,0$  => 10,0\r\n2,0$  => 15,0\r\n"
                            "2,0$  => 15,0\r\n\r\nnb entités : 4");
    EXPECT_FALSE(fs::exists(d.Chemin("a.b.cle.BAK")));

    r = Lance(d, "renum --non --depart 10 --ecrire '" + cle + "'");
    EXPECT_EQ(r.statut, 1);
    EXPECT_EQ(Lis(cle), "1, 2 $a\n1, 0 $b$B\n2, 0 $c$C\n2, 0 $d$D\n");
    r = Lance(d, "renum --depart 10 --increment 10 --ecrire '" + cle + "'");
    EXPECT_EQ(r.statut, 0) << r.erreurs;
    EXPECT_EQ(r.erreurs, "question: le fichier " + cle +
                             " va être modifié  -> oui\nmessage: Clé renumérotée enregistrée "
                             "dans :\\n" +
                             cle + "\\nCopie de l'original :\\n" + d.Chemin("a.b.cle.BAK") + "\n");
    EXPECT_EQ(Lis(cle), "10,20$a\r\n10,0$b$B\r\n20,0$c$C\r\n20,0$d$D\r\n");
    EXPECT_EQ(Lis(d.Chemin("a.b.cle.BAK")), "1, 2 $a\n1, 0 $b$B\n2, 0 $c$C\n2, 0 $d$D\n");

    // Numbers that make no key (entity 0, numbers going down, past the last entity a key may
    // have) and a file that is no key by its name: said, nothing written.
    const std::pair<const char *, const char *> refus[] = {
        {"--depart 0 --increment 0 --ecrire", "numérotation refusée"},
        {"--increment -1 --ecrire", "numérotation refusée"},
        {"--depart 3995 --increment 10 --ecrire", "numérotation refusée"},
    };
    for (const auto &[options, message] : refus) {
        r = Lance(d, std::string("renum ") + options + " '" + cle + "'");
        EXPECT_EQ(r.statut, 1) << options;
        EXPECT_NE(r.erreurs.find(message), std::string::npos) << options << r.erreurs;
        EXPECT_EQ(Lis(cle), "10,20$a\r\n10,0$b$B\r\n20,0$c$C\r\n20,0$d$D\r\n") << options;
    }
    const std::string sansExtension = d.Ecrit("cle", "1, 0 $a$A\n1, 0 $b$B\n");
    r = Lance(d, "renum '" + sansExtension + "'");
    EXPECT_EQ(r.statut, 1);
    EXPECT_NE(r.erreurs.find("pas une clé"), std::string::npos) << r.erreurs;

    const std::string secondaire =
        d.Ecrit("cs.cle", "1, CS1 $a\r\n1, 0 $b$B\r\nCS1, 0 $S\r\n1, 0 $c$C\r\n1, 0 $d$D\r\n");
    r = Lance(d, "renum --ecrire '" + secondaire + "'");
    EXPECT_EQ(r.statut, 1);
    EXPECT_FALSE(fs::exists(d.Chemin("cs.cle.BAK")));
}

TEST(OutilsCommandes, ConversionsEcritesOuRefusees) {
    DossierTemporaire d;
    const std::string cle = d.Ecrit("k.cle", "1, 0 $C\xE8pe$A\r\n1, 0 $b$B\r\n");
    Resultat r = Lance(d, "export-txt '" + cle + "'");
    EXPECT_EQ(r.statut, 0);
    EXPECT_EQ(r.sortie, "");
    EXPECT_EQ(r.erreurs, "flash:  Clé exportée dans " + cle + ".txt\n");
    EXPECT_EQ(Lis(cle + ".txt"), "1\tC\xE8pe\t=>  A\r\n1\tb\t=>  B\r\n\r\n");

    r = Lance(d, "utf8 --remplacer '" + cle + "'");
    EXPECT_EQ(r.statut, 0) << r.erreurs;
    EXPECT_EQ(Lis(cle), "rem$UTF8$\r\n1, 0 $C\xC3\xA8pe$A\r\n1, 0 $b$B\r\n\r\n");

    const std::string utf8 = d.Ecrit("u.cle", "CODAGETXT$UTF8\r\n1, 0 $a$A\r\n1, 0 $b$B\r\n");
    r = Lance(d, "utf8 '" + utf8 + "'");
    EXPECT_EQ(r.statut, 1);
    EXPECT_EQ(r.erreurs, "message: cette clé est déjà codée en UTF8\n");
}

TEST(OutilsCommandes, VerifieCommeUnCompilateur) {
    DossierTemporaire d;
    Resultat r = Lance(d, "verifie '" LAMELIX_CLES "/erreur-syntaxe.cle'");
    EXPECT_EQ(r.statut, 1);
    EXPECT_EQ(r.sortie,
              LAMELIX_CLES "/erreur-syntaxe.cle:12: erreur: syntaxe incorrecte ligne 12 : "
                           "la tête « 3 » n'a pas de virgule : une ligne de clé commence "
                           "par « E, S $ »\n"
                           "    3 $Chapeau bleu-vert ; forte odeur d'anis$Clitocybe "
                           "odora (clitocybe odorant)\n");
    r = Lance(d, "verifie '" LAMELIX_CLES "/defaut.cle'");
    EXPECT_EQ(r.statut, 0) << r.sortie;

    const std::string cle = d.Ecrit("v.cle", "1, 2 $a\r\n1 0, 3 $b\r\n2, 0 $c$C\r\n2, 0 $$D\r\n"
                                             "3, 0 $e$E\r\n3, 1 $f\r\n");
    r = Lance(d, "verifie '" + cle + "'");
    EXPECT_EQ(r.statut, 1);
    EXPECT_NE(r.sortie.find(cle + ":2: erreur: "), std::string::npos) << r.sortie;
    EXPECT_NE(r.sortie.find("le numéro d'entité « 1 0 » n'est pas un nombre"), std::string::npos)
        << r.sortie;

    // A fourth "$" stops the compilation: the line is named, and why.
    const std::string dollars = d.Ecrit("d.cle", "1, 0 $a$A\r\n1, 0 $b$B$C$D\r\n");
    r = Lance(d, "verifie '" + dollars + "'");
    EXPECT_EQ(r.statut, 1);
    EXPECT_EQ(r.sortie.rfind(dollars + ":2: erreur: erreur 100/ligne2", 0), 0u) << r.sortie;
    EXPECT_NE(r.sortie.find(" : la ligne a 4 « $ » : trois au plus"), std::string::npos)
        << r.sortie;

    // A line feed in the file's name cannot start a line of its own.
    const std::string saut = d.Ecrit("saut\nligne.cle", "1, 0 $a$A\r\n1 0, 0 $b$B\r\n");
    r = Lance(d, "verifie '" + saut + "'");
    EXPECT_EQ(r.sortie.rfind(d.Chemin("saut\\nligne.cle") + ":2: erreur: ", 0), 0u) << r.sortie;

    // Faults that once went without a word (a key that starts with entity 0 did not load and
    // said nothing; CS-1 made a line call itself): named at their line, status 1.
    const std::pair<const char *, const char *> muettes[] = {
        {"0, 2 $a\r\n0, 0 $b$B\r\n2, 0 $c$C\r\n2, 0 $d$D\r\n", ":1: erreur: entité 0"},
        {"1, 0 $a$A\r\n1, 0 $b$B\r\n0, 0 $e$E\r\n", ":3: erreur: entité 0"},
        {"1, CS-1 $a\r\n1, 0 $b$B\r\nCS1, 0 $S\r\n1, 0 $c$C\r\n1, 0 $d$D\r\n",
         ":1: erreur: erreur 20/CSX/"},
    };
    for (const auto &[texte, attendu] : muettes) {
        r = Lance(d, "verifie '" + d.Ecrit("m.cle", texte) + "'");
        EXPECT_EQ(r.statut, 1) << texte;
        EXPECT_NE(r.sortie.find(attendu), std::string::npos) << texte << r.sortie;
    }
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

TEST(OutilsCommandes, VerifieLesFautesDuRapport) {
    DossierTemporaire d;
    const std::string cle = d.Ecrit("r.cle", "1, 2 $a\r\n1, 3 $b\r\n2, 0 $c$C\r\n2, 0 $$D\r\n"
                                             "3, 0 $e$E\r\n3, 1 $f\r\n");
    Resultat r = Lance(d, "verifie '" + cle + "'");
    EXPECT_EQ(r.statut, 1);
    EXPECT_EQ(r.sortie,
              cle +
                  ":4: erreur: Description terminale absente (2,0) : la ligne mène à "
                  "une espèce sans la décrire\n    2, 0 $$D\n" +
                  cle +
                  ":6: avertissement: rupture de séquence (3,1) : la ligne appelle une "
                  "entité qui n'est pas plus loin qu'elle : risque de boucle\n"
                  "    3, 1 $f\n" +
                  cle +
                  ":6: avertissement: cycle [KeyBase : loop] (3,1) 1 → 3 → 1 : cycle : la "
                  "consultation reviendrait à une entité déjà vue\n    3, 1 $f\n");
}

// A file that is no key leaves nothing to run the tool on: status 1, nothing on standard output.
TEST(OutilsCommandes, FichierRefuse) {
    DossierTemporaire d;
    Resultat r = Lance(d, "analyse '" + d.Ecrit("refus.cle", "une ligne\n") + "'");
    EXPECT_EQ(r.statut, 1);
    EXPECT_EQ(r.sortie, "");
}

} // namespace
} // namespace lamelix::test
