// `lamelix-outils parcours`: a key's own regression test, run without a window.

#include "tests/core/lance_outils.hpp"

#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

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

// Walks kept whole with their dialogs, in tests/data/parcours/marches.txt. The sample key's
// choices lead to the death cap, whose page is handed to the desktop while the species stays
// reached; its tubes proposition chains bolets.cle, whose start is printed; the names list's
// counter gives the lines it shows after every action. Every missing file and every refusal of
// a complement is a message, as the window tells them; a document of the key's folder and a
// page are "ouvre:" lines. A species whose line opens a document stays reached, named, with its
// path; a pick in the names list, alone or after a species was reached, is no choice (no back
// step); a picked line that chains another key gives the new key's start. Files that are no
// key, or a key with nothing to offer at the start: status 1 and the state printed. The key is
// opened by the path given, even where splitting it into folder and file name and joining them
// back would name another file.
TEST(Parcours, MarchesGardees) {
    DossierTemporaire dossier;
    dossier.Ecrit("doc.pdf", "%PDF-1.4\n");
    dossier.Ecrit("lanceur", "[Desktop Entry]\nExec=xterm\n");
    dossier.Ecrit("autre.cle", "1, 0 $x$X\r\n1, 0 $y$Y\r\n");
    const std::string lames = "1, 2 $ Lames $ $ F\"doc.pdf\"\r\n1, 0 $ Tubes $ Boletus edulis\r\n"
                              "2, 0 $ Volve $ Amanita phalloides\r\n"
                              "2, 0 $ Anneau $ Armillaria mellea\r\n";
    const std::tuple<const char *, std::string, const char *> marches[] = {
        {"defaut.cle", "", "0 0 0 0 1 0 raz 1"},
        {"defaut.cle", "",
         "0 liste 0 section nom:1 0 suiv nom:0 retour raz 0 0 0 0 1 1 retour liste"},
        {"liens.cle",
         "1, 0 $a$A$F\"absent.pdf\"\r\n1, 0 $b$B$F\"https://exemple.org/b\"\r\n"
         "1, 0 $c$C$F\"file:///etc/passwd\"\r\n1, 0 $d$D$F\"\\doc.pdf\"\r\n"
         "1, 0 $e$E$F\"/bin/sh\"\r\n1, 0 $f$F$F\"absente.cle\"\r\n1, 0 $g$G$F\"lanceur\"\r\n",
         "0 raz 1 raz 2 raz 3 raz 4 raz 5 raz 6"},
        {"document.cle", "1, 0 $ Lames $ Amanita $ F\"doc.pdf\"\r\n1, 0 $ Tubes $ Boletus\r\n",
         "0"},
        {"lames.cle", lames, "1 liste nom:2"},
        {"lames.cle", lames, "nom:2"},
        {"chaine.cle",
         "1, 2 $Lames$$S\"Lamelles\"\r\n1, 0 $Tubes$Boletus\r\n2, 3 $Anneau$\r\n"
         "2, 0 $Sans$Russula\r\n3, 0 $Volve$Amanita$F\"autre.cle\"\r\n3, 0 $Nue$Lepiota\r\n",
         "section nom:0 0 nom:0"},
        {"vide.cle", "", "0"},
        {"sans-marqueur.txt", "1, 0 $a$A\n1, 0 $b$B\n", "0"},
        {"seule.cle", "une ligne\n", "0"},
        {"marqueur.txt", "$FICHIER CLE$\n", "0"},
        {"note.cle", "1, 0, N $une note\n", "0"},
        {"a\\b.cle", "1, 0 $Lames$Agaricus\n", ""}};
    Transcription t(dossier);
    for (const auto &[nom, octets, gestes] : marches) {
        const bool livree = std::string(nom) == "defaut.cle";
        const std::string cle = livree ? LAMELIX_CLES "/defaut.cle" : dossier.Ecrit(nom, octets);
        t.Lance("parcours '" + cle + "' " + gestes);
    }
    EXPECT_EQ(t.Texte, Attendu("parcours/marches.txt", t.Texte));
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
    // The state the window's start-up leaves, its prompt included; a position that List1 does
    // not have ("5") changes nothing; the comparison shows once asked for.
    EXPECT_EQ(r.sortie, Attendu("parcours/etats.txt", r.sortie));
}

// The keyword panel's gestures: its words, options and buttons, "liste" being its option while
// it shows, and the hits shown in the lists the state already prints.
TEST(Parcours, RechercheParMotCle) {
    DossierTemporaire dossier;
    const std::string cle = dossier.Ecrit("k.cle", "1, 2 $Lames blanches$\r\n"
                                                   "1, 0 $Tubes$Boletus\r\n"
                                                   "2, 0 $Anneau blanc$Amanita\r\n"
                                                   "2, 0 $Sans anneau$Russula\r\n");
    Resultat r = Lance(dossier, "parcours '" + cle +
                                    "' chercher motcle mot:BLANC casse chercher clic:1 annuler "
                                    "motcle mot:BLANC chercher 1 "
                                    "motcle liste mot:a mot2:Rus et chercher reprise");
    ASSERT_EQ(r.statut, 0) << r.erreurs;
    // The panel's buttons do nothing before it opens; given up, the search leaves the start as
    // it was; the second hit accepted, the consultation goes on at the species it names.
    EXPECT_EQ(r.sortie, Attendu("parcours/mot-cle.txt", r.sortie));
}

// parcours judges the sample keys as tables does, with either answer to the compiler's
// questions, and prints the state after the load and each action all the same.
TEST(Parcours, CodeDeRetourDesClesExemplesCommeTables) {
    DossierTemporaire dossier;
    const std::tuple<const char *, int, int> cas[] = {
        {"defaut.cle", 0, 0},   {"bolets.cle", 0, 0},  {"defaut-utf8.txt", 0, 0},
        {"plantes.txt", 0, 0},  {"erreurs.cle", 0, 1}, {"erreur-syntaxe.cle", 1, 1},
        {"erreur-96.cle", 1, 1}};
    for (const auto &[nom, siOui, siNon] : cas) {
        const std::string cle = std::string(" '" LAMELIX_CLES "/") + nom + "'";
        for (const auto &[option, attendu] :
             {std::pair{"--oui", siOui}, std::pair{"--non", siNon}}) {
            EXPECT_EQ(Lance(dossier, std::string("tables ") + option + cle).statut, attendu)
                << nom << ' ' << option;
            Resultat r = Lance(dossier, std::string("parcours ") + option + cle + " 0");
            EXPECT_EQ(r.statut, attendu) << nom << ' ' << option;
            auto blocs = Blocs(r.sortie);
            ASSERT_EQ(blocs.size(), 2u) << nom << ' ' << option;
            // A key that did not compile leaves the window without any.
            if (attendu == 1) {
                EXPECT_NE(blocs[0].find("\nentite\t0\n"), std::string::npos) << blocs[0];
            }
        }
    }
}

} // namespace
} // namespace lamelix::test
