// The recording services the other tests drive the program with, and the command line's
// services, which must keep their error stream to the dialogs the checks compare.

#include "cli/console.hpp"
#include "tests/services_factices.hpp"

#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace lamelix {
namespace {

using test::ServicesFactices;
using Entrees = std::vector<std::string>;

TEST(ServicesFactices, ShellEtBipVontDansLesAppelsPasDansLeJournal) {
    ServicesFactices s;
    EXPECT_TRUE(s.ShellEx("docs\\photo.jpg", "/cles"));
    s.ShellReussit = false;
    EXPECT_FALSE(s.ShellEx("https://exemple.org/", ""));
    s.Bip();
    s.Sablier(true);
    s.Sablier(false);
    s.Message("fini");

    EXPECT_EQ(s.Appels, (Entrees{"shell: docs\\photo.jpg | /cles", "shell: https://exemple.org/ | ",
                                 "bip", "sablier: oui", "sablier: non"}));
    EXPECT_TRUE(s.AAppele("bip"));
    EXPECT_FALSE(s.AAppele("shell: docs\\photo.jpg")); // whole entries only
    EXPECT_EQ(s.Journal, Entrees{"message: fini"});
}

TEST(ServicesFactices, SaisiesEtReponsesHttpSuiventLeurScript) {
    ServicesFactices s;
    s.Saisies = {"Boletus", std::nullopt};
    EXPECT_EQ(s.Saisie("Nom ?", "Recherche", "Bol"), "Boletus");
    EXPECT_EQ(s.Saisie("Nom ?", "Recherche", ""), std::nullopt); // cancelled by the script
    EXPECT_EQ(s.Saisie("Encore ?", "", "x"), std::nullopt);      // script exhausted

    s.ReponsesHttp = {ReponseHttp{200, "{}", ""}};
    const ReponseHttp premiere = s.Requete({"POST", "https://exemple.org/api", {}, "corps"});
    EXPECT_EQ(premiere.Statut, 200);
    EXPECT_EQ(premiere.Texte, "{}");
    const ReponseHttp seconde = s.Requete({"GET", "https://exemple.org/", {}, {}});
    EXPECT_EQ(seconde.Statut, 0);
    EXPECT_EQ(seconde.Erreur, "pas de réponse");

    EXPECT_TRUE(s.ConnexionInternet());
    s.Connecte = false;
    EXPECT_FALSE(s.ConnexionInternet());

    EXPECT_EQ(s.Appels, (Entrees{"saisie: Nom ? | Recherche | Bol", "saisie: Nom ? | Recherche | ",
                                 "saisie: Encore ? |  | x", "requete: POST https://exemple.org/api",
                                 "requete: GET https://exemple.org/", "connexion", "connexion"}));
}

TEST(ServicesFactices, UnProgrammeLanceSeTermineUneSeuleFois) {
    ServicesFactices s;
    const long visionneuse = s.LanceProgramme("visionneuse", {"-a", "photo.jpg"});
    const long editeur = s.LanceProgramme("editeur", {});
    EXPECT_EQ(visionneuse, 1000);
    EXPECT_EQ(editeur, 1001);

    EXPECT_TRUE(s.TermineProgramme(visionneuse));
    EXPECT_FALSE(s.TermineProgramme(visionneuse));
    EXPECT_FALSE(s.TermineProgramme(42));
    EXPECT_TRUE(s.TermineProgramme(editeur));

    EXPECT_EQ(s.Appels,
              (Entrees{"programme: visionneuse -a photo.jpg", "programme: editeur", "termine: 1000",
                       "termine: 1000", "termine: 42", "termine: 1001"}));
}

TEST(ServicesFactices, PatienteAvanceLHorlogeSansSInscrire) {
    ServicesFactices s;
    for (int i = 0; i < 20; ++i)
        s.Patiente();
    EXPECT_EQ(s.Patientes, 20);
    EXPECT_NEAR(s.Chrono(), 1.0, 1e-9);
    EXPECT_TRUE(s.Appels.empty());
}

TEST(ServicesConsole, SeulsLesDialoguesEtLesOuverturesSEcrivent) {
    std::ostringstream erreurs;
    ServicesConsole s(erreurs, false);
    EXPECT_EQ(s.Saisie("Nom ?", "", "x"), std::nullopt);
    EXPECT_EQ(s.DialogueOuvrir("Clé|*.cle", ""), std::nullopt);
    EXPECT_EQ(s.DialogueEnregistrer("Clé|*.cle", "a.cle", ""), std::nullopt);
    s.Bip();
    s.Sablier(true);
    EXPECT_EQ(s.LanceProgramme("visionneuse", {"photo.jpg"}), 0);
    EXPECT_FALSE(s.TermineProgramme(1000));
    s.Aide("aide/index.html");
    EXPECT_TRUE(s.ConnexionInternet()); // so that the web links of a key are listed too
    const ReponseHttp reponse = s.Requete({"GET", "https://exemple.org/", {}, {}});
    EXPECT_EQ(reponse.Statut, 0);
    EXPECT_FALSE(reponse.Erreur.empty());
    s.Patiente();
    const double avant = s.Chrono();
    EXPECT_GE(avant, 0.0);
    EXPECT_GE(s.Chrono(), avant);
    EXPECT_EQ(erreurs.str(), "");

    s.Message("ligne\tun");
    EXPECT_EQ(s.Question("Continuer ?"), ReponseNon);
    s.PressePapierTexte("copie");
    // What the window would open is listed, and nothing is opened.
    EXPECT_TRUE(s.ShellEx("C:\\docs\\photo\x1b.jpg", "/cles"));
    EXPECT_EQ(erreurs.str(), "message: ligne\\tun\nquestion: Continuer ? -> non\n"
                             "presse-papier: copie\nouvre: C:\\\\docs\\\\photo\\x1b.jpg\n");
}

} // namespace
} // namespace lamelix
