// The outcome list beside the choices, the comparison of two memorised paths, the copy of the
// name list, and the list of keys opened during the run.

#include "consult/lamelix.hpp"
#include "platform/fichiers.hpp"
#include "platform/texte.hpp"
#include "search/plan_cle.hpp"
#include "search/recherche_mot_cle.hpp"
#include "tests/core/fenetre_essai.hpp"
#include "tests/core/lance_outils.hpp"
#include "tests/core/releve.hpp"
#include "tools/outils.hpp"

#include <functional>
#include <gtest/gtest.h>
#include <tuple>

namespace lamelix::test {
namespace {

using Fenetre = FenetreEssai;

// Key lines 1 to 8; line 6 ends at a species without a name.
constexpr std::string_view Champignons = "titre$Champignons\n"
                                         "1,2$Chapeau rouge\n"
                                         "1,3$Chapeau brun\n"
                                         "2,0$Pied blanc$Amanita muscaria\n"
                                         "2,4$Pied jaune\n"
                                         "3,0$Lames libres$Boletus edulis\n"
                                         "3,0$Lames adnees$\n"
                                         "4,0$Anneau$Amanita junquillea\n"
                                         "4,0$Sans anneau$Amanita gemmata\n";

// No outcome: an empty list whose heading says it is the outcome list.
TEST(Suivants, AucuneIssueLaisseLaCarteDesNoms) {
    Fenetre w("1,2$a\n1,3$b\n2,4$c\n2,4$d\n3,4$e\n3,0$f$Phi\n4,0$g$Gamma\n4,0$h$Eta\n");
    Lamelix &f = *w.F;
    f.Label3.SetCaption("avant");
    w.Choisit({0});
    EXPECT_EQ(
        std::tuple(f.List2.ListCount(), f.Label1.Caption + f.Label3.Caption, f.Parcours.MapNoms(2)),
        std::tuple(0, "0liste des issue possibles", 8));
}

// The first entity is 2, so its lines hold 2 as Prec: the index of the note line. Reaching it
// ends the computation with the outcomes found so far, which the name map, the heading and the
// counter then describe: a pick names the species it shows.
TEST(Suivants, LigneDeSuiteArreteLeCalcul) {
    Fenetre w("2,3$a\n2,0,N$note\n2,0$b$Espece B\n3,0$c$Espece C\n3,0$d$Espece D\n");
    Lamelix &f = *w.F;
    CherchSuiv(f);
    EXPECT_EQ(w.Noms(), (Textes{"Espece B", "Espece C"}));
    EXPECT_EQ(f.Label1.Caption + f.Label3.Caption, "2liste des issue possibles");
    EXPECT_EQ(std::tuple(f.Parcours.MapNoms(1), f.Parcours.MapNoms(2)), std::tuple(4, 0));
    EXPECT_TRUE(w.Dialogues.Journal.empty());
}

// Entities 2 and 3 call each other: the walks from their species never reach entity 1.
TEST(Suivants, BoucleDesPrecedents) {
    Fenetre w("1,2$vers deux\n1,0$fin$Alpha\n2,3$vers trois\n2,0$b$Beta\n3,2$retour\n"
              "3,0$c$Gamma\n");
    Lamelix &f = *w.F;
    w.Dialogues.Journal.clear();
    CherchSuiv(f);
    ASSERT_EQ(w.Dialogues.Journal.size(), 1u);
    const std::string debut = "message: " + f.Msg(112), &message = w.Dialogues.Journal[0];
    EXPECT_TRUE(message == debut + "3" || message == debut + "5") << message;
    EXPECT_EQ(w.Noms(), (Textes{"Alpha"}));
    EXPECT_EQ(std::tuple(f.Label1.Caption, f.Parcours.MapNoms(0)), std::tuple("1", 2));

    // From entity 2 the loop passes the target again and again: each species is listed once.
    w.Choisit({0});
    EXPECT_EQ(w.Dialogues.Journal.size(), 2u);
    EXPECT_EQ(w.Noms(), (Textes{"Beta", "Gamma"}));
}

// After every action the names list, its heading and its counter say the same thing, and an
// empty choice list gives the right reason, its number in List1Vide (kept in
// tests/data/parcours/listes.txt): the consultation walked by choices, the two lists, a jump
// from the key map, back steps, the tools window's reports and reload (at the first entity every
// species is an outcome: that heading stays true), a search that finds nothing.
TEST(Suivants, ListesTitresEtCompteursConcordent) {
    Fenetre w;
    Lamelix &f = *w.F;
    EXPECT_EQ(PourquoiList1Vide(f), List1Vide::SansCle);
    w.Charge("1, 2 $Lames$$S\"Lamelles\"\n1, 0 $Tubes$Boletus\n2, 3 $Anneau$\n"
             "2, 0 $Sans anneau$Russula\n3, 0 $Volve$Amanita phalloides\n"
             "3, 0 $Sans volve$Amanita rubescens\n");
    Outils &o = w.App->Outil();
    const auto outil = [&](int bouton) {
        return [&, bouton] {
            MnOutil_Click(f, 10);
            Command1_Click(o, bouton);
        };
    };
    const auto plan = [&](GenrePlan genre, int16_t ligne) {
        return [&, genre, ligne] { Plan_DblClick(w.App->Plan(), {genre, ligne, 0}); };
    };
    const std::pair<const char *, std::function<void()>> gestes[] = {
        {"RAZ", [&] { bouton_Click(f, 1); }},
        {"choix Lames", [&] { w.Choisit(0); }},
        {"Liste", [&] { Command4_Click(f, Cmd4Liste); }},
        {"Section", [&] { Command4_Click(f, Cmd4Section); }},
        {"saut du plan", plan(GenrePlan::Proposition, 3)},
        {"<==", [&] { w.Retour(); }},
        {"saut vers une espèce", plan(GenrePlan::Espece, 5)},
        {"<== après l'espèce", [&] { w.Retour(); }},
        {"Analyse", outil(OutAnalyse)},
        {"test cohérence", outil(OutCoherence)},
        {"choix Sans volve", [&] { w.Choisit(1); }},
        {"Re-charger", outil(OutRecharger)},
        {"recherche sans résultat", [&] {
             RechercheMotCle &r = w.App->MotsCles();
             MotCle_Click(r);
             r.Textcle[0].SetText("introuvable");
             for (std::size_t i = 0; i < r.Option3.size(); ++i)
                 r.Option3[i].SetValue(static_cast<int>(i) == DansDescriptions);
             MoCle_Click(r, 0);
         }}};
    std::string etats;
    for (const auto &[geste, fait] : gestes) {
        Fenetre::Gere(fait);
        etats += std::string(geste) + " | " + f.Label3.Caption + " | " + f.Label1.Caption + " |";
        for (const std::string &nom : w.Noms())
            etats += " " + nom + ",";
        if (f.List1.ListCount() == 0)
            etats += " | List1 vide : " + std::to_string(static_cast<int>(PourquoiList1Vide(f)));
        etats += "\n";
        EXPECT_EQ(f.Label1.Caption, std::to_string(f.List2.ListCount())) << geste;
    }
    EXPECT_EQ(etats, Attendu("parcours/listes.txt", etats));
    // The reports and the consistency test leave the consultation where it was.
    EXPECT_EQ(f.Cle().FichierCle, w.Dossier.Chemin("essai.cle"));
}

// The outcomes and the memorised paths as lamelix-outils parcours prints the window after each
// gesture (kept in tests/data/parcours). The outcomes follow the consultation (a nameless
// species has no row; a name picked reaches the line its row maps to) until a species is
// reached, and the list's title says which list it is. Form1 is the comparison's text: an
// undefined path said so; paths that part after a shared step, at the first step, or later
// meet a description of the same text (only what comes before the parting is shared); equal
// paths compared on the current steps only, or on their own steps when shorter than the
// history.
TEST(Suivants, EtatsApresChaqueGeste) {
    DossierTemporaire dossier;
    const std::tuple<std::string_view, const char *, const char *> cas[] = {
        {Champignons, "suiv nom:2 raz 0 nom:1 raz 0 1 0 suiv raz liste suiv",
         "parcours/issues.txt"},
        {Champignons,
         "compare lm1 compare raz 0 1 0 lm1 raz 0 0 lm2 compare raz 1 0 lm2 compare "
         "raz 0 1 0 lm1 raz 0 1 0 lm2 compare raz 0 compare "
         "raz 0 0 lm1 raz 0 0 lm2 raz 0 1 0 compare",
         "parcours/comparaison.txt"},
        {"1,2$Chapeau rouge\n1,0$Chapeau brun$Boletus\n2,3$Pied jaune\n2,4$Pied blanc\n"
         "3,0$Anneau$Amanita junquillea\n3,0$Sans anneau$Amanita gemmata\n"
         "4,0$Anneau$Amanita muscaria\n4,0$Sans anneau$Amanita pantherina\n",
         "0 0 0 lm1 raz 0 1 0 lm2 compare", "parcours/comparaison-rencontre.txt"}};
    for (const auto &[cle, gestes, fichier] : cas) {
        Resultat r = Lance(dossier, "parcours '" + dossier.Ecrit("c.cle", cle) + "' " + gestes);
        ASSERT_EQ(r.statut, 0) << r.erreurs;
        EXPECT_EQ(r.sortie, Attendu(fichier, r.sortie)) << gestes;
        EXPECT_EQ(r.erreurs, Attendu(std::string(fichier) + ".messages", r.erreurs));
    }
}

// The comparison window takes the main window's place, and goes when a new path is memorised;
// "copie liste" copies the names, an empty list included.
TEST(Comparaison, FenetreDeComparaisonEtCopieDeLaListe) {
    Fenetre w(Champignons);
    Lamelix &f = *w.F;
    Command4_Click(f, Cmd4CopieListe);
    EXPECT_EQ(w.Dialogues.PressePapier, "Amanita muscaria\r\nBoletus edulis\r\n\r\n"
                                        "Amanita junquillea\r\nAmanita gemmata\r\n");
    w.Choisit({0, 0});
    Command4_Click(f, Cmd4LM1);
    Command4_Click(f, Cmd4CopieListe); // a species: List2 is emptied
    EXPECT_EQ(w.Dialogues.Journal.back(), "presse-papier: ");
    RAZ_Choix(f);
    w.Choisit({1, 0});
    Command4_Click(f, Cmd4LM2);
    Command4_Click(f, Cmd4Compare);
    EXPECT_TRUE(w.App->Biblio().Moi.Visible && f.SauteActivation && !f.Moi.Visible);
    Command4_Click(f, Cmd4LM2);
    EXPECT_FALSE(w.App->Biblio().Moi.Visible);
}

constexpr std::string_view PetiteCle = "1,0$oui$Alpha\n1,0$non$Beta\n";

TEST(ClesOuvertes, SansDoublonNiCleRefusee) {
    Fenetre w;
    Lamelix &f = *w.F;
    f.RepData = DossierDe(w.Dossier.Ecrit("a.cle", PetiteCle));
    f.NomFichierCle = "a.cle";
    std::string argument;
    MAJ_List3(f, argument);
    // Another way to the same file is the same key. A name that differs by letter case is the
    // same key where the file system ignores case, another key where it does not: here only
    // once it exists as a file of its own.
    const std::string dossier = f.RepData;
    f.RepData = dossier + "/.";
    MAJ_List3(f, argument);
    f.RepData = dossier;
    f.NomFichierCle = "A.CLE";
    MAJ_List3(f, argument);
    f.NomFichierCle = w.Dossier.Ecrit("b.cle", PetiteCle); // a full path is taken as it is
    MAJ_List3(f, argument);
    EXPECT_EQ(Fenetre::Lignes(f.List3), (Textes{w.Dossier.Chemin("a.cle"), f.NomFichierCle}));
    w.Dossier.Ecrit("A.CLE", "1,0$autre$Gamma\n");
    f.NomFichierCle = "A.CLE";
    MAJ_List3(f, argument);
    const bool casseIgnoree = LireOctets(w.Dossier.Chemin("a.cle")) != std::string(PetiteCle);
    EXPECT_EQ(f.List3.ListCount(), casseIgnoree ? 2 : 3);
    if (!casseIgnoree) f.List3.RemoveItem(2);

    f.NomFichierCle = "absente.cle";
    MAJ_List3(f, argument);
    EXPECT_EQ(f.LblflashX.Caption, "fichier  absente.cle'  non trouvé ");

    w.Charge("pas une cle", "refus.cle"); // a single field: the reader refuses it
    f.NomFichierCle = "refus.cle";
    MAJ_List3(f, argument);
    EXPECT_EQ(f.List3.ListCount(), 2);
}

// A plain click on an opened key names it in the status bar, Shift with a click takes it off
// the list; a double click opens it (a line without folder names a file of the key folder), and
// a key reopened from the list is not listed again.
TEST(ClesOuvertes, ClicsEtDoubleClic) {
    Fenetre w;
    Lamelix &f = *w.F;
    const std::string a = w.Dossier.Ecrit("a.cle", PetiteCle);
    w.Dossier.Ecrit("b.cle", "1,0$gauche$Gamma\n1,0$droite$Delta\n1,0$haut$Epsilon\n");
    f.RepData = DossierDe(a);
    for (const char *ligne : {"b.cle", "c.cle"})
        f.List3.AddItem(ligne);
    const auto clic = [&](int ligne, int touches) {
        return [&, ligne, touches] {
            f.List3.Selectionne(ligne);
            List3_MouseDown(f, BoutonGauche, touches);
        };
    };
    const auto double_ = [&](int ligne) {
        return [&, ligne] {
            f.List3.Selectionne(ligne);
            List3_DblClick(f);
        };
    };
    Releve r(w);
    r("clic sur c.cle", clic(1, 0));
    r("Shift clic sur c.cle", clic(1, ToucheShift));
    r("double clic sur b.cle", double_(0));
    f.List3.AddItem(a);
    r("double clic sur a.cle", double_(1));
    EXPECT_EQ(r.Texte(), r.Attendu("cles-ouvertes"));
}

} // namespace
} // namespace lamelix::test
