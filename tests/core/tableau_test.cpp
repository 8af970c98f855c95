// The key as a three-column table: the reader of any bytes, the key file it gives, and the
// sample keys exported, imported and walked again.

#include "key/requetes_cle.hpp"
#include "platform/texte.hpp"
#include "tests/core/lance_outils.hpp"
#include "tests/core/outils_essai.hpp"
#include "tools/cellule_tableau.hpp"
#include "tools/echange_tableau.hpp"

#include <gtest/gtest.h>
#include <set>

namespace lamelix::test {
namespace {

using Champs = std::vector<std::string>;

TEST(LitTableau, GuillemetsSautsDeLigneEtFinsDeLigne) {
    const ResultatTableau r =
        LitTableau("\xEF\xBB\xBF"
                   "de,texte,vers\r\n1,\"a, \"\"b\"\"\r\nc\",2\n\n2,,\"\"\r\n3,x,y");
    ASSERT_TRUE(r.Erreurs.empty());
    ASSERT_EQ(r.Rangees.size(), 4u);
    EXPECT_EQ(r.Rangees[0].Champs, (Champs{"de", "texte", "vers"}));
    EXPECT_EQ(r.Rangees[1].Champs, (Champs{"1", "a, \"b\"\nc", "2"}));
    EXPECT_EQ(r.Rangees[1].Ligne, 2);
    // The quoted line break counts: the blank line is line 4, the next record line 5.
    EXPECT_EQ(r.Rangees[2].Champs, (Champs{"2", "", ""}));
    EXPECT_EQ(r.Rangees[2].Ligne, 5);
    EXPECT_EQ(r.Rangees[3].Champs, (Champs{"3", "x", "y"}));
}

TEST(LitTableau, RangeesFautivesSignaleesEtLectureContinuee) {
    const ResultatTableau r = LitTableau("1,a\"b,2\n2,\"x\"y,3\n3,ok,4\n4,\"jamais\nfermé,5\n");
    ASSERT_EQ(r.Erreurs.size(), 3u);
    EXPECT_EQ(r.Erreurs[0].Ligne, 1);
    EXPECT_EQ(r.Erreurs[1].Ligne, 2);
    EXPECT_EQ(r.Erreurs[2].Ligne, 4);
    EXPECT_NE(r.Erreurs[2].Message.find("jamais refermé"), std::string::npos);
    ASSERT_EQ(r.Rangees.size(), 1u);
    EXPECT_EQ(r.Rangees[0].Champs, (Champs{"3", "ok", "4"}));
}

TEST(CleDuTableau, RangeesQuiNeFontPasUneCle) {
    const CleImportee c = CleDuTableau("de,texte,vers\n1,a,2\n1,b\nx,c,d\n2,e,2\n2,f$g,h\n"
                                       "2,i,9\n2,j,\"k\nl\"\n2,\"\xC3\",m\n");
    std::vector<long> lignes;
    for (const ErreurTableau &e : c.Erreurs)
        lignes.push_back(e.Ligne);
    EXPECT_EQ(lignes, (std::vector<long>{3, 4, 5, 6, 8, 10, 7}));
    EXPECT_TRUE(c.Octets.empty());
    EXPECT_FALSE(CleDuTableau("de,texte,vers\r\n").Erreurs.empty());
}

// Only words make a header: a first row whose couplet is malformed is a faulty row of the key,
// reported at line 1, never dropped as a header.
TEST(CleDuTableau, PremiereRangeeEnTeteOuFautive) {
    const std::string suite = "\n1,b,2\n2,c,C\n2,d,D\n";
    const std::pair<std::string, bool> cas[] = {
        {"de,proposition,vers", true},
        {"Couplet, Texte de la proposition ,Destination", true},
        {"1.,a,A", false},
        {"-1,a,A", false},
        {"9999999,a,A", false},
        {"\xEF\xBB\xBF\xEF\xBB\xBF"
         "1,a,A",
         false},
    };
    for (const auto &[premiere, entete] : cas) {
        const CleImportee c = CleDuTableau(premiere + suite);
        EXPECT_EQ(c.Erreurs.empty(), entete) << premiere;
        if (!entete) {
            EXPECT_EQ(c.Erreurs.at(0).Ligne, 1) << premiere;
        }
    }
}

// A large table that is no key: fifty errors are shown, those the reader met first.
TEST(CleDuTableau, ErreursBornees) {
    std::string tableau;
    for (int k = 0; k < 200000; ++k)
        tableau += "x\"y,1,2\n0,a,b\n";
    const CleImportee c = CleDuTableau(tableau);
    ASSERT_EQ(c.Erreurs.size(), 50u);
    EXPECT_EQ(c.Erreurs.front().Ligne, 1);
    EXPECT_EQ(c.Erreurs.back().Ligne, 99);
    EXPECT_TRUE(c.Octets.empty());
}

// Couplets numbered in the order they first appear, each couplet's lines together, notes as
// continuation lines; Windows-1252 when it holds every character, else UTF-8 behind its marker.
TEST(CleDuTableau, NumerotationEtCodage) {
    CleImportee c = CleDuTableau("7,\"Chapeau €\nnote\",3\n3,x,Alba\n7,y,Rosea\n3,z,0\n");
    ASSERT_TRUE(c.Erreurs.empty());
    EXPECT_FALSE(c.Utf8);
    EXPECT_EQ(c.Octets, "1, 2 $Chapeau \x80\r\n1, 0, N $note\r\n1, 0 $y$Rosea\r\n"
                        "2, 0 $x$Alba\r\n2, 0 $z$\r\n");
    c = CleDuTableau("1,Ω,A\n1,b,B\n");
    EXPECT_TRUE(c.Utf8);
    EXPECT_EQ(c.Octets, "rem$UTF8$\r\n1, 0 $Ω$A\r\n1, 0 $b$B\r\n");
}

// A proposition and a taxon holding double quotes: each quote doubled in a quoted field, and
// the table gives back the same key.
TEST(CleDuTableau, GuillemetsAllerRetour) {
    OutilsEssai original;
    original.Ouvre("1, 2 $Chapeau \"rond\"\n1, 0 $Tubes$Boletus \"edulis\"\n2, 0 $a$Alba\n"
                   "2, 0 $b$Rosea\n");
    const std::string tableau = TableauDeLaCle(original.O.Cle());
    for (const char *champ : {"\"Chapeau \"\"rond\"\"\"", "\"Boletus \"\"edulis\"\"\""})
        EXPECT_NE(tableau.find(champ), std::string::npos) << champ;
    const CleImportee importee = CleDuTableau(tableau);
    ASSERT_TRUE(importee.Erreurs.empty());
    OutilsEssai relue;
    relue.Ouvre(importee.Octets);
    EXPECT_EQ(TableauDeLaCle(relue.O.Cle()), tableau);
}

// A cell shows no command to a terminal and no formula to a spreadsheet, and reads back exactly.
TEST(CelluleTableau, NeutraliseeEtRelueALIdentique) {
    const std::pair<std::string, std::string> cas[] = {
        {"Chapeau rouge", "Chapeau rouge"},
        {"=HYPERLINK(\"x\")", "'=HYPERLINK(\"x\")"},
        {"+1", "'+1"},
        {"-", "'-"},
        {"@SOMME", "'@SOMME"},
        {"\tx", "'\tx"},
        {"'=1", "''=1"},      // its own quote before a sign: one more
        {"'texte", "'texte"}, // its own quote before anything else: as it is
        {"a=b", "a=b"},
        {"bip\a \x1b[31m \b", "bip\\x07 \\x1b[31m \\x08"},
        {"C1 \xC2\x9B \xC2\x85 é", "C1 \\x9b \\x85 é"},
        {"note\nsuite\r", "note\nsuite\r"},
        {"C:\\x1b \\\\xy \\t", "C:\\x5cx1b \\\\x5cxy \\t"},
    };
    for (const auto &[texte, ecrit] : cas) {
        EXPECT_EQ(CelluleEcrite(texte), ecrit) << texte;
        EXPECT_EQ(CelluleLue(ecrit), texte) << ecrit;
    }
    // As a spreadsheet saves what it showed as text; a hand-written backslash stays.
    EXPECT_EQ(CelluleLue("'=1+1"), "=1+1");
    EXPECT_EQ(CelluleLue("dossier\\xz\\x41"), "dossier\\xz\\x41");

    // Through the key: the table, then the key file it gives.
    const CleImportee c =
        CleDuTableau("de,proposition,vers\r\n1," + ChampTableau("-Pied \x1b[2J, lisse") + "," +
                     ChampTableau("=Amanita") + "\r\n1,b,Russula\r\n");
    ASSERT_TRUE(c.Erreurs.empty());
    EXPECT_EQ(c.Octets, "1, 0 $-Pied \x1b[2J, lisse$=Amanita\r\n1, 0 $b$Russula\r\n");
}

// The species a walk from the first entity can end on.
std::set<std::string> EspecesAtteintes(const CleCompilee &cle) {
    std::set<std::string> especes;
    std::vector<bool> vue(MaxEntites + 1, false);
    std::vector<long> pile{cle.TabLignes(1).E};
    while (!pile.empty()) {
        const long e = pile.back();
        pile.pop_back();
        if (e < 1 || e > MaxEntites || vue[e]) continue;
        vue[e] = true;
        for (long i = 1; i <= NombreLignesCle(cle); ++i) {
            const LigneCle &l = cle.TabLignes(i);
            if (l.E != e || EstNote(cle, i)) continue;
            if (l.S > 0)
                pile.push_back(l.S);
            else if (!SansBlancs(l.NomEspece).empty())
                especes.insert(SansBlancs(l.NomEspece));
        }
    }
    return especes;
}

TEST(TableauDesEchantillons, ExportAttenduImportEtMemesEspeces) {
    for (const std::string nom : {"defaut.cle", "bolets.cle", "defaut-utf8.txt", "plantes.txt"}) {
        SCOPED_TRACE(nom);
        OutilsEssai original;
        original.Ouvre(Lis(std::string(LAMELIX_CLES) + "/" + nom), nom);
        const Resultat exporte = Lance(
            original.Dossier, "exporte-tableau '" + std::string(LAMELIX_CLES) + "/" + nom + "'");
        ASSERT_EQ(exporte.statut, 0) << exporte.erreurs;
        EXPECT_EQ(exporte.sortie, Lis(std::string(LAMELIX_DONNEES) + "/" + nom + ".csv"));

        const std::string csv = original.Dossier.Ecrit("t.csv", exporte.sortie);
        const std::string cle = original.Dossier.Chemin("importee.cle");
        const Resultat importe =
            Lance(original.Dossier, "importe-tableau '" + csv + "' -o '" + cle + "'");
        ASSERT_EQ(importe.statut, 0) << importe.erreurs;
        OutilsEssai relue;
        relue.Ouvre(Lis(cle));
        for (const std::string &dialogue : relue.Dialogues.Journal)
            EXPECT_EQ(dialogue.rfind("ouvrir:", 0), 0u) << dialogue; // no message, no question
        EXPECT_EQ(EspecesAtteintes(relue.O.Cle()), EspecesAtteintes(original.O.Cle()));
        EXPECT_GT(EspecesAtteintes(relue.O.Cle()).size(), 3u);
    }
}

TEST(TableauDesEchantillons, RangeeFautiveCodeUnEtRienNEstEcrit) {
    DossierTemporaire d;
    // A line feed in the table's name cannot start a line of its own.
    const std::string csv = d.Ecrit("t\n.csv", "de,texte,vers\n");
    const Resultat r = Lance(d, "importe-tableau '" + csv + "' -o '" + d.Chemin("k.cle") + "'");
    EXPECT_EQ(r.statut, 1);
    EXPECT_EQ(r.erreurs,
              d.Chemin("t\\n.csv") + ":1: erreur: le tableau ne contient aucune proposition\n");
    EXPECT_FALSE(std::filesystem::exists(d.Chemin("k.cle")));
}

} // namespace
} // namespace lamelix::test
