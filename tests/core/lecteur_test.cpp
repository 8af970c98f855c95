// Loading a key file: the check that it holds a key, the reset of the tables before a load and
// the txt marker.

#include "tests/core/banc_cle.hpp"

#include <gtest/gtest.h>

namespace lamelix::test {
namespace {

// Choice lists and proposition text as a previous key left them.
struct Vues {
    ListBox List1, List2;
    TextBox Text1;
    Vues() {
        List1.AddItem("ancienne");
        List2.AddItem("ancienne");
        Text1.SetText("ancien");
    }
    VuesChoix Choix() { return {&List1, &List2, &Text1}; }
};

TEST(Lecteur, FichierSansCleRejete) {
    const std::pair<const char *, std::string> cas[] = {
        {"une_ligne_sans_virgule", "1 $texte seul\n"},
        {"un_champ_puis_la_fin", "abc"},
        {"un_champ_puis_cr_lf", "abc\r\n"},
        {"un_champ_puis_lf", "abc\n"},
        {"marque_d_ordre_seule_puis_un_champ", "\xEF\xBB\xBF\nabc"},
        {"mille_lectures_vides", std::string(999, ',') + "\n1, 0 $a\n2, 0 $b\n"},
    };
    for (const auto &[nom, octets] : cas) {
        DossierTemporaire dossier;
        Banc b;
        Vues vues;
        b.Cle->ErreurCle = false;
        IssueLecture issue = LitCle(dossier.Ecrit("k.cle", octets), b.Echec, b.Env(), vues.Choix());
        EXPECT_EQ(issue, IssueLecture::Rejete) << nom;
        EXPECT_EQ(b.Echec, 1) << nom;
        EXPECT_TRUE(b.Cle->ErreurCle) << nom;
        EXPECT_EQ(b.Dialogues.Journal,
                  std::vector<std::string>{"message:  fichier k.cle  incorrect"})
            << nom;
        EXPECT_EQ(vues.List1.ListCount() + vues.List2.ListCount(), 0) << nom;
        EXPECT_EQ(vues.Text1.Text, "") << nom;
    }
}

TEST(Lecteur, FichierCompileEtEchecTransmis) {
    const std::pair<std::string, int> cas[] = {
        // 998 commas and the line end are 999 empty fields: the 1000th read finds "1".
        {std::string(998, ',') + "\n1, 0 $a\n", 0},
        {"TITRE$t\n1 $a\n", 1}, // the compiler stops on the syntax error
    };
    for (const auto &[octets, echec] : cas) {
        DossierTemporaire dossier;
        Banc b;
        b.Cle->ErreurCle = true; // left by a rejected load
        EXPECT_EQ(LitCle(dossier.Ecrit("k.cle", octets), b.Echec, b.Env()), IssueLecture::Compile);
        EXPECT_EQ(b.Echec, echec) << octets;
        EXPECT_FALSE(b.Cle->ErreurCle);
    }
}

TEST(Lecteur, FichierAbsentOuVideSansMessage) {
    DossierTemporaire dossier;
    for (const std::string &chemin :
         {dossier.Chemin("absent.cle"), dossier.Ecrit("v.cle", " , \n,")}) {
        Banc b;
        b.Compile("1, 0 $a\n1, 0 $b\n");
        b.Dialogues.Journal.clear();
        EXPECT_EQ(LitCle(chemin, b.Echec, b.Env()), IssueLecture::Illisible) << chemin;
        EXPECT_EQ(b.Echec, 0) << chemin;
        EXPECT_TRUE(b.Dialogues.Journal.empty()) << chemin;
        EXPECT_EQ(b.Cle->NbLignesM1, 1) << "the compiler must not have run";
    }
}

TEST(Lecteur, RemisesAZeroAvantChargement) {
    auto cle = std::make_unique<CleCompilee>();
    for (int i : {0, 1, 3999, 4000}) {
        cle->TabLignes(i) = {12, 3, 4, 5, "nom", "description", "complements", "N", true};
        cle->IndexEntite(i) = 9;
        cle->TitreSection(i) = "section";
    }
    cle->IndexChoix(2000) = 7;
    RazLignes(*cle);
    for (int i : {1, 3999}) {
        const LigneCle &l = cle->TabLignes(i);
        EXPECT_EQ(l.E + l.S + l.Prec, 0) << i;
        EXPECT_EQ(l.NomEspece + l.Description + l.Complements + cle->TitreSection(i), "") << i;
        EXPECT_EQ(cle->IndexEntite(i), 1) << i;
        // Physical line, continuation link and orphan mark survive a reset.
        EXPECT_TRUE(l.LigneTexte == 12 && l.Suite == "N" && l.Orpheline) << i;
    }
    for (int i : {0, 4000}) // records 0 and 4000 keep their contents
        EXPECT_TRUE(cle->TabLignes(i).E == 3 && cle->TabLignes(i).Description == "description" &&
                    cle->TitreSection(i) == "section")
            << i;
    RazIndex(*cle);
    for (int i : {0, 1, 4000})
        EXPECT_TRUE(cle->IndexEntite(i) == 1 && cle->TabLignes(i).S == 1) << i;
    EXPECT_EQ(cle->IndexChoix(2000), 0);
}

TEST(Lecteur, MarqueurDesFichiersTxt) {
    const std::tuple<const char *, const char *, bool> cas[] = {
        {"k.txt", "$FICHIER CLE$\n1, 0 $a", true},
        {"k.TXT", "  \"$FICHIER CLE$\" , x\n", true},
        {"k.txte", "$FICHIER CLE$ ,\n", true},
        {"k.txt", "$fichier cle$\n", false},
        {"k.txt", "1, 0 $a\n$FICHIER CLE$\n", false},
        {"k.cle", "1, 0 $a\n", true}, // a cle file needs no marker
    };
    for (const auto &[nom, octets, accepte] : cas) {
        DossierTemporaire dossier;
        ServicesFactices dialogues;
        std::string chemin = dossier.Ecrit(nom, octets);
        EXPECT_EQ(TesteMarqueurTxt(chemin, dialogues), accepte) << nom << ": " << octets;
        std::vector<std::string> attendu;
        if (!accepte)
            attendu.push_back("message:  le fichier " + chemin + " n'est pas un fichier clé");
        EXPECT_EQ(dialogues.Journal, attendu);
    }
}

} // namespace
} // namespace lamelix::test
