// The documentation search: the keywords drawn from the species name, the set-up boxes, and the
// walk of a folder tree written by each test under REPDOC.

#include "app/application.hpp"
#include "search/documentation.hpp"
#include "tests/core/banc_cle.hpp"

#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <initializer_list>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace lamelix::test {
namespace {

namespace fs = std::filesystem;
using Textes = std::vector<std::string>;

// Recording services that also run a step of the test at each yield to the event loop, as a
// user's click would arrive while the walk runs.
struct ServicesPas : ServicesFactices {
    std::function<void()> AChaquePas;
    void Patiente() override {
        ServicesFactices::Patiente();
        if (AChaquePas) AChaquePas();
    }
};

struct Documentation : ::testing::Test {
    DossierTemporaire Dossier;
    ServicesPas Services;
    Application App{Services};
    Lamelix &F = App.Principale();
    RechercheDocumentation D{F};
    std::string Racine = Dossier.Chemin("doc");

    Documentation() {
        F.VScroll1 = {8, 20}; // as the start-up sets them
        F.Options().RepDoc = Racine;
        F.RepProgramme = "/prog";
        fs::create_directories(Racine);
    }
    void Fichiers(std::initializer_list<std::string> noms) {
        for (const std::string &nom : noms) {
            const fs::path p = fs::path(Racine) / nom;
            fs::create_directories(p.parent_path());
            std::ofstream(p) << "x";
        }
    }
    Textes Compose(const std::string &espece, int mode) {
        F.Text2.SetText(espece);
        Doc_Compose_chaine(D, mode);
        return D.MotsCles;
    }
    // The rows of List1 after a search, paths relative to REPDOC.
    Textes Cherche(const std::string &espece) {
        F.Text2.SetText(espece);
        Command6_Documentation(D);
        Textes t;
        for (const ElementListe &e : F.List1.Items)
            t.push_back(e.Texte.starts_with(Racine + "/") ? e.Texte.substr(Racine.size() + 1)
                                                          : e.Texte);
        return t;
    }
    static std::string Fin(int n) {
        return "Recherche de documentation terminée : " + std::to_string(n) + " fichiers trouvés";
    }
    void Tape(int index, const std::string &texte) {
        D.Text8[static_cast<std::size_t>(index)].SetText(texte);
        Text8_Change(D, index);
    }
};

TEST_F(Documentation, MotsClesDuNomDEspece) {
    EXPECT_EQ(elague_chn("a-b_c,d&e.f(g)h[i]j°k"), "a b c d e f g h i]j k");
    EXPECT_EQ(Extrc_Nom_genre("C:\\cles\\Russula_clé.cle"), "RUSSULA");
    EXPECT_EQ(Extrc_Nom_genre(""), "");

    // The dot of "var." is a blank before the "VAR. " test, so "VAR" is a keyword.
    const std::string muscaria = "Amanita muscaria var. formosa";
    EXPECT_EQ(Compose(muscaria, 1),
              (Textes{"", "AMANITA", "", "MUSCARIA", "", "VAR", "", "FORMOSA"}));
    EXPECT_EQ(F.Label17.Caption, " AMANITA  MUSCARIA  VAR  FORMOSA");
    Compose(muscaria, 2);
    EXPECT_EQ(F.Label17.Caption, " AMANITA");
    Compose(muscaria, 0);
    EXPECT_EQ(F.Label17.Caption, "");

    // "ÉTÉ" has three characters in five bytes: too short, like "À".
    EXPECT_EQ(Compose("Été (à pied) rouge-sang", 2),
              (Textes{"", "", "PIED", "", "ROUGE", "", "SANG"}));
    EXPECT_EQ(F.Label17.Caption, " PIED"); // the first two are equal: the first and the third

    Tape(0, "2"); // words 0 to 2 only
    EXPECT_EQ(Compose(muscaria, 1), (Textes{"", "AMANITA", "", "MUSCARIA", "", "VAR"}));
    Tape(0, "8");
    D.Check3[DocFiltre].SetValue(1);
    Tape(1, "5"); // the leading blank is one of the five
    EXPECT_EQ(Compose(muscaria, 1), (Textes{"", "AMANI", "", "MUSC", "", "VAR", "", "FORM"}));
    Tape(1, "3");
    EXPECT_EQ(Compose(muscaria, 1), Textes{});
    D.Check3[DocFiltre].SetValue(0);

    D.Check3[DocNomFichier].SetValue(1);
    F.Cle().FichierCle = "/cles/Amanita-europe.cle";
    EXPECT_EQ(Compose("Amanita phalloides", 2), (Textes{"AMANITA", "", "PHALLOIDES"}));
    EXPECT_EQ(F.Label17.Caption, "AMANITA ");
    EXPECT_EQ(Compose("phalloides", 2), (Textes{"AMANITA", "PHALLOIDES"}));
    EXPECT_EQ(F.Label17.Caption, "AMANITA PHALLOIDES");

    // Matching reads positions 1 to N: never the genus at position 0, nor words past N.
    Compose("Amanita phalloides", 1);
    F.List1.Clear();
    for (const char *chemin : {"/d/Amanita.txt", "/d/phalloides/x.pdf"})
        Doc_Traite_motcle_rep(D, chemin);
    Tape(0, "1");
    Doc_Traite_motcle_rep(D, "/d/phalloides/y.pdf");
    EXPECT_EQ(F.List1.ListCount(), 1);
    EXPECT_EQ(F.List1.Items[0].Texte, "/d/phalloides/x.pdf");
}

TEST_F(Documentation, Text8ResteDansSesBornes) {
    const std::vector<std::tuple<int, std::string, std::string, int>> cas = {
        {0, "0", "1", 1},    {0, "12", "8", 8}, {0, "abc", "1", 1},     {0, "3.5", "3.5", 4},
        {1, "25", "20", 20}, {1, "-4", "1", 1}, {1, "1e400", "20", 20}, {1, "17", "17", 17}};
    for (const auto &[index, tape, reste, valeur] : cas) {
        Tape(index, tape);
        EXPECT_EQ(D.Text8[static_cast<std::size_t>(index)].Text, reste) << tape;
        EXPECT_EQ(F.VScroll1[static_cast<std::size_t>(index)], valeur) << tape;
    }
}

TEST_F(Documentation, TypesDansLOrdreDesCasesEtTousSeul) {
    Fichiers({"amanita.pdf", "autre.txt", "amanita.jpg", "amanita.xyz", "a/amanita.htm",
              "a/amanita.html", "a/amanita.txt", "b/AMANITA.TXT"});
    D.Check3[DocTextes].SetValue(1);
    D.Check3[DocPages].SetValue(1);
    EXPECT_EQ(Cherche("Amanita"), (Textes{"a/amanita.txt", "b/AMANITA.TXT", "amanita.pdf",
                                          "a/amanita.htm", "a/amanita.html", Fin(5)}));
    EXPECT_EQ(F.StatusBar1.Caption, "Recherche de la documentation terminée : 5 fichiers trouvés");
    EXPECT_TRUE(F.Parcours.DocsAffiches);
    EXPECT_FALSE(D.Command40[0].Visible);
    EXPECT_EQ(Services.Appels, (Textes{"sablier: oui", "sablier: non"}));

    D.Check3[DocTextes].SetValue(0);
    D.Check3[DocPages].SetValue(0);
    D.Check3[DocImages].SetValue(1);
    D.Check3[DocExtension].SetValue(1);
    D.Text9.SetText("x?z"); // "?" stands for any one character
    EXPECT_EQ(Cherche("Amanita"), (Textes{"amanita.jpg", "amanita.xyz", Fin(2)}));

    for (int i = DocTous; i <= DocExtension; ++i)
        D.Check3[static_cast<std::size_t>(i)].SetValue(1);
    const long fichiers = D.NbFichiers;
    EXPECT_EQ(Cherche("Amanita"),
              (Textes{"amanita.jpg", "amanita.pdf", "amanita.xyz", "a/amanita.htm",
                      "a/amanita.html", "a/amanita.txt", "b/AMANITA.TXT", Fin(7)}));
    EXPECT_EQ(D.NbFichiers - fichiers, 8); // every file walked counts, listed or not
}

TEST_F(Documentation, UnDossierAuNomDeLEspeceDonneToutCeQuIlContient) {
    Fichiers(
        {"cèpes/notes.txt", "cèpes/photos/p1.jpg", "girolles/g.txt", "girolles/cèpe-bordeaux.txt"});
    D.Check3[DocTous].SetValue(1);
    const double taille = D.TailleTotale;
    EXPECT_EQ(Cherche("Cèpe de Bordeaux"),
              (Textes{"cèpes/notes.txt", "cèpes/photos/p1.jpg", "girolles/cèpe-bordeaux.txt",
                      "girolles/cèpe-bordeaux.txt", Fin(4)})); // once per keyword found
    EXPECT_EQ(D.TailleTotale - taille, 4);
}

TEST_F(Documentation, ArretRefusePuisAccepte) {
    Fichiers({"d1/amanita1.txt", "d1/amanita2.txt", "d2/amanita1.txt", "d2/amanita2.txt",
              "d3/amanita1.txt"});
    D.Check3[DocTous].SetValue(1);
    Command40_Click(D, 0); // no search shows: nothing to stop
    EXPECT_FALSE(D.DemandeArret);

    std::set<int> vus;
    Services.AChaquePas = [&] {
        const int n = F.List1.ListCount();
        if (vus.insert(n).second && (n == 1 || n == 3)) Command40_Click(D, 0);
    };
    Services.Reponses = {ReponseNon, ReponseOui};
    const long dossiers = D.NbDossiers;
    EXPECT_EQ(Cherche("Amanita"),
              (Textes{"d1/amanita1.txt", "d1/amanita2.txt", "d2/amanita1.txt", Fin(3)}));
    EXPECT_EQ(Services.Journal,
              (Textes{"question: arrêt recherche ? -> non", "question: arrêt recherche ? -> oui"}));
    EXPECT_EQ(D.NbDossiers - dossiers, 3); // the root, d1, d2: d3 is never opened
    EXPECT_EQ(F.Label1.Caption, std::to_string(dossiers + 2));
    EXPECT_EQ(F.StatusBar1.Caption, "Recherche de la documentation arrêtée : 3 fichiers trouvés");
}

TEST_F(Documentation, DossierDisparuEtLiensSansFinDeLaRecherche) {
    Fichiers({"a/amanita.txt", "b/amanita.txt", "c/amanita.txt"});
    fs::create_directory_symlink(Racine, fs::path(Racine) / "boucle");
    fs::create_directory_symlink(fs::path(Racine) / "absent", fs::path(Racine) / "casse");
    fs::create_symlink(fs::path(Racine) / "a/amanita.txt", fs::path(Racine) / "amanita-lien.txt");
    D.Check3[DocTous].SetValue(1);
    Services.AChaquePas = [&] {
        if (F.List1.ListCount() == 2) fs::remove_all(fs::path(Racine) / "b");
    };
    EXPECT_EQ(Cherche("Amanita"),
              (Textes{"amanita-lien.txt", "a/amanita.txt", "c/amanita.txt", Fin(3)}));
}

TEST_F(Documentation, SansRacineRienNEstParcouru) {
    for (const std::string &racine : {std::string{}, Dossier.Chemin("absent")}) {
        F.Options().RepDoc = racine;
        D.Check3[DocTous].SetValue(1);
        EXPECT_EQ(Cherche("Amanita"), Textes{Fin(0)});
    }
    EXPECT_EQ(Services.Patientes, 0);
}

TEST_F(Documentation, LigneChoisiePendantLaRechercheEtOuverture) {
    Fichiers({"amanita.txt", "b/amanita.pdf"});
    D.Check3[DocTous].SetValue(1);
    Services.AChaquePas = [&] {
        if (F.List1.ListIndex < 0) F.List1.Selectionne(0);
    };
    // A row chosen during the walk: no count line after it; the walk still says it ended.
    EXPECT_EQ(Cherche("Amanita"), (Textes{"amanita.txt", "b/amanita.pdf"}));
    EXPECT_EQ(F.StatusBar1.Caption, "Recherche de la documentation terminée : 2 fichiers trouvés");
    EXPECT_TRUE(OuvreDocument(D));
    EXPECT_EQ(Services.Appels, (Textes{"sablier: oui", "sablier: non",
                                       "shell: " + Racine + "/amanita.txt | /prog"}));

    Services.AChaquePas = nullptr;
    Cherche("Amanita");
    EXPECT_FALSE(OuvreDocument(D)); // nothing selected
    F.List1.Selectionne(2);
    EXPECT_FALSE(OuvreDocument(D)); // the closing row
    F.List1.Selectionne(1);
    F.Parcours.DocsAffiches = false;
    EXPECT_FALSE(OuvreDocument(D));
    EXPECT_EQ(Services.Appels.size(), 5u);
}

} // namespace
} // namespace lamelix::test
