// "Test numérotation" and "Sauver renum": the new numbering, its report and correspondence
// list, and the rewriting of the key file with its backup.

#include "tests/core/lance_outils.hpp"
#include "tests/core/outils_essai.hpp"

#include <filesystem>
#include <gtest/gtest.h>

namespace lamelix::test {
namespace {

namespace fs = std::filesystem;

struct Renum : OutilsEssai {
    void Teste(std::string_view octets, const char *depart = "1", const char *increment = "1") {
        Ouvre(octets);
        O.Text1[0].SetText(depart);
        O.Text1[1].SetText(increment);
        Bouton(OutTestNumerotation);
    }
    std::string Cle() const { return Lis(Fichier); }
};

const char *const Cle10 =
    "TITRE$Dix\r\nREM$ligne recopiee\r\n1, 2 $Lames\r\n1, 3 $Tubes$$S\"T\"\r\n"
    "texte libre\r\n2, 0 $Blanc$Alba\r\n2, 0 $Rose$Rosea\r\n"
    "3, 0 $Jaune$Lutea\r\n3, 0 $Vert$Viridis\r\n";

TEST(OutilsRenum, DixEnDixPuisSauvegardeAvecCopie) {
    Renum r;
    r.Teste(Cle10, "10", "10");
    EXPECT_EQ(r.Rapport(), Crlf({"Compte rendu analyse numérotation : ", r.Fichier, "",
                                 "nb entités : 6", " ---- fin du compte rendu ---------"}));
    EXPECT_EQ(r.Correspondances(),
              Crlf({"", "1,2$  => 10,20", "1,3$  => 10,30", "2,0$  => 20,0", "2,0$  => 20,0",
                    "3,0$  => 30,0", "3,0$  => 30,0", "", "nb entités : 6"}));
    EXPECT_EQ(r.O.Label2.Caption, "6  lignes analysées");
    EXPECT_EQ(r.Prog->Cle.EntiteMax, 6);
    EXPECT_TRUE(r.O.Command1[OutSauverRenum].Enabled);

    r.Bouton(OutSauverRenum);
    EXPECT_EQ(r.Dialogues.Journal.end()[-2],
              "question: le fichier " + r.Fichier + " va être modifié  -> oui");
    EXPECT_EQ(r.Cle(), "TITRE$Dix\r\nREM$ligne recopiee\r\n10,20$Lames\r\n10,30$Tubes$$S\"T\"\r\n"
                       "texte libre\r\n20,0$Blanc$Alba\r\n20,0$Rose$Rosea\r\n"
                       "30,0$Jaune$Lutea\r\n30,0$Vert$Viridis\r\n");
    EXPECT_EQ(Lis(r.Dossier.Chemin("essai.BAK")), Cle10);
    EXPECT_FALSE(fs::exists(r.Dossier.Chemin("$$tmpCle")));
    // The tables now describe the file before the save: no second save from them.
    EXPECT_FALSE(r.O.Command1[OutSauverRenum].Enabled);
}

TEST(OutilsRenum, UneCleCourteNeGardeRienDeLaPrecedente) {
    Renum r;
    r.Teste(Cle10, "10", "10");
    // The last row is written here and only reset on its own.
    r.O.Ancienne(MaxLignesCle).E = 7;
    r.Teste("1, 0 $a$A\r\n1, 0 $b$B\r\n");
    for (const auto *table : {&r.O.Ancienne, &r.O.Nouvelle})
        for (long k = 3; k <= MaxLignesCle; ++k)
            ASSERT_EQ((*table)(k).E + (*table)(k).S + (*table)(k).Note, 0) << k;
    EXPECT_EQ(r.O.Nouvelle(2).E, 1);
}

TEST(OutilsRenum, FinsDeLigneLFReecritesEnCRLF) {
    Renum r;
    r.Teste("1, 2 $a\n1, 0 $b$B\n2, 0 $c$C\n2, 0 $d$D", "5", "5");
    r.Bouton(OutSauverRenum);
    EXPECT_EQ(r.Cle(), "5,10$a\r\n5,0$b$B\r\n10,0$c$C\r\n10,0$d$D\r\n");
}

// The marker of a key stored as a txt file numbers nothing and stays first.
TEST(OutilsRenum, MarqueurDesClesTxt) {
    Renum r;
    r.Ouvre("$FICHIER CLE$\r\n1, 2 $a\r\n1, 0 $b$B\r\n2, 0 $c$C\r\n2, 0 $d$D\r\n", "cle.txt");
    r.O.Text1[0].SetText("3");
    r.Bouton(OutTestNumerotation);
    EXPECT_NE(r.Rapport().find("nb entités : 4"), std::string::npos) << r.Rapport();
    r.Bouton(OutSauverRenum);
    EXPECT_EQ(r.Cle(), "$FICHIER CLE$\r\n3,4$a\r\n3,0$b$B\r\n4,0$c$C\r\n4,0$d$D\r\n");
    EXPECT_EQ(Lis(r.Dossier.Chemin("cle.BAK")).rfind("$FICHIER CLE$\r\n1, 2 $a", 0), 0u);
}

TEST(OutilsRenum, SortieIntrouvableEtLigneMalRangee) {
    Renum r;
    r.Teste("1, 2 $a\r\n1, 3 $b\r\n3, 0 $c$C\r\n3, 7 $d\r\n2, 0 $e$E\r\n2, 0 $f$F\r\n");
    EXPECT_EQ(r.Rapport(),
              Crlf({"Compte rendu analyse numérotation : ", r.Fichier, "",
                    " la ligne 5 (2, 0) est mal rangée", "Sortie ligne 4 (: 3,7$) non trouvée",
                    "nb entités : 6", " ---- fin du compte rendu ---------"}));
    EXPECT_NE(r.Correspondances().find("\r\n1,2$  => 1,3\r\n1,3$  => 1,2\r\n3,0$  => 2,0\r\n"
                                       "3,7$  => 2,9999\r\n2,0$  => 3,0\r\n"),
              std::string::npos)
        << r.Correspondances();
    r.Bouton(OutSauverRenum);
    EXPECT_NE(r.Cle().find("\r\n2,9999$d\r\n"), std::string::npos) << r.Cle();
}

// A note line carries the numbers of the line before it, in the list and in the file.
TEST(OutilsRenum, NotesAvecLesNumerosDeLaLignePrecedente) {
    Renum r;
    r.Teste("1, 2 $a\r\n1, 3 $b\r\n2, 0 $c$C\r\n2, 0 $d$D\r\n3, 4 $e\r\n3, 0 $f$F\r\n"
            "4, 0 $h$H\r\n4, 5 $g\r\n5, 0, N $la note\r\n5, 0 $i$I\r\n5, 0 $j$J\r\n",
            "10", "10");
    EXPECT_NE(r.Correspondances().find("\r\n4,5$  => 40,50\r\n5,0N$  => 40,50,N\r\n"),
              std::string::npos)
        << r.Correspondances();
    r.Bouton(OutSauverRenum);
    EXPECT_NE(r.Cle().find("\r\n40,50$g\r\n40,50,N$la note\r\n50,0$i$I\r\n"), std::string::npos)
        << r.Cle();
}

TEST(OutilsRenum, ClesSecondairesNonTraiteesEtSauvegardeRefusee) {
    Renum r;
    const std::string cle = "1, 2 $a\r\n1, CS1 $b\r\n2, 0 $c$C\r\n2, 0 $d$D\r\n"
                            "CS1, 0 $Sous-clé\r\n1, 0 $e$E\r\n1, 0 $f$F\r\n";
    r.Teste(cle);
    EXPECT_NE(r.Rapport().find("\r\n CS non traitée, ligne 2 (1, CS1)\r\n"), std::string::npos)
        << r.Rapport();
    EXPECT_NE(r.Rapport().find(" CS non traitée, ligne 5 (CS1, 0)"), std::string::npos);
    EXPECT_NE(r.Rapport().find("\r\nLes clés secondaires ne sont pas traitées  : ne pas sauver !"
                               "\r\n ---- fin du compte rendu ---------"),
              std::string::npos)
        << r.Rapport();
    EXPECT_FALSE(r.O.Command1[OutSauverRenum].Enabled);
    // Even reached another way, the save refuses and the file stays.
    FenetreEssai::Gere([&] { Enregistrer(r.O); });
    EXPECT_EQ(r.Dialogues.Journal.back(), "message: " + r.Prog->Textes[245]);
    EXPECT_EQ(r.Cle(), cle);
}

TEST(OutilsRenum, ErreurCritiqueDIndexation) {
    Renum r;
    r.Teste("1, 0 $a$A\r\n1, 0 $b$B\r\n");
    // A head without "," once the key is loaded (the file edited since).
    r.Dossier.Ecrit("essai.cle", "1, 0 $a$A\r\n1 $b$B\r\n");
    r.Bouton(OutTestNumerotation);
    EXPECT_EQ(r.Dialogues.Journal.back(), "message:  erreur critique d'indexation");
    EXPECT_EQ(r.Rapport().substr(r.Rapport().size() - 35),
              "\r\n\r\n erreur critique d'indexation\r\n");
    EXPECT_FALSE(r.O.Command1[OutSauverRenum].Enabled);
    // A number of the boxes out of the 16-bit range is the same error.
    r.O.Text1[0].SetText("40000");
    r.Bouton(OutTestNumerotation);
    EXPECT_EQ(r.Dialogues.Journal.back(), "message:  erreur critique d'indexation");
}

TEST(OutilsRenum, SansFichierCourantRienNeSePasse) {
    Renum r;
    FenetreEssai::Gere([&] { renum(r.O); });
    EXPECT_EQ(r.Rapport(), "");
    EXPECT_EQ(r.Correspondances(), "");
}

// The tables belong to the content they were computed from: a file edited since, or answered
// No, is not rewritten.
TEST(OutilsRenum, SauvegardeRefuseeApresModificationOuNon) {
    Renum r;
    r.Teste(Cle10, "10", "10");
    r.Dialogues.Reponses.push_back(ReponseNon);
    r.Bouton(OutSauverRenum);
    EXPECT_EQ(r.Cle(), Cle10);
    EXPECT_FALSE(fs::exists(r.Dossier.Chemin("essai.BAK")));

    const std::string editee = std::string(Cle10) + "3, 0 $Rouge$Rubra\r\n";
    r.Dossier.Ecrit("essai.cle", editee);
    r.Bouton(OutSauverRenum);
    EXPECT_EQ(r.Dialogues.Journal.back(), "message: " + r.Prog->Textes[245]);
    EXPECT_EQ(r.Cle(), editee);
    EXPECT_FALSE(fs::exists(r.Dossier.Chemin("essai.BAK")));
}

// A save that cannot be written says so and leaves the key as it was; a backup that cannot be
// made stops the save before the key is touched.
TEST(OutilsRenum, EcritureImpossibleLaisseLaCleIntacte) {
    Renum r;
    r.Teste(Cle10, "10", "10");
    fs::create_directory(r.Fichier + ".tmp-lamelix");
    r.Bouton(OutSauverRenum);
    EXPECT_EQ(r.Cle(), Cle10);
    EXPECT_EQ(Lis(r.Dossier.Chemin("essai.BAK")), Cle10);
    EXPECT_EQ(r.Dialogues.Journal.back().rfind(
                  "message: Enregistrement impossible (clé renumérotée) : " + r.Fichier, 0),
              0u)
        << r.Dialogues.Journal.back();
    EXPECT_FALSE(fs::exists(r.Dossier.Chemin("$$tmpCle")));
    fs::remove(r.Fichier + ".tmp-lamelix");

    fs::remove(r.Dossier.Chemin("essai.BAK"));
    fs::create_directory(r.Dossier.Chemin("essai.BAK"));
    r.Bouton(OutSauverRenum);
    EXPECT_EQ(r.Cle(), Cle10);
    EXPECT_EQ(
        r.Dialogues.Journal.back().rfind("message: Enregistrement impossible (sauvegarde)", 0), 0u);
}

TEST(OutilsRenum, NomDeLaSauvegarde) {
    EXPECT_EQ(NomSauvegarde("/cles/a.b.cle"), "/cles/a.BAK");
    EXPECT_EQ(NomSauvegarde("/home/x.y/bolets.cle"), "/home/x.y/bolets.BAK");
    EXPECT_EQ(NomSauvegarde("/home/x.y/cle"), "/home/x.y/cle.BAK");
    EXPECT_EQ(NomSauvegarde("a.b.cle"), "a.BAK");
    EXPECT_EQ(NomSauvegarde("C:\\cles\\bolets.cle"), "C:\\cles\\bolets.BAK");
}

} // namespace
} // namespace lamelix::test
