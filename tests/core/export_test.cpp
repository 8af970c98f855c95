// Saving the result of a consultation to a text file through the "Enregistrement Résultats"
// panel.

#include "platform/fichiers.hpp"
#include "tests/core/fenetre_essai.hpp"

#include <gtest/gtest.h>

namespace lamelix::test {
namespace {

// Written on Windows, in its code page.
constexpr std::string_view Champignons = "COM$Cl\xE9 d'essai\r\n"
                                         "1, 2 $Lames$\r\n"
                                         "1, 0 $Tubes$Boletus\r\n"
                                         "2, 0 $Anneau$Amanita\r\n"
                                         "2, 0 $Sans anneau$Russula\r\n";

const std::string Filtre = "*.txt|*.txt|Tous les fichiers (*.*)|*.*";

TEST(Export, FichierDuResultat) {
    FenetreEssai w;
    w.Charge(Champignons);
    w.Choisit({0, 1});
    ASSERT_EQ(w.F->Text2.Text, "Russula");
    mnuFileItem_Click(*w.F, FichierExporter);
    EXPECT_TRUE(w.F->Frame4.Visible);
    w.F->Text7.SetText("trouvé en forêt\nsous les chênes");
    // An existing file is replaced without a question.
    const std::string sortie = w.Dossier.Ecrit("resultat.txt", "ancien contenu plus long");
    w.Dialogues.Fichiers = {sortie};
    Command7_Click(*w.F, 3);
    EXPECT_EQ(w.Dialogues.Journal, (Textes{"enregistrer: " + Filtre + " | Russula.txt"}));
    EXPECT_FALSE(w.F->Frame4.Visible);
    const std::string entete =
        "Résultat de la recherche\r\nfichier clé : " + w.Dossier.Chemin("essai.cle") +
        "\r\nClé d'essai\r\n\r\n";
    const std::string fin = "Russula\r\n\r\nLames\r\nSans anneau\r\n\r\n";
    EXPECT_EQ(LireOctets(sortie).value_or(""),
              entete + "trouvé en forêt\r\nsous les chênes\r\n" + fin);

    // An empty comment keeps its line.
    w.F->Text7.SetText({});
    w.Dialogues.Fichiers = {sortie};
    Command7_Click(*w.F, 3);
    EXPECT_EQ(LireOctets(sortie).value_or(""), entete + "\r\n" + fin);
}

TEST(Export, AnnuleOuFerme) {
    FenetreEssai w;
    w.Charge(Champignons);
    w.Choisit(0);
    w.F->RepData = DossierDe(w.Dossier.Chemin("essai.cle"));
    w.F->Frame4.SetVisible(true);
    Command7_Click(*w.F, 3); // the dialog is cancelled
    EXPECT_EQ(w.Dialogues.Journal, (Textes{"enregistrer: " + Filtre + " | CleTexte.txt"}));
    EXPECT_FALSE(w.F->Frame4.Visible);
    EXPECT_FALSE(FichierExiste(w.Dossier.Chemin("CleTexte.txt")));

    w.F->Frame4.SetVisible(true);
    w.Dialogues.Fichiers = {w.Dossier.Chemin("jamais.txt")};
    Command7_Click(*w.F, 2);
    EXPECT_FALSE(w.F->Frame4.Visible);
    EXPECT_EQ(w.Dialogues.Journal.size(), 1u);
    EXPECT_FALSE(FichierExiste(w.Dossier.Chemin("jamais.txt")));
}

} // namespace
} // namespace lamelix::test
