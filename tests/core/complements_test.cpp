// The complements of key lines as the user meets them: documents, web pages and chained keys,
// missing files reported or searched for by hand, and what a key must never get to open.

#include "platform/fichiers.hpp"
#include "platform/surete.hpp"
#include "tests/core/fenetre_essai.hpp"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <tuple>

namespace lamelix::test {
namespace {

namespace fs = std::filesystem;

// Line 2 leads to a document, line 4 to another key, line 5 to a web page, line 6 to a file
// that is not there, line 7 to a program.
constexpr std::string_view Cle = "1, 2 $Lames$\r\n"
                                 "1, 0 $Tubes$Boletus$F\"doc\\fiche bolet.PDF\"\r\n"
                                 "2, 3 $Anneau$$F\"doc\\fiche bolet.PDF\"\r\n"
                                 "2, 0 $Sans anneau$Russula$F\"russules.cle\"\r\n"
                                 "3, 0 $Volve$Amanita phalloides$F\"https://exemple.org/a p\"\r\n"
                                 "3, 4 $Sans volve$\r\n"
                                 "4, 0 $Lisse$Amanita rubescens$F\"absente.pdf\"\r\n"
                                 "4, 0 $Rugueux$Amanita spissa$F\"outil.sh\"\r\n";

struct Consultation : FenetreEssai {
    Consultation() {
        fs::create_directory(Dossier.Chemin("doc"));
        Dossier.Ecrit("doc/fiche bolet.pdf", "%PDF-1.4 fiche");
        Dossier.Ecrit("russules.cle",
                      "1, 0 $Acre$Russula emetica\r\n1, 0 $Douce$Russula vesca\r\n");
        Dossier.Ecrit("outil.sh", "echo bonjour\n");
        Charge(Cle);
        F->RepProgramme = "/programme";
    }
};

TEST(Complements, UnDocumentSOuvreEtLEspeceResteAtteinte) {
    Consultation w;
    w.Choisit(1);
    // The case of the name on disk differs, and "\" separates its folder.
    EXPECT_TRUE(
        w.Dialogues.AAppele("shell: " + w.Dossier.Chemin("doc/fiche bolet.pdf") + " | /programme"));
    EXPECT_EQ(w.F->Parcours.NbEtapes, 1);
    EXPECT_EQ(w.F->Parcours.EntiteCourante, 0);
    EXPECT_EQ(w.F->Text2.Text, "Boletus");

    // A single click only looks at the line: nothing is opened, the path stays.
    w.Retour();
    w.Choisit(0);
    w.Dialogues.Appels.clear();
    w.F->List1.Selectionne(0);
    List1_Click(*w.F);
    EXPECT_TRUE(w.Dialogues.Appels.empty());
    EXPECT_EQ(w.F->Parcours.NbEtapes, 1);
    EXPECT_EQ(w.F->Parcours.EntiteCourante, 2);
}

TEST(Complements, UneCleEnchaineeRemplaceLaCleEtRejointLesClesOuvertes) {
    Consultation w;
    w.Choisit(0);
    // The click that begins a double click loads nothing: the double click lands on the
    // proposition the user pointed at.
    w.F->List1.Selectionne(1);
    List1_Click(*w.F);
    EXPECT_EQ(w.Prog->Cle.FichierCle, w.Dossier.Chemin("essai.cle"));
    w.Choisit(1);
    const std::string russules = w.Dossier.Chemin("russules.cle");
    EXPECT_EQ(w.Prog->Cle.FichierCle, russules);
    EXPECT_EQ(FenetreEssai::Lignes(w.F->List1), (Textes{"Acre", "Douce"}));
    EXPECT_EQ(FenetreEssai::Lignes(w.F->List3).back(), russules);
    EXPECT_EQ(w.F->Parcours.NbEtapes, 0);

    // Reached again through the chain, then reopened from the list: still one line for it.
    OuvreFichier(*w.F, w.Dossier.Chemin("essai.cle"));
    const Textes ouvertes = FenetreEssai::Lignes(w.F->List3);
    EXPECT_EQ(std::count(ouvertes.begin(), ouvertes.end(), russules), 1);
    w.Choisit({0, 1});
    EXPECT_EQ(w.Prog->Cle.FichierCle, russules);
    w.F->List3.Selectionne(0);
    List3_DblClick(*w.F);
    EXPECT_EQ(FenetreEssai::Lignes(w.F->List3), ouvertes);
}

// A keyword hit that chains a key: looked at, nothing loads; chosen, the new key's propositions
// replace the hits, and nothing of the old key's hits is taken for the new key's lines.
TEST(Complements, UnResultatDeRechercheQuiEnchaineUneCle) {
    Consultation w;
    RechercheMotCle &r = w.App->MotsCles();
    FenetreEssai::Gere([&] {
        MotCle_Click(r);
        r.Textcle[0].SetText("Sans anneau");
        MoCle_Click(r, 0);
    });
    ASSERT_EQ(FenetreEssai::Lignes(w.F->List1), (Textes{"Sans anneau"}));
    w.F->List1.Selectionne(0);
    List1_Click(*w.F);
    EXPECT_EQ(w.Prog->Cle.FichierCle, w.Dossier.Chemin("essai.cle"));
    w.Choisit(0);
    EXPECT_EQ(w.Prog->Cle.FichierCle, w.Dossier.Chemin("russules.cle"));
    EXPECT_EQ(FenetreEssai::Lignes(w.F->List1), (Textes{"Acre", "Douce"}));
    EXPECT_FALSE(w.F->Parcours.RechercheAffichee);
    EXPECT_FALSE(w.F->Frame6.Visible);
    w.Choisit(1);
    EXPECT_EQ(w.F->Text2.Text, "Russula vesca");
}

TEST(Complements, UneAdresseWebSelonLaConnexion) {
    Consultation w;
    w.Dialogues.Connecte = false;
    w.Choisit({0, 0, 0});
    EXPECT_EQ(w.F->LblflashX.Caption, w.F->Msg(190));
    EXPECT_EQ(w.F->LblflashX.ForeColor, CouleurRouge);
    EXPECT_FALSE(w.Dialogues.AAppele("shell: https://exemple.org/a p | "));
    w.Dialogues.Connecte = true;
    RAZ_Choix(*w.F);
    w.Choisit({0, 0, 0});
    EXPECT_EQ(w.F->LblflashX.Caption, w.F->Msg(191));
    EXPECT_EQ(w.F->LblflashX.ForeColor, CouleurBleu);
    EXPECT_TRUE(w.Dialogues.AAppele("shell: https://exemple.org/a p | "));
    // Never a missing file: no question, the species stays reached.
    EXPECT_TRUE(w.Dialogues.Journal.empty());
    EXPECT_EQ(w.F->Text2.Text, "Amanita phalloides");
}

TEST(Complements, FichierAbsentSignaleOuCherche) {
    Consultation w;
    Lamelix &f = *w.F;
    // "message d'alerte ": a notice, result 1, and the selection stops (List2 not emptied).
    w.Choisit({0, 0, 1});
    w.Choisit(0);
    EXPECT_EQ(f.LblflashX.Caption, f.Msg(2) + "absente.pdf" + f.Msg(4));
    EXPECT_EQ(f.LblflashX.ForeColor, CouleurVert);
    EXPECT_GT(f.List2.ListCount(), 0);
    EXPECT_EQ(f.Parcours.NbEtapes, 4);

    // "recherche manuelle": the question; No leaves the species reached.
    FicExtr_Click(f, 2);
    RAZ_Choix(f);
    w.Dialogues.Reponses = {ReponseNon};
    w.Choisit({0, 0, 1, 0});
    const std::string question =
        "question: " + f.Msg(2) + "absente.pdf" + f.Msg(4) + " :  recherche manuelle ?  -> non";
    EXPECT_EQ(w.Dialogues.Journal.back(), question);
    EXPECT_EQ(f.Parcours.NbEtapes, 4);
    EXPECT_EQ(f.Parcours.EntiteCourante, 0);

    // Yes: the dialog that locates the file, which then opens.
    RAZ_Choix(f);
    const std::string trouve = w.Dossier.Ecrit("ailleurs.pdf", "%PDF-1.4\n");
    w.Dialogues.Fichiers = {trouve};
    w.Choisit({0, 0, 1, 0});
    EXPECT_EQ(f.Parcours.NbEtapes, 4);
    EXPECT_EQ(f.CibleComplement, "ailleurs.pdf");
    EXPECT_TRUE(w.Dialogues.AAppele("shell: " + trouve + " | /programme"));
}

TEST(Complements, SeulsLesDocumentsVontAuBureau) {
    Consultation w;
    w.Choisit({0, 0, 1, 1});
    EXPECT_EQ(w.F->LblflashX.Caption, "fichier non ouvert : outil.sh : c'est un programme");
    EXPECT_EQ(w.F->LblflashX.ForeColor, CouleurRouge);
    for (const std::string &appel : w.Dialogues.Appels)
        EXPECT_EQ(appel.rfind("shell:", 0), std::string::npos) << appel;

    // Name and content must both be a document's, and the same kind of one.
    const std::string png("\x89PNG\r\n\x1A\n\0\0\0\x0DIHDR\0\0\0\x01\0\0\0\x01\x08\x02\0\0\0", 29);
    const std::pair<const char *, std::string> documents[] = {
        {"fiche.pdf", "%PDF-1.4\n1 0 obj\n<< >>\nendobj\n"},
        {"page.HTML",
         "<!DOCTYPE html>\n<html><head><title>Cèpe</title></head><body></body></html>\n"},
        {"notes.txt", "Chapeau brun, lames blanches.\n"},
        {"photo.png", png}};
    DossierTemporaire d;
    for (const auto &[nom, contenu] : documents)
        EXPECT_EQ(PourquoiPasUnDocument(d.Ecrit(nom, contenu)), std::nullopt) << nom;
    const std::tuple<const char *, std::string, const char *> refuses[] = {
        {"lanceur", "[Desktop Entry]\nType=Application\nExec=xterm\n", "programme"},
        {"lanceur.desktop", "[Desktop Entry]\nExec=xterm\n", "programme"},
        {"ancien.kdelnk", "# KDE Config File\n[KDE Desktop Entry]\nExec=xterm\n", ".kdelnk"},
        {"appli.flatpakref", "[Flatpak Ref]\nName=org.exemple.Appli\n", ".flatpakref"},
        {"outil.py", "print('bonjour')\n", ".py"},
        {"passwd", "root:x:0:0:root:/root:/bin/bash\n", "pas d'extension"},
        {"script.pdf", "#!/bin/sh\nrm -rf ~\n", "programme"},
        {"binaire.jpg",
         "\x7F"
         "ELF\x02\x01\x01",
         "programme"},
        {"image.pdf", png, "ne répond pas"},
        {"donnees.pdf", std::string("\0\x01\x02\x03\xFE\xFF\0\0", 8), "n'est pas un document"}};
    for (const auto &[nom, contenu, raison] : refuses) {
        const auto pourquoi = PourquoiPasUnDocument(d.Ecrit(nom, contenu));
        ASSERT_TRUE(pourquoi) << nom;
        EXPECT_NE(pourquoi->find(raison), std::string::npos) << nom << " : " << *pourquoi;
    }
    // By the execute permission; by the name of the file a link leads to.
    const std::string fiche = d.Chemin("fiche.pdf");
    fs::create_symlink(d.Chemin("outil.py"), d.Chemin("lien.pdf"));
    EXPECT_TRUE(PourquoiPasUnDocument(d.Chemin("lien.pdf")));
    fs::permissions(fiche, fs::perms::owner_exec, fs::perm_options::add);
    EXPECT_EQ(PourquoiPasUnDocument(fiche), "c'est un programme");
    EXPECT_EQ(PourquoiPasUnDocument(d.Chemin("doc")), "ce n'est pas un fichier ordinaire");
}

// A complement names a file of the key's folder, however it is written.
TEST(Complements, LaCibleEstDansLeDossierDeLaCle) {
    Consultation w;
    w.Dossier.Ecrit("doc.pdf", "%PDF-1.4\n");
    fs::create_directories(w.Dossier.Chemin("etc"));
    const std::pair<const char *, std::string> cas[] = {{"F\"\\doc.pdf\"", "doc.pdf"},
                                                        {"F\"/doc.pdf\"", "doc.pdf"},
                                                        {"F\"/etc/passwd\"", "etc/passwd"},
                                                        {"F\"C:\\doc.pdf\"", "./C:/doc.pdf"}};
    for (const auto &[complement, chemin] : cas) {
        int16_t resultat = 0;
        TraiteComplement(*w.F, 0, complement, resultat);
        EXPECT_EQ(w.F->CheminComplement, w.Dossier.Chemin(chemin)) << complement;
    }
    EXPECT_TRUE(w.Dialogues.AAppele("shell: " + w.Dossier.Chemin("doc.pdf") + " | /programme"));
    EXPECT_EQ(w.F->LblflashX.Caption, w.F->Msg(2) + "C:\\doc.pdf" + w.F->Msg(4));
}

TEST(Complements, SeulesLesPagesWebSontDesAdresses) {
    Consultation w;
    // Only web pages are opened as addresses.
    EXPECT_EQ(GenreDe("HTTPS://exemple.org"), GenreAdresse::Web);
    EXPECT_EQ(GenreDe("C:\\docs\\fiche.pdf"), GenreAdresse::Fichier);
    for (const char *refusee :
         {"file:///etc/passwd", "javascript:alert(1)", "ftp://x/y", "smb://x?http://y"})
        EXPECT_EQ(GenreDe(refusee), GenreAdresse::Refusee) << refusee;
    w.Dialogues.Journal.clear();
    int16_t resultat = 0;
    TraiteComplement(*w.F, 0, "F\"file:///etc/passwd\"", resultat);
    EXPECT_EQ(w.Dialogues.Journal.size(), 1u);
    EXPECT_EQ(resultat, 0);
    TraiteComplement(*w.F, 0, "   ", resultat);
    TraiteComplement(*w.F, 0, "S\"Section\"", resultat);
    EXPECT_EQ(w.Dialogues.Journal.size(), 1u);
}

} // namespace
} // namespace lamelix::test
