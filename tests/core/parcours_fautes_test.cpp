// Walks whose end state once went wrong: each runs `lamelix-outils parcours` on a small key and
// checks the last state printed.

#include "tests/core/lance_outils.hpp"

#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace lamelix::test {
namespace {

struct Marche {
    const char *nom;
    const char *cle; // written as k.cle beside lames.pdf and autre.cle
    const char *actions;
    std::vector<std::string> fin; // lines of the last state printed
    const char *ouvre = "";       // a document handed to the desktop, if any
};

const char *const CleLames = "1, 2 $ Lames $ $ F\"lames.pdf\"\r\n"
                             "1, 0 $ Tubes $ Boletus edulis\r\n"
                             "2, 0 $ Volve $ Amanita phalloides\r\n"
                             "2, 0 $ Anneau $ Armillaria mellea\r\n";

const Marche Marches[] = {
    // A species whose line opens a document stays reached, named, with its path.
    {"EspeceAvecDocument",
     "1, 0 $ Lames $ Amanita $ F\"lames.pdf\"\r\n1, 0 $ Tubes $ Boletus\r\n",
     "0",
     {"Text2\t Amanita ", "entite\t0", "etapes\t1"},
     "/lames.pdf"},
    // A pick in the names list after a species was reached is no choice: no back step.
    {"NomApresEspece",
     CleLames,
     "1 liste nom:2",
     {"Text2\t Armillaria mellea", "entite\t2", "etapes\t2"}},
    {"NomSeul", CleLames, "nom:2", {"Text2\t Armillaria mellea", "entite\t2", "etapes\t2"}},
    // The picked line chains another key: the new key's start, not the old line's outcome.
    {"NomChaineUneCle",
     "1, 2 $Lames$$S\"Lamelles\"\r\n1, 0 $Tubes$Boletus\r\n2, 3 $Anneau$\r\n2, 0 $Sans$Russula\r\n"
     "3, 0 $Volve$Amanita$F\"autre.cle\"\r\n3, 0 $Nue$Lepiota\r\n",
     "section nom:0 0 nom:0",
     {"List2\tX", "entite\t1"}},
};

TEST(ParcoursFautes, EtatFinal) {
    for (const Marche &m : Marches) {
        SCOPED_TRACE(m.nom);
        DossierTemporaire dossier;
        dossier.Ecrit("lames.pdf", "%PDF-1.4\n");
        dossier.Ecrit("autre.cle", "1, 0 $x$X\r\n1, 0 $y$Y\r\n");
        const Resultat r =
            Lance(dossier, "parcours '" + dossier.Ecrit("k.cle", m.cle) + "' " + m.actions);
        ASSERT_EQ(r.statut, 0) << r.erreurs;
        const std::string dernier = r.sortie.substr(r.sortie.rfind("\n== "));
        for (const std::string &ligne : m.fin)
            EXPECT_NE(dernier.find("\n" + ligne + "\n"), std::string::npos) << ligne << dernier;
        if (*m.ouvre != 0) {
            EXPECT_NE(r.erreurs.find(m.ouvre), std::string::npos) << r.erreurs;
        }
    }
}

// The names list's counter gives the lines it shows, and its heading what they are, after every
// action of a walk through the sample key.
TEST(ParcoursFautes, LeCompteurEtLeTitreSuiventLaListeDesNoms) {
    DossierTemporaire dossier;
    const Resultat r = Lance(dossier, "parcours '" LAMELIX_CLES "/defaut.cle' 0 liste 0 section "
                                      "nom:1 0 suiv nom:0 retour raz 0 0 0 0 1 1 retour liste");
    ASSERT_EQ(r.statut, 0) << r.erreurs;
    std::istringstream sortie(r.sortie);
    std::string ligne, action;
    int noms = 0;
    while (std::getline(sortie, ligne)) {
        const std::string valeur = ligne.substr(ligne.find('\t') + 1);
        if (ligne.rfind("== ", 0) == 0) {
            action = ligne;
            noms = 0;
        } else if (ligne.rfind("List2\t", 0) == 0) {
            ++noms;
        } else if (ligne.rfind("Label1\t", 0) == 0) {
            EXPECT_EQ(valeur, std::to_string(noms)) << action;
        } else if (ligne.rfind("Label3\t", 0) == 0 && action == "== section") {
            EXPECT_EQ(valeur, "Les titres de sections de la clé");
        }
    }
}

} // namespace
} // namespace lamelix::test
