// The sample keys shipped with the program: the good ones compile into consistent tables, the
// UTF-8 copy of the default key gives the same key, and the error keys show their errors.

#include "tests/core/banc_cle.hpp"
#include "tests/core/lance_outils.hpp"

#include <algorithm>
#include <gtest/gtest.h>
#include <tuple>

namespace lamelix::test {
namespace {

std::unique_ptr<Banc> Charge(const std::string &nom) {
    auto b = std::make_unique<Banc>();
    LitCle(std::string(LAMELIX_CLES) + "/" + nom, b->Echec, b->Env());
    return b;
}

// What every consumer of a compiled key relies on.
void VerifieInvariants(const Banc &b, const std::string &nom) {
    const CleCompilee &cle = *b.Cle;
    const int n = cle.NbLignesM1 + 1;
    int maxE = 0;
    for (int i = 1; i <= n; ++i) {
        const LigneCle &l = cle.TabLignes(i);
        maxE = std::max<int>(maxE, l.E);
        EXPECT_GE(l.S, 0) << nom << " ligne " << i;
        if (l.S > 0) { // the called entity exists, and its index leads to it
            EXPECT_EQ(cle.TabLignes(cle.IndexEntite(l.S)).E, l.S) << nom << " ligne " << i;
        }
        if (l.E > 0) {
            EXPECT_LE(cle.IndexEntite(l.E), i) << nom << " ligne " << i;
        }
        bool appelee = false;
        for (int j = 1; j <= n; ++j)
            appelee = appelee || cle.TabLignes(j).S == l.E;
        EXPECT_EQ(l.Orpheline, l.E > 1 && !appelee) << nom << " ligne " << i;
    }
    EXPECT_EQ(cle.EntiteMax, maxE) << nom;
    EXPECT_EQ(cle.EntiteMaxCourante, maxE) << nom;
}

TEST(Echantillons, ClesCorrectesCompileesSansMessage) {
    for (const char *nom : {"defaut.cle", "bolets.cle", "defaut-utf8.txt", "plantes.txt"}) {
        auto b = Charge(nom);
        EXPECT_EQ(b->Echec, 0) << nom;
        EXPECT_TRUE(b->Dialogues.Journal.empty()) << nom << ": " << b->Dialogues.Journal.front();
        EXPECT_GT(b->Cle->NbLignesM1, 0) << nom;
        EXPECT_NE(b->Cle->TitreCle, "") << nom;
        VerifieInvariants(*b, nom);
    }
}

TEST(Echantillons, CopieUTF8IdentiqueALaCleAnsi) {
    auto ansi = Charge("defaut.cle");
    auto utf8 = Charge("defaut-utf8.txt");
    ASSERT_EQ(ansi->Echec + utf8->Echec, 0);
    const CleCompilee &a = *ansi->Cle, &u = *utf8->Cle;
    ASSERT_EQ(a.NbLignesM1, u.NbLignesM1);
    EXPECT_EQ(a.EntiteMax, u.EntiteMax);
    EXPECT_EQ(a.TitreCle, u.TitreCle);
    EXPECT_EQ(a.CommentaireCle, u.CommentaireCle);
    EXPECT_EQ(ansi->Lgs.TexteSelectionne(), "Français"); // REM$LANGUE$ read from ANSI bytes
    EXPECT_EQ(utf8->Lgs.TexteSelectionne(), "Français");
    EXPECT_EQ(u.CodageTxt, "UTF8");
    // The UTF-8 copy only adds its lines in front: marker, directive, coding declaration.
    const float decalage = static_cast<float>(u.NbLignesTexte - a.NbLignesTexte);
    EXPECT_GT(decalage, 0);
    for (int i = 1; i <= a.NbLignesM1 + 1; ++i) {
        const LigneCle &la = a.TabLignes(i), &lu = u.TabLignes(i);
        EXPECT_EQ(la.LigneTexte + decalage, lu.LigneTexte) << i;
        EXPECT_TRUE(std::tie(la.E, la.S, la.Prec, la.Suite, la.Description, la.NomEspece,
                             la.Complements, la.Orpheline, a.TitreSection(i)) ==
                    std::tie(lu.E, lu.S, lu.Prec, lu.Suite, lu.Description, lu.NomEspece,
                             lu.Complements, lu.Orpheline, u.TitreSection(i)))
            << "ligne " << i;
    }
    for (int e = 0; e <= a.EntiteMax; ++e)
        EXPECT_EQ(a.IndexEntite(e), u.IndexEntite(e)) << e;
}

// The sample keys with errors as lamelix-outils tables shows them, dialogs included (kept in
// tests/data/tables/echantillons-fautifs.txt): erreurs.cle compiles after its question and its
// warnings, with an orphan line; erreur-syntaxe.cle and erreur-96.cle stop the compilation, each
// with its message and the clipboard line.
TEST(Echantillons, ClesFautives) {
    DossierTemporaire d;
    Transcription t(d);
    for (const char *nom : {"erreurs.cle", "erreur-syntaxe.cle", "erreur-96.cle"})
        t.Lance(std::string("tables '" LAMELIX_CLES "/") + nom + "'");
    EXPECT_EQ(t.Texte, Attendu("tables/echantillons-fautifs.txt", t.Texte));
}

} // namespace
} // namespace lamelix::test
