// `lamelix-outils parcours`: a key's own regression test, run without a window.

#include "tests/core/lance_outils.hpp"

#include <gtest/gtest.h>

namespace lamelix::test {
namespace {

// The blocks of a run, one per "== ACTION" header.
std::vector<std::string> Blocs(const std::string &sortie) {
    std::vector<std::string> blocs;
    for (std::size_t pos = 0; (pos = sortie.find("== ", pos)) != std::string::npos;) {
        std::size_t fin = sortie.find("\n== ", pos + 1);
        blocs.push_back(sortie.substr(pos, fin == std::string::npos ? fin : fin + 1 - pos));
        pos = fin == std::string::npos ? sortie.size() : fin + 1;
    }
    return blocs;
}

TEST(Parcours, LesChoixDeLaCleParDefautMenentALAmanitePhalloide) {
    DossierTemporaire dossier;
    Resultat r = Lance(dossier, "parcours '" LAMELIX_CLES "/defaut.cle' 0 0 0 0 1 0");
    ASSERT_EQ(r.statut, 0) << r.erreurs;
    auto blocs = Blocs(r.sortie);
    ASSERT_EQ(blocs.size(), 7u);
    EXPECT_EQ(blocs[0].rfind("== chargement\nList1\tDessous du chapeau garni de lames", 0), 0u);
    EXPECT_NE(blocs[6].find("\nText2\tAmanita phalloides (amanite phalloïde)\n"), std::string::npos)
        << blocs[6];
    EXPECT_NE(blocs[6].find("\netapes\t6\n"), std::string::npos);
}

TEST(Parcours, EtatApresChaqueAction) {
    DossierTemporaire dossier;
    const std::string cle = dossier.Ecrit("k.cle", "1, 2 $Lames$$S\"Lamell\xE9s\"\r\n"
                                                   "1, 0 $Tubes$Boletus\r\n"
                                                   "2, 0 $Anneau$Amanita\r\n"
                                                   "2, 0, N $note\\tici\r\n"
                                                   "2, 0 $Sans$Russula\r\n");
    Resultat r = Lance(dossier, "parcours '" + cle + "' 0 notes 5 0 lm1 raz 1 lm2 compare");
    ASSERT_EQ(r.statut, 0) << r.erreurs;
    auto blocs = Blocs(r.sortie);
    ASSERT_EQ(blocs.size(), 10u);
    EXPECT_EQ(blocs[1], "== 0\n"
                        "List1\tAnneau\n"
                        "List1\tSans\n"
                        "Text1\tLames\\r\\n\n"
                        "couleur\t0\n"
                        "Text2\t\n"
                        "Text5\tLamellés\\r\\n\n"
                        "List2\tAmanita\n"
                        "List2\tRussula\n"
                        "Label1\t2\n"
                        "Label3\tliste des issue possibles\n"
                        "entite\t2\n"
                        "etapes\t1\n");
    // A position that List1 does not have changes nothing.
    EXPECT_EQ(blocs[3].substr(blocs[3].find('\n')), blocs[2].substr(blocs[2].find('\n')));
    EXPECT_NE(blocs[9].find("\nForm1\tAmanita   vs    Boletus\\r\\n\\r\\n"), std::string::npos)
        << blocs[9];
    EXPECT_EQ(blocs[8].find("Form1\t"), std::string::npos);
}

TEST(Parcours, ErreursDUsage) {
    DossierTemporaire dossier;
    const std::string cle = dossier.Ecrit("k.cle", "1, 0 $a$A\n1, 0 $b$B\n");
    for (const std::string &arguments :
         {std::string("parcours"), "parcours '" + cle + "' sauter", "parcours '" + cle + "' -1",
          "parcours '" + cle + "' clic:x", "parcours '" + dossier.Chemin("absente.cle") + "' 0"}) {
        Resultat r = Lance(dossier, arguments);
        EXPECT_EQ(r.statut, 2) << arguments;
        EXPECT_EQ(r.sortie, "") << arguments;
        EXPECT_EQ(r.erreurs.rfind("lamelix-outils:", 0), 0u) << arguments;
    }
}

} // namespace
} // namespace lamelix::test
