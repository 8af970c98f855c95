// The key compiler: what each pass leaves in the tables, and the dialogs it shows, with their
// exact texts and order, for warnings and for every kind of stop.

#include "key/requetes_cle.hpp"
#include "platform/erreur.hpp"
#include "tests/core/banc_cle.hpp"
#include "tests/core/lance_outils.hpp"

#include <gtest/gtest.h>
#include <vector>

namespace lamelix::test {
namespace {

std::string Repete(std::string_view ligne, int fois) {
    std::string s;
    for (int k = 0; k < fois; ++k)
        s += ligne;
    return s;
}

TEST(Compilateur, ClesSecondairesRenumeroteesEtAppelsResolus) {
    Banc b;
    b.Compile("TITRE$Bolets\n"
              "1, 2 $Lames\n"
              "1, CS3 $Tubes\n"
              "2, 0 $Blanc$Alba\n"
              "2, -2 $Rose\n" // a negative S calls secondary key 2 as well
              "CS2, 1 $Russules\n"
              "1, 2 $Doux\n"
              "1, 0 $Acre$Emetica\n"
              "2, 0 $Vert$Virescens\n"
              "cs 3 , 0 $Bolets\n"
              "1, 0 $Cepe$Edulis");
    ASSERT_EQ(b.Echec, 0);
    EXPECT_TRUE(b.Dialogues.Journal.empty());
    // Headers get -n and keep their own S; the entities of CS2 follow 2, those of CS3 follow 4.
    EXPECT_EQ(b.Tables(), Attendu("tables/cles-secondaires.txt", b.Tables()));
    EXPECT_EQ(b.Cle->IndexEntite(6), 1); // borne by no line
}

// Two notes in a run continue line 2; entity 5 is never called; entity 4 has two runs of lines.
constexpr const char *CleANotes = "1, 2 $a\n"
                                  "1, 3 $b\n"
                                  "1, 4, N $b1\n" // continues line 2; its S calls nobody
                                  "2, 0, n $b2\n" // continues line 3; not the entry of entity 2
                                  "2, 0 $c$X\n"
                                  "2, 0, Z $d$Y\n" // any other mark is kept as written
                                  "3, 4 , z $e\n"  // and makes the line no caller
                                  "3, 0 $f$W\n"
                                  "4, 0 $g$V\n"
                                  "5, 0 $h$U\n" // never called
                                  "6, 0 $i$T\n"
                                  "4, 6 $j\n"; // the only caller of 6 is the last line

TEST(Compilateur, ContinuationsPredecesseursEtOrphelines) {
    Banc b;
    b.Compile(CleANotes);
    ASSERT_EQ(b.Echec, 0);
    // Line 10 alone is an orphan: 4 is called, if by non-callers.
    EXPECT_EQ(b.Tables(), Attendu("tables/continuations.txt", b.Tables()));
}

TEST(Compilateur, RequetesDeLaCle) {
    Banc b;
    b.Compile(CleANotes);
    ASSERT_EQ(b.Echec, 0);
    const CleCompilee &cle = *b.Cle;
    // Only the last note of the run keeps its mark; EstNote sees both.
    const bool marque[] = {0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0};
    const bool note[] = {0, 0, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0};
    const bool terminale[] = {0, 0, 0, 1, 1, 1, 0, 1, 1, 1, 1, 0};
    for (int i = 1; i <= 12; ++i) {
        EXPECT_EQ(PorteMarqueNote(b.L(i)), marque[i - 1]) << "ligne " << i;
        EXPECT_EQ(EstNote(cle, i), note[i - 1]) << "ligne " << i;
        EXPECT_EQ(EstTerminale(b.L(i)), terminale[i - 1]) << "ligne " << i;
    }
    // The run from the index stops at another entity or at fin; an index below the first line
    // of e, or one leading elsewhere, gives no line.
    struct Cas {
        int16_t e;
        long fin, premiere, nombre;
        bool definie;
    };
    for (const Cas c : {Cas{1, 12, 1, 3, true}, Cas{1, 2, 1, 2, true}, Cas{2, 12, 5, 2, true},
                        Cas{2, 4, 5, 0, true}, Cas{4, 12, 9, 1, true}, Cas{6, 12, 11, 1, true},
                        Cas{7, 12, 1, 0, false}, Cas{0, 12, 1, 0, false}}) {
        const LignesEntite l = LignesDeLEntite(cle, c.e, c.fin);
        EXPECT_TRUE(l.Premiere == c.premiere && l.Nombre == c.nombre) << "entité " << c.e;
        EXPECT_EQ(EntiteDefinie(cle, c.e), c.definie) << "entité " << c.e;
    }
    EXPECT_THROW(EstNote(cle, MaxLignesCle + 1), ErreurExecution);
    EXPECT_THROW(EntiteDefinie(cle, MaxEntites + 1), ErreurExecution);
    EXPECT_EQ(NombreLignesCle(cle), 12);
    EXPECT_EQ(DerniereLigneCle(cle), 12);
    b.Cle->NbLignesM1 = MaxLignesCle; // a stop on the line past the table's end
    EXPECT_EQ(NombreLignesCle(cle), MaxLignesCle + 1);
    EXPECT_EQ(DerniereLigneCle(cle), MaxLignesCle);
}

TEST(Compilateur, ChampsDeTexteEtTitresDeSection) {
    struct Cas {
        const char *reste, *description, *nom, *complements, *section;
    };
    const Cas cas[] = {
        {" Pied bulbeux $ Amanita phalloides", " Pied bulbeux ", " Amanita phalloides", "", ""},
        {"a$b$S\"Russules\"", "a", "b", "S\"Russules\"", "Russules"},
        {"a$b$ s \"Rus\"sules\" $ rien", "a", "b", " s \"Rus\"sules\" ", "Russules "},
        {"a$$Voir\"fiche.html\"", "a", "", "Voir\"fiche.html\"", ""},
        {"a$$F\"bolets.cle\"$x$y", "a", "", "F\"bolets.cle\"", ""},
        {"", "", "", "", ""},
    };
    for (const Cas &c : cas) {
        Banc b;
        b.Compile(std::string("1, 0 $") + c.reste);
        ASSERT_EQ(b.Echec, 0) << c.reste;
        EXPECT_EQ(b.L(1).Description, c.description) << c.reste;
        EXPECT_EQ(b.L(1).NomEspece, c.nom) << c.reste;
        EXPECT_EQ(b.L(1).Complements, c.complements) << c.reste;
        EXPECT_EQ(b.Cle->TitreSection(1), c.section) << c.reste;
    }
}

TEST(Compilateur, DirectivesEtLignesPhysiques) {
    Banc b;
    b.Compile("titre $ Cl\xE9 des bolets\n"
              " com $Premi\xE8re\r\n"
              "COM$Seconde\n"
              "CODAGETXT$UTF8\n"
              "DIRECTIVE$ rien\n"
              "REM$ remarque\n"
              "ligne libre sans dollar\n"
              "1, 0 $Pi\red$Esp\xE8\rce\r\n"
              "\n");
    ASSERT_EQ(b.Echec, 0);
    // The last title and comment count; carriage returns go wherever they stand.
    EXPECT_EQ(b.Tables(), Attendu("tables/directives.txt", b.Tables()));

    // A key without directives leaves none of the previous key's.
    b.Compile("1, 0 $a");
    EXPECT_EQ(b.Cle->TitreCle + b.Cle->TitreFenetre + b.Cle->CommentaireCle + b.Cle->CodageTxt, "");
}

TEST(Compilateur, LangueDesTextes) {
    const std::pair<const char *, const char *> cas[] = {
        {"REM$LANGUE$Anglais\n", "Anglais"},
        {"rem $ LANGUE $  Anglais  \n", "Anglais"},
        {"REM$langue$Anglais\n", "Détection automatique"}, // the word is compared with case
        {"REM$LANGUE$Klingon\n", "Détection automatique"},
        {"REM$LANGUE$Anglais\nREM$LANGUE$Klingon\n", "Anglais"}, // no match: no change
        {"", "Détection automatique"},
    };
    for (const auto &[directives, langue] : cas) {
        Banc b;
        b.Lgs.Selectionne(3); // left by the previous key
        b.Compile(std::string(directives) + "1, 0 $a");
        EXPECT_EQ(b.Lgs.TexteSelectionne(), langue) << directives;
    }
}

TEST(Compilateur, PassageEnUTF8) {
    Banc b;
    b.Compile("1, 2 $C\xC3\xA8pe\nREM$ x\nx\ny\nrem$UTF8$\n2, 0 $C\xC3\xA8pe$B\n2, 0 $C\xE8pe$B\n");
    ASSERT_EQ(b.Echec, 0);
    EXPECT_EQ(b.L(1).Description, "CÃ¨pe"); // before the directive, bytes are ANSI characters
    EXPECT_EQ(b.L(2).Description, "Cèpe");
    EXPECT_EQ(b.L(3).Description, "Cèpe"); // a stray ANSI line stays as read

    Banc bom;
    bom.Compile("\xEF\xBB\xBFrem$UTF8$ TITRE$x\n1, 0 $l\xE2\x80\x99s");
    ASSERT_EQ(bom.Echec, 0);
    EXPECT_EQ(bom.Cle->TitreCle, ""); // what follows rem$ on that line has no effect
    EXPECT_EQ(bom.L(1).Description, "l\u2019s");
    EXPECT_EQ(bom.L(1).LigneTexte, 2);

    Banc majuscules; // "rem$" after the byte order mark is compared with case
    majuscules.Compile("\xEF\xBB\xBFREM$UTF8$\n1, 0 $a\n");
    EXPECT_EQ(majuscules.Echec, 1);
}

TEST(Compilateur, LigneMarqueurNonCompileeMaisComptee) {
    Banc b;
    b.Compile(" \"$FICHIER CLE$\" , x\r\n1, 0 $a\n");
    ASSERT_EQ(b.Echec, 0);
    EXPECT_EQ(b.Cle->NbLignesM1, 0);
    EXPECT_EQ(b.Cle->NbLignesTexte, 2);
    EXPECT_EQ(b.L(1).LigneTexte, 2);
    Banc deuxieme; // only the first line can be the marker
    deuxieme.Compile("1, 0 $a\n$FICHIER CLE$\n");
    EXPECT_EQ(deuxieme.Echec, 1);
}

TEST(Compilateur, AvertissementsDansLOrdreDesPasses) {
    Banc b;
    b.Compile("1, 2 $a\x13z$\n" // character 19: seen when the text fields are cut
              "1, zz $c\n"      // S not numeric: seen with the secondary-key calls
              "2, 9 $d\n"       // beyond the main key: seen at the header
              "2, 0 $e$Sp\n"
              "CS1, 0 $h\n"
              "1, 1 $f\n" // E = S: seen first, with the numbering fields
              "1, 0 $g$Sp2\n");
    ASSERT_EQ(b.Echec, 0);
    const std::vector<std::string> attendu = {
        "question:  erreur clé (E=S)ligne 6 Continuer l'analyse ?   -> oui",
        "message: erreur dest. dans CS 0, ligne 3",
        "message: erreur 20/CSX/1 ligne 2:c",
        "message: Attention ; ne pas utiliser le caractère \x13 dans  ligne a\x13z / 1",
    };
    EXPECT_EQ(b.Dialogues.Journal, attendu);
    EXPECT_EQ(b.L(1).Description, "a\x13z");
    EXPECT_EQ(b.L(2).S, 3); // the faulty S calls the last secondary key named: CS1, entity 3
    EXPECT_EQ(b.L(6).S, 3); // answered Yes: the line keeps S = E
    EXPECT_EQ(b.L(3).S, 9);
}

TEST(Compilateur, SNonNumeriqueSansCleSecondaireEtSansQuestion) {
    Banc b;
    // Neither 1, 1 , N (S is "1 ") nor 0, 0 (not positive) asks the E = S question.
    b.Compile("1, abc $Pores$Boletus\n1, $ texte\n1, 1 , N $x\n0, 0 $y\n");
    ASSERT_EQ(b.Echec, 0);
    const std::vector<std::string> attendu = {"message: erreur 20/CSX/0 ligne 1:Pores$Boletus",
                                              "message: erreur 20/CSX/0 ligne 2: texte"};
    EXPECT_EQ(b.Dialogues.Journal, attendu);
    EXPECT_EQ(b.L(1).S, 0);
    EXPECT_EQ(b.L(2).S, 0);
}

TEST(Compilateur, LimitesAtteintesSansDepassement) {
    Banc lignes;
    lignes.Compile("TITRE$t\n" + Repete("1, 0 $a\n", 4000));
    EXPECT_EQ(lignes.Echec, 0);
    EXPECT_EQ(lignes.Cle->NbLignesM1, 3999);
    EXPECT_EQ(lignes.L(4000).LigneTexte, 4001);

    Banc entetes;
    entetes.Compile(Repete("CS1, 0 $h\n", 800) + "1, 4000 $a\n4000, 0 $b$c\n");
    EXPECT_EQ(entetes.Echec, 0);
    EXPECT_EQ(entetes.Cle->IndexEntite(4000), 802);
}

// Every stop: the dialogs shown, in order, and the failure flag set.
struct CasArret {
    const char *nom;
    std::string octets;
    std::vector<std::string> journal;
    int reponse = ReponseOui;
};

std::string Erreur100(int ligne, int idlg) {
    return "message:  erreur 100/ligne" + std::to_string(ligne) + "//maxcle4000, Tcs800, Idlg " +
           std::to_string(idlg);
}

const std::string Enregistre = "(enregistré dans le presse papier)";

void PrintTo(const CasArret &c, std::ostream *os) {
    *os << c.nom;
}

class Arret : public testing::TestWithParam<CasArret> {};

TEST_P(Arret, MessagesEtEchec) {
    const CasArret &c = GetParam();
    Banc b;
    b.Dialogues.Reponses.push_back(c.reponse);
    b.Compile(c.octets);
    EXPECT_EQ(b.Echec, 1);
    EXPECT_EQ(b.Dialogues.Journal, c.journal);
}

INSTANTIATE_TEST_SUITE_P(
    Compilateur, Arret,
    testing::Values(
        CasArret{"syntaxe",
                 "TITRE$T\n1, 2 $a\x13\n12 $ texte $nom\n2, 2 $b\n",
                 {"message:  syntaxe incorrecte ligne 3\r\nchercher : \\ texte $nom \\ et  \\12 "
                  "\\  \r\n" +
                      Enregistre,
                  "presse-papier: \\  texte $nom \\  et  \\ 12 \\ "}},
        CasArret{"aucune_ligne_de_cle",
                 "TITRE$T\nCOM$rien\n",
                 {"message:  syntaxe incorrecte ligne 0\r\nchercher : \\ \\ et  \\ \\  \r\n" +
                      Enregistre,
                  "presse-papier: \\  \\  et  \\  \\ "}},
        CasArret{"erreur96_e_vide",
                 "1, 2 $a\n, 5 $texte\n",
                 {"message: erreur 96/cf ligne  2:texte\r\n" + Enregistre,
                  "presse-papier: ligne 2:texte"}},
        CasArret{"erreur96_e_non_numerique",
                 "REM$x\n1, 2 $a\nx3, 0 $abc$Esp\n",
                 {"message: erreur 96/cf ligne  3:abc$Esp\r\n" + Enregistre,
                  "presse-papier: ligne 3:abc$Esp"}},
        CasArret{"question_refusee",
                 "1, 1 $a\n1, 0 $b\x13\n2 $c\n",
                 {"question:  erreur clé (E=S)ligne 1 Continuer l'analyse ?   -> non"},
                 ReponseNon},
        CasArret{"complement_sans_guillemet",
                 "1, 2 $a\nTITRE$t\n2, 0 $b$c$Fbolets.cle\n",
                 {Erreur100(3, 2)}},
        CasArret{"entite_au_dela_de_4000", "1, 4001 $a\n4001, 0 $b$c\n", {Erreur100(2, 2)}},
        CasArret{"entite_renumerotee_au_dela_de_4000",
                 "1, 3999 $a\n3999, 0 $b$c\nCS1, 0 $h\n1, 2 $d\n2, 0 $e$f\n",
                 {Erreur100(5, 5)}},
        CasArret{"depassement_16_bits", "1, 40000 $a\n", {Erreur100(1, 1)}},
        CasArret{"e_et_s_meme_texte_non_numerique", "TITRE$t\nx, x $a\n", {Erreur100(2, 1)}},
        CasArret{
            "ligne_de_cle_4001", "TITRE$t\n" + Repete("1, 0 $a\n", 4001), {Erreur100(4002, 4001)}},
        CasArret{"entete_801", Repete("CS1, 0 $h\n", 801), {Erreur100(801, 801)}},
        CasArret{
            "ligne_physique_32768", "1, 0 $a\n" + std::string(32767, '\n'), {Erreur100(1, 1)}}),
    [](const auto &cas) { return std::string(cas.param.nom); });

TEST(Compilateur, FichierIllisibleEstUneErreur100) {
    Banc b;
    Precompile("/inexistant/cle.cle", b.Echec, b.Env());
    EXPECT_EQ(b.Echec, 1);
    EXPECT_EQ(b.Dialogues.Journal, std::vector<std::string>{Erreur100(0, 0)});
}

} // namespace
} // namespace lamelix::test
