// "Test numérotation" and "Sauver renum": the new numbering, its report and correspondence
// list, and the rewriting of the key file with its backup.

#include "platform/texte.hpp"
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

// The report (the key's path written <clé>), the correspondence list and the key saved, for
// each numbering, and the backup: ten by ten, a key with LF line ends (rewritten CR LF), the marker
// of a key stored as a txt file (numbers nothing, stays first), an exit not found and a line out of
// order, a note (the numbers of the line before it), secondary keys (not handled: nothing
// saved).
struct CasRenum {
    const char *nom, *cle, *depart, *increment, *fichier;
};

void PrintTo(const CasRenum &c, std::ostream *os) {
    *os << c.nom;
}

class RenumCommeAttendu : public testing::TestWithParam<CasRenum> {};

TEST_P(RenumCommeAttendu, RapportCorrespondancesEtCle) {
    const CasRenum &c = GetParam();
    Renum r;
    r.Ouvre(c.cle, c.fichier);
    r.O.Text1[0].SetText(c.depart);
    r.O.Text1[1].SetText(c.increment);
    r.Bouton(OutTestNumerotation);
    const std::string rapport = Remplace(r.Rapport(), r.Fichier, "<clé>");
    const std::string correspondances = r.Correspondances();
    r.Bouton(OutSauverRenum);
    const std::string tout = rapport + "\n==\n" + correspondances + "\n==\n" + r.Cle() + "\n==\n" +
                             Lis(NomSauvegarde(r.Fichier));
    EXPECT_EQ(tout, Attendu(std::string("renum/") + c.nom + ".txt", tout));
}

INSTANTIATE_TEST_SUITE_P(
    OutilsRenum, RenumCommeAttendu,
    testing::Values(
        CasRenum{"dix", Cle10, "10", "10", "essai.cle"},
        CasRenum{"lf", "1, 2 $a\n1, 0 $b$B\n2, 0 $c$C\n2, 0 $d$D", "5", "5", "essai.cle"},
        CasRenum{"txt", "$FICHIER CLE$\r\n1, 2 $a\r\n1, 0 $b$B\r\n2, 0 $c$C\r\n2, 0 $d$D\r\n", "3",
                 "1", "cle.txt"},
        CasRenum{"sortie",
                 "1, 2 $a\r\n1, 3 $b\r\n3, 0 $c$C\r\n3, 7 $d\r\n2, 0 $e$E\r\n2, 0 $f$F\r\n", "1",
                 "1", "essai.cle"},
        CasRenum{"notes",
                 "1, 2 $a\r\n1, 3 $b\r\n2, 0 $c$C\r\n2, 0 $d$D\r\n3, 4 $e\r\n3, 0 $f$F\r\n"
                 "4, 0 $h$H\r\n4, 5 $g\r\n5, 0, N $la note\r\n5, 0 $i$I\r\n5, 0 $j$J\r\n",
                 "10", "10", "essai.cle"},
        CasRenum{"secondaires",
                 "1, 2 $a\r\n1, CS1 $b\r\n2, 0 $c$C\r\n2, 0 $d$D\r\n"
                 "CS1, 0 $Sous-clé\r\n1, 0 $e$E\r\n1, 0 $f$F\r\n",
                 "1", "1", "essai.cle"}),
    [](const auto &cas) { return std::string(cas.param.nom); });

// What the analysis shows beside the report; once saved, the tables describe the file before the
// save: no second save from them.
TEST(OutilsRenum, DixEnDixPuisSauvegarde) {
    Renum r;
    r.Teste(Cle10, "10", "10");
    EXPECT_EQ(r.O.Label2.Caption + " " + std::to_string(r.Prog->Cle.EntiteMax),
              "6  lignes analysées 6");
    EXPECT_TRUE(r.O.Command1[OutSauverRenum].Enabled);
    r.Bouton(OutSauverRenum);
    EXPECT_FALSE(fs::exists(r.Dossier.Chemin("$$tmpCle")));
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
// No, is not rewritten; a key with secondary keys is not either, even by a save reached without
// the button.
TEST(OutilsRenum, SauvegardeRefuseeApresModificationOuNon) {
    Renum r;
    r.Teste(Cle10, "10", "10");
    r.Dialogues.Reponses.push_back(ReponseNon);
    r.Bouton(OutSauverRenum);
    EXPECT_EQ(r.Cle(), Cle10);
    EXPECT_FALSE(fs::exists(r.Dossier.Chemin("essai.cle.BAK")));

    const std::string editee = std::string(Cle10) + "3, 0 $Rouge$Rubra\r\n";
    r.Dossier.Ecrit("essai.cle", editee);
    r.Bouton(OutSauverRenum);
    EXPECT_EQ(r.Dialogues.Journal.back(), "message: " + r.Prog->Textes[245]);
    EXPECT_EQ(r.Cle(), editee);
    EXPECT_FALSE(fs::exists(r.Dossier.Chemin("essai.cle.BAK")));

    const std::string secondaire =
        "1, CS1 $b\r\n1, 0 $c$C\r\nCS1, 0 $S\r\n1, 0 $e$E\r\n1, 0 $f$F\r\n";
    r.Teste(secondaire);
    EXPECT_FALSE(r.O.Command1[OutSauverRenum].Enabled);
    FenetreEssai::Gere([&] { Enregistrer(r.O); });
    EXPECT_EQ(r.Dialogues.Journal.back(), "message: " + r.Prog->Textes[245]);
    EXPECT_EQ(r.Cle(), secondaire);
}

// A key that cannot be replaced (read-only) is refused before anything is written; a backup that
// cannot be made stops the save before the key is touched.
TEST(OutilsRenum, EcritureImpossibleLaisseLaCleIntacte) {
    Renum r;
    r.Teste(Cle10, "10", "10");
    fs::permissions(r.Fichier, fs::perms::owner_read | fs::perms::group_read);
    r.Bouton(OutSauverRenum);
    EXPECT_EQ(r.Cle(), Cle10);
    EXPECT_FALSE(fs::exists(r.Dossier.Chemin("essai.cle.BAK")));
    EXPECT_EQ(r.Dialogues.Journal.back(), "message: Enregistrement impossible (clé) : " +
                                              r.Fichier + "\r\nle fichier est en lecture seule");

    fs::permissions(r.Fichier, fs::perms::owner_read | fs::perms::owner_write);
    fs::create_directory(r.Dossier.Chemin("essai.cle.BAK"));
    r.Bouton(OutSauverRenum);
    EXPECT_EQ(r.Cle(), Cle10);
    EXPECT_EQ(
        r.Dialogues.Journal.back().rfind("message: Enregistrement impossible (sauvegarde)", 0), 0u);
}

// Named after the whole file name: two versions of a key never share a backup.
TEST(OutilsRenum, NomDeLaSauvegarde) {
    EXPECT_EQ(NomSauvegarde("/cles/a.v1.cle") + NomSauvegarde("/home/x.y/cle"),
              "/cles/a.v1.cle.BAK/home/x.y/cle.BAK");
}

} // namespace
} // namespace lamelix::test
