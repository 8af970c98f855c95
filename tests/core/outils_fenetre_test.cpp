// The tools window: its buttons' enabling, loading and reloading, and the text editor.

#include "tests/core/outils_essai.hpp"

#include <gtest/gtest.h>

namespace lamelix::test {
namespace {

std::vector<bool> Actifs(const Outils &o) {
    std::vector<bool> actifs;
    for (int i :
         {OutCharger, OutSauverRenum, OutTestNumerotation, OutAnalyse, OutRecharger, OutEditer})
        actifs.push_back(o.Command1[static_cast<std::size_t>(i)].Enabled);
    return actifs;
}

const char *const Petite = "1, 2 $a\r\n1, 0 $b$B\r\n2, 0 $c$C\r\n2, 0 $d$D\r\n";

TEST(OutilsFenetre, OuvertureChargementEtBoutons) {
    OutilsEssai o;
    EXPECT_TRUE(o.O.Moi.Visible);
    EXPECT_EQ(o.O.Moi.Caption, " Mise au point de  ");
    EXPECT_EQ(o.O.Text1[0].Text, "1");
    EXPECT_EQ(o.O.Text1[1].Text, "1");
    EXPECT_EQ(o.O.Command2.Caption, "Suite >>");
    EXPECT_EQ(o.O.Command3.Caption, "Liste liens");
    EXPECT_EQ(Actifs(o.O), (std::vector<bool>{true, false, false, false, false, false}));

    // A cancelled choice loads nothing.
    o.Bouton(OutCharger);
    EXPECT_EQ(Actifs(o.O), (std::vector<bool>{true, false, false, false, false, false}));

    o.Ouvre(Petite);
    EXPECT_EQ(o.O.Moi.Caption, " Mise au point de  essai.cle");
    EXPECT_EQ(o.O.Label2.Caption, "essai.cle");
    EXPECT_EQ(o.O.FichierCourant, o.Fichier);
    EXPECT_EQ(Actifs(o.O), (std::vector<bool>{true, false, true, true, true, true}));

    o.Bouton(OutTestNumerotation);
    EXPECT_TRUE(o.O.Command1[OutSauverRenum].Enabled);
    o.Bouton(OutAnalyse);
    EXPECT_FALSE(o.O.Command1[OutSauverRenum].Enabled);

    // Cancelling a later choice leaves the key and its counts as they were.
    const int16_t entites = o.Prog->Cle.EntiteMax;
    o.Bouton(OutCharger);
    EXPECT_EQ(o.Prog->Cle.EntiteMax, entites);

    // A refused file leaves no key to work on; a txt file without its marker changes nothing.
    o.Ouvre("1, 0 $a$A\r\n1, 0 $b$B\r\n", "sans-marqueur.txt");
    EXPECT_EQ(o.Prog->Cle.EntiteMax, entites);
    o.Ouvre("une ligne\r\n", "refus.cle");
    EXPECT_EQ(o.Prog->Cle.EntiteMax, 0);
    EXPECT_EQ(Actifs(o.O), (std::vector<bool>{true, false, false, false, true, true}));
    // A compilation stopped after it counted the entities (a fourth "$" on the last line) leaves
    // no key either.
    o.Ouvre("1, 2 $a\r\n1, 0 $b$B\r\n2, 0 $c$C\r\n2, 0 $a$b$c$d\r\n", "arret.cle");
    EXPECT_EQ(o.O.Label2.Caption, "4  lignes analysées");
    EXPECT_EQ(o.O.Label2.Caption, "4  lignes analysées");
}

TEST(OutilsFenetre, RechargerEtActivation) {
    OutilsEssai o;
    o.Ouvre(Petite);
    o.Bouton(OutAnalyse);
    o.Dossier.Ecrit("essai.cle", "1, 0 $a$A\r\n1, 0 $b$B\r\n1, 0 $c$C\r\n");
    o.Bouton(OutRecharger);
    EXPECT_EQ(o.Rapport(), "");
    EXPECT_EQ(o.Prog->Cle.NbLignesM1, 2);
    // Broken by an edit, then mended: the tools follow the key that loads.
    o.Dossier.Ecrit("essai.cle", "1 $a$A\r\n");
    o.Bouton(OutRecharger);
    EXPECT_EQ(Actifs(o.O), (std::vector<bool>{true, false, false, false, true, true}));
    o.Dossier.Ecrit("essai.cle", Petite);
    o.Bouton(OutRecharger);
    EXPECT_EQ(Actifs(o.O), (std::vector<bool>{true, false, true, true, true, true}));

    // Closed and shown again: loaded anew, with the buttons of the key in memory.
    o.Bouton(OutQuitter);
    EXPECT_FALSE(o.O.Moi.Visible);
    FenetreEssai::Gere([&] { MnOutil_Click(*o.F, 10); });
    EXPECT_EQ(Actifs(o.O), (std::vector<bool>{true, false, false, true, true, true}));
}

TEST(OutilsFenetre, EditeurDesReglages) {
    OutilsEssai o;
    o.Prog->Options.Editeur = "mon-editeur --line %l %f";
    o.Ouvre(Petite);
    o.Bouton(OutEditer);
    EXPECT_EQ(o.Dialogues.Appels.back(), "programme: mon-editeur " + o.Fichier);
    // "Editer" again ends the editor it started; a double click on a report line opens the
    // file at the line it names.
    o.Bouton(OutAnalyse);
    FenetreEssai::Gere([&] { Text10_DblClick(o.O, "@ligne 2 / 12 \\(1,0)\\b"); });
    EXPECT_EQ(o.Dialogues.Appels[o.Dialogues.Appels.size() - 2], "termine: 1000");
    EXPECT_EQ(o.Dialogues.Appels.back(), "programme: mon-editeur --line 12 " + o.Fichier);
    const std::size_t appels = o.Dialogues.Appels.size();
    FenetreEssai::Gere([&] { Text10_DblClick(o.O, " nb de lignes vues :4"); });
    EXPECT_EQ(o.Dialogues.Appels.size(), appels);
    // Closing the window ends the editor.
    o.Bouton(OutQuitter);
    EXPECT_EQ(o.Dialogues.Appels.back(), "termine: 1001");
}

TEST(OutilsFenetre, SansEditeurLAuteurEstPrevenu) {
    OutilsEssai o;
    o.Prog->Options.Editeur.clear();
    const char *chemin = std::getenv("PATH");
    const std::string avant = chemin ? chemin : "";
    setenv("PATH", o.Dossier.Chemin("vide").c_str(), 1);
    o.Ouvre(Petite);
    o.Bouton(OutEditer);
    setenv("PATH", avant.c_str(), 1);
    EXPECT_EQ(o.Dialogues.Journal.back(), "message: " + o.Prog->Textes[247]);
}

TEST(OutilsFenetre, CommandesDEditeur) {
    const auto ligne = [](const std::string &modele, long n) {
        const auto c = CommandeOuvrant(modele, "/c/a b.cle", n);
        std::string texte = c->Programme;
        for (const std::string &a : c->Arguments)
            texte += "|" + a;
        return texte;
    };
    EXPECT_EQ(ligne("gedit --standalone +%l %f", 7), "gedit|--standalone|+7|/c/a b.cle");
    EXPECT_EQ(ligne("gedit --standalone +%l %f", 0), "gedit|--standalone|/c/a b.cle");
    EXPECT_EQ(ligne("kate --new --line %l %f", 0), "kate|--new|/c/a b.cle");
    EXPECT_EQ(ligne("leafpad --jump=%l", 3), "leafpad|--jump=3|/c/a b.cle");
    EXPECT_EQ(ligne("\"/opt/mon editeur/ed\" -l %l", 3), "/opt/mon editeur/ed|-l|3|/c/a b.cle");
    EXPECT_FALSE(CommandeOuvrant("   ", "x", 1));

    EXPECT_EQ(LigneNommee("@ligne 12 / 34 \\(1,2)\\a"), 34);
    EXPECT_EQ(LigneNommee("@line 12 / 34 \\(1,2)\\a"), 34);
    EXPECT_EQ(LigneNommee("@34/12/ une note\r"), 34);
    EXPECT_EQ(LigneNommee("7\\REM$commentaire"), 7);
    EXPECT_EQ(LigneNommee("15 \\ Nb= 4 :a$b$c$d$"), 15);
    EXPECT_EQ(LigneNommee("1,2$  => 10,20"), std::nullopt);
    EXPECT_EQ(LigneNommee("-----------------------------"), std::nullopt);
    EXPECT_EQ(LigneNommee("0 erreur remarquée"), std::nullopt);
}

} // namespace
} // namespace lamelix::test
