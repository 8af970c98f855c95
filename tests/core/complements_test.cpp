// The complements of key lines as the user meets them: documents, web pages and chained keys,
// missing files reported or searched for by hand, and what a key must never get to open.

#include "platform/fichiers.hpp"
#include "platform/surete.hpp"
#include "tests/core/releve.hpp"

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

// What each complement does once its proposition is chosen (a single click only looks at the
// line: nothing opens, nothing loads): a document opens, its name's case and its "\\" folder
// separator as the disk has them, the species staying reached; a chained key replaces the key and
// joins the opened keys once, however it is reached again; a keyword hit that chains a key gives
// the new key's propositions, nothing of the old hits taken for its lines; a web page opens only
// with a connection, never asking for a file; a missing file is a notice that stops the
// selection, or a question (No keeps the species reached, Yes locates the file that then opens).
TEST(Complements, CeQueChaqueComplementOuvre) {
    Consultation w;
    Lamelix &f = *w.F;
    Releve r(w);
    r("Tubes, un document", [&] { w.Choisit(1); });
    r("<== puis Lames", [&] {
        w.Retour();
        w.Choisit(0);
    });
    for (int ligne : {0, 1})
        r("clic sur " + f.List1.Items[static_cast<std::size_t>(ligne)].Texte, [&] {
            f.List1.Selectionne(ligne);
            List1_Click(f);
        });
    r("Sans anneau, une cle enchainee", [&] { w.Choisit(1); });
    r("cle d'origine rouverte", [&] { OuvreFichier(f, w.Dossier.Chemin("essai.cle")); });
    r("Lames, Sans anneau", [&] { w.Choisit({0, 1}); });
    r("double clic sur la premiere cle ouverte", [&] {
        f.List3.Selectionne(0);
        List3_DblClick(f);
    });

    Consultation c;
    r.Suit(c);
    RechercheMotCle &m = c.App->MotsCles();
    r("recherche de Sans anneau", [&] {
        MotCle_Click(m);
        m.Textcle[0].SetText("Sans anneau");
        MoCle_Click(m, 0);
        c.F->List1.Selectionne(0);
        List1_Click(*c.F);
    });
    r("le resultat choisi", [&] { c.Choisit(0); });
    r("Douce", [&] { c.Choisit(1); });

    Consultation g;
    r.Suit(g);
    g.Dialogues.Connecte = false;
    r("page web sans connexion", [&] { g.Choisit({0, 0, 0}); });
    g.Dialogues.Connecte = true;
    r("page web avec connexion", [&] {
        RAZ_Choix(*g.F);
        g.Choisit({0, 0, 0});
    });
    r("fichier absent, message d'alerte", [&] {
        RAZ_Choix(*g.F);
        g.Choisit({0, 0, 1, 0});
    });
    r("fichier absent, recherche manuelle refusee", [&] {
        FicExtr_Click(*g.F, 2);
        RAZ_Choix(*g.F);
        g.Dialogues.Reponses = {ReponseNon};
        g.Choisit({0, 0, 1, 0});
    });
    r("fichier absent, trouve ailleurs", [&] {
        RAZ_Choix(*g.F);
        g.Dialogues.Fichiers = {g.Dossier.Ecrit("ailleurs.pdf", "%PDF-1.4\n")};
        g.Choisit({0, 0, 1, 0});
    });
    EXPECT_EQ(g.F->CibleComplement, "ailleurs.pdf");
    EXPECT_EQ(r.Texte(), r.Attendu("complements"));
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
