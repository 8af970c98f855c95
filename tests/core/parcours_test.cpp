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

TEST(Parcours, LesChoixDeLaCleParDefautMenentALAmanitePhalloide) {
    DossierTemporaire dossier;
    Resultat r = Lance(dossier, "parcours '" LAMELIX_CLES "/defaut.cle' 0 0 0 0 1 0");
    ASSERT_EQ(r.statut, 0) << r.erreurs;
    auto blocs = Blocs(r.sortie);
    ASSERT_EQ(blocs.size(), 7u);
    EXPECT_EQ(blocs[0].rfind("== chargement\nList1\tDessous du chapeau garni de lames", 0), 0u);
    // The species' page is handed to the desktop; the species stays reached.
    EXPECT_NE(r.erreurs.find("ouvre: " LAMELIX_CLES "/amanite_phalloide.html\n"), std::string::npos)
        << r.erreurs;
    EXPECT_NE(blocs[6].find("\netapes\t6\n"), std::string::npos) << blocs[6];
}

TEST(Parcours, LesComplementsSuiventLaCleEtSesLiens) {
    DossierTemporaire dossier;
    // The tubes proposition chains to bolets.cle: the state printed is the new key's.
    Resultat r = Lance(dossier, "parcours '" LAMELIX_CLES "/defaut.cle' 1");
    ASSERT_EQ(r.statut, 0) << r.erreurs;
    auto blocs = Blocs(r.sortie);
    ASSERT_EQ(blocs.size(), 2u);
    EXPECT_NE(blocs[1].find("\netapes\t0\n"), std::string::npos) << blocs[1];
    EXPECT_EQ(blocs[1].find("Dessous du chapeau garni de lames"), std::string::npos) << blocs[1];

    // Every missing file and every refusal is a message, as the window tells them; a document
    // of the key's folder and a page are "ouvre:" lines.
    dossier.Ecrit("doc.pdf", "%PDF-1.4\n");
    dossier.Ecrit("lanceur", "[Desktop Entry]\nExec=xterm\n");
    const std::string cle = dossier.Ecrit("k.cle", "1, 0 $a$A$F\"absent.pdf\"\r\n"
                                                   "1, 0 $b$B$F\"https://exemple.org/b\"\r\n"
                                                   "1, 0 $c$C$F\"file:///etc/passwd\"\r\n"
                                                   "1, 0 $d$D$F\"\\doc.pdf\"\r\n"
                                                   "1, 0 $e$E$F\"/bin/sh\"\r\n"
                                                   "1, 0 $f$F$F\"absente.cle\"\r\n"
                                                   "1, 0 $g$G$F\"lanceur\"\r\n");
    r = Lance(dossier, "parcours '" + cle + "' 0 raz 1 raz 2 raz 3 raz 4 raz 5 raz 6");
    ASSERT_EQ(r.statut, 0) << r.erreurs;
    std::istringstream lignes(r.erreurs);
    std::vector<std::string> dialogues;
    for (std::string ligne; std::getline(lignes, ligne);)
        dialogues.push_back(ligne);
    EXPECT_EQ(dialogues,
              (std::vector<std::string>{
                  "message: fichier absent.pdf non trouvé ", "ouvre: https://exemple.org/b",
                  "message: adresse refusée : file:///etc/passwd\\r\\nseules les adresses http:// "
                  "et https:// sont ouvertes",
                  "ouvre: " + dossier.Chemin("doc.pdf"), "message: fichier /bin/sh non trouvé ",
                  "message: fichier absente.cle non trouvé ",
                  "message: fichier non ouvert : lanceur : c'est un programme"}));
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

// Files that are no key, or a key with nothing to offer at the start: status 1 and the state
// printed.
TEST(Parcours, CleSansPropositionAuDepart) {
    DossierTemporaire dossier;
    for (const auto &[nom, contenu] :
         {std::pair{"vide.cle", ""}, std::pair{"sans-marqueur.txt", "1, 0 $a$A\n1, 0 $b$B\n"},
          std::pair{"seule.cle", "une ligne\n"}, std::pair{"marqueur.txt", "$FICHIER CLE$\n"},
          std::pair{"note.cle", "1, 0, N $une note\n"}}) {
        Resultat r = Lance(dossier, "parcours '" + dossier.Ecrit(nom, contenu) + "' 0");
        EXPECT_EQ(r.statut, 1) << nom;
        auto blocs = Blocs(r.sortie);
        ASSERT_EQ(blocs.size(), 2u) << nom;
        EXPECT_EQ(blocs[0].find("List1\t"), std::string::npos) << blocs[0];
    }
}

// The key is opened by the path given, even where splitting it into folder and file name and
// joining them back would name another file.
TEST(Parcours, CheminDonneTelQuel) {
    DossierTemporaire dossier;
    const std::string cle = dossier.Ecrit("a\\b.cle", "1, 0 $Lames$Agaricus\n");
    Resultat r = Lance(dossier, "parcours '" + cle + "'");
    EXPECT_EQ(r.statut, 0) << r.erreurs;
    EXPECT_EQ(r.sortie.rfind("== chargement\nList1\tLames\n", 0), 0u) << r.sortie;
}

} // namespace
} // namespace lamelix::test
