// Loading a key file: the check that it holds a key, the reset of the tables before a load and
// the txt marker.

#include "bench/cle_geante.hpp"
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

// Every record of the two keys' tables alike, records 0 and 4000 included; with `memeTexte`,
// the fields a reset leaves too (physical line, continuation, orphan mark, complements, Prec).
void MemesTables(const CleCompilee &a, const CleCompilee &b, bool memeTexte = true) {
    for (int i = 0; i <= MaxLignesCle; ++i) {
        const LigneCle &x = a.TabLignes(i), &y = b.TabLignes(i);
        ASSERT_TRUE(x.E == y.E && x.S == y.S && x.NomEspece == y.NomEspece &&
                    x.Description == y.Description && a.TitreSection(i) == b.TitreSection(i) &&
                    a.IndexEntite(i) == b.IndexEntite(i))
            << i;
        ASSERT_TRUE(!memeTexte || (x.LigneTexte == y.LigneTexte && x.Prec == y.Prec &&
                                   x.Complements == y.Complements && x.Suite == y.Suite &&
                                   x.Orpheline == y.Orpheline))
            << i;
    }
}

// The cheap reset of a load leaves every table as a reset of every record does, whatever the
// earlier keys wrote, large ones then small ones, records 0 and 4000 included.
TEST(Lecteur, RemiseAZeroDesSeulesCasesEcrites) {
    auto rapide = std::make_unique<CleCompilee>(), complete = std::make_unique<CleCompilee>();
    auto remiseComplete = [](CleCompilee &cle) {
        for (int16_t &index : cle.IndexEntite.Cases())
            index = 1;
        for (int i = 0; i <= MaxLignesCle; ++i) {
            LigneCle &l = cle.TabLignes(i);
            l.S = i == 0 || i == MaxLignesCle ? 1 : 0;
            if (i == 0 || i == MaxLignesCle) continue;
            l.E = 0;
            l.Prec = 0;
            l.NomEspece.clear();
            l.Description.clear();
            l.Complements.clear();
            cle.TitreSection(i).clear();
        }
    };
    auto ecrit = [](CleCompilee &cle, int jusqua, int marque) {
        for (int i : {0, 1, jusqua / 2, jusqua}) {
            cle.TabLignes(i) = {float(marque), 3, 4, 5, "n", "d", "c", "N", true};
            cle.IndexEntite(i) = int16_t(marque);
            cle.TitreSection(i) = "s";
        }
    };
    // Read through const references: reading must not count as writing.
    const CleCompilee &r = *rapide, &c = *complete;
    int marque = 1;
    for (int jusqua : {MaxLignesCle, 10, 3000, 2, 3999, 0}) {
        ecrit(*rapide, jusqua, marque);
        ecrit(*complete, jusqua, marque++);
        RazCle(*rapide);
        remiseComplete(*complete);
        MemesTables(r, c);
    }
}

// A small key loaded after the largest one gives the tables a first load of it gives.
TEST(Lecteur, PetiteCleApresLaPlusGrande) {
    const std::string petite = "1, 2 $ lisse\r\n1, 0 $ rugueux $ Hydne\r\n2, 0 $ blanc $ "
                               "Amanite\r\n2, 0 $ brun $ Bolet $ S\"Section\"\r\n";
    Banc apres, seule;
    apres.Compile(banc::CleGeante(2, 4000));
    ASSERT_EQ(apres.Echec, 0);
    RazCle(*apres.Cle);
    apres.Compile(petite);
    // Only the small key's records count as written: the next reset visits them alone.
    EXPECT_LT(apres.Cle->TabLignes.CasesEcrites(0).size(), 10u);
    seule.Compile(petite);
    MemesTables(*apres.Cle, *seule.Cle, false);
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
        EXPECT_EQ(TesteMarqueurTxt(chemin, dialogues, Messages{}), accepte)
            << nom << ": " << octets;
        std::vector<std::string> attendu;
        if (!accepte)
            attendu.push_back("message:  le fichier " + chemin + " n'est pas un fichier clé");
        EXPECT_EQ(dialogues.Journal, attendu);
    }
}

} // namespace
} // namespace lamelix::test
