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

std::string Erreur100(int ligne, int idlg) {
    return "message:  erreur 100/ligne" + std::to_string(ligne) + "//maxcle4000, Tcs800, Idlg " +
           std::to_string(idlg);
}

// Keys compiled each on a new bench whose source language a previous key left on the fourth
// entry, the first question answered as given: the dialogs in their order and exact texts, the
// failure flag, and the tables when the compilation went through, kept whole in
// tests/data/tables/compilations.txt.
struct Compilation {
    const char *nom;
    std::string octets;
    int reponse = ReponseOui;
    const char *avant = nullptr; // a key compiled first on the same bench
};

const Compilation Compilations[] = {
    // Headers get -n and keep their own S; the entities of CS2 follow 2, those of CS3 follow 4;
    // a negative S calls secondary key 2 as well; entity 6 is borne by no line.
    {"cles_secondaires", "TITRE$Bolets\n1, 2 $Lames\n1, CS3 $Tubes\n2, 0 $Blanc$Alba\n"
                         "2, -2 $Rose\nCS2, 1 $Russules\n1, 2 $Doux\n1, 0 $Acre$Emetica\n"
                         "2, 0 $Vert$Virescens\ncs 3 , 0 $Bolets\n1, 0 $Cepe$Edulis"},
    // Line 10 alone is an orphan: 4 is called, if by non-callers.
    {"continuations", CleANotes},
    // The last title and comment count; carriage returns go wherever they stand.
    {"directives", "titre $ Cl\xE9 des bolets\n com $Premi\xE8re\r\nCOM$Seconde\n"
                   "CODAGETXT$UTF8\nDIRECTIVE$ rien\nREM$ remarque\nligne libre sans dollar\n"
                   "1, 0 $Pi\red$Esp\xE8\rce\r\n\n"},
    {"sans_directives_apres_une_cle_qui_en_a", "1, 0 $a", ReponseOui,
     "TITRE$t\nCOM$c\nCODAGETXT$UTF8\nREM$LANGUE$Anglais\n1, 0 $a"},
    // The fields cut at "$", the section title of a complement, a quote inside it.
    {"champs_blancs_gardes", "1, 0 $ Pied bulbeux $ Amanita phalloides"},
    {"section", "1, 0 $a$b$S\"Russules\""},
    {"section_guillemet_interieur", "1, 0 $a$b$ s \"Rus\"sules\" $ rien"},
    {"complement_sans_section", "1, 0 $a$$Voir\"fiche.html\""},
    {"champs_en_trop", "1, 0 $a$$F\"bolets.cle\"$x$y"},
    {"ligne_vide_apres_les_virgules", "1, 0 $"},
    // The language of the texts; the word is compared with case; no match changes nothing.
    {"langue", "REM$LANGUE$Anglais\n1, 0 $a"},
    {"langue_blancs", "rem $ LANGUE $  Anglais  \n1, 0 $a"},
    {"langue_minuscules", "REM$langue$Anglais\n1, 0 $a"},
    {"langue_inconnue", "REM$LANGUE$Klingon\n1, 0 $a"},
    {"langue_puis_inconnue", "REM$LANGUE$Anglais\nREM$LANGUE$Klingon\n1, 0 $a"},
    // Before the directive, bytes are ANSI characters; a stray ANSI line stays as read.
    {"passage_en_utf8",
     "1, 2 $C\xC3\xA8pe\nREM$ x\nx\ny\nrem$UTF8$\n2, 0 $C\xC3\xA8pe$B\n2, 0 $C\xE8pe$B\n"},
    // After the byte order mark, what follows rem$ on its line has no effect; "rem$" is
    // compared with case.
    {"utf8_marque", "\xEF\xBB\xBFrem$UTF8$ TITRE$x\n1, 0 $l\xE2\x80\x99s"},
    {"utf8_marque_majuscules", "\xEF\xBB\xBFREM$UTF8$\n1, 0 $a\n"},
    // Only the first line can be the marker, not compiled but counted.
    {"marqueur", " \"$FICHIER CLE$\" , x\r\n1, 0 $a\n"},
    {"marqueur_en_deuxieme_ligne", "1, 0 $a\n$FICHIER CLE$\n"},
    // Warnings in the order of the passes: E = S with the numbering fields, S beyond the main
    // key at the header, S not numeric with the secondary-key calls (the last one named is
    // called), character 19 when the text fields are cut.
    {"avertissements", "1, 2 $a\x13z$\n1, zz $c\n2, 9 $d\n2, 0 $e$Sp\nCS1, 0 $h\n1, 1 $f\n"
                       "1, 0 $g$Sp2\n"},
    // Neither 1, 1 , N (S is "1 ") nor 0, 0 (not positive) asks the E = S question.
    {"s_non_numerique_sans_cle_secondaire",
     "1, abc $Pores$Boletus\n1, $ texte\n1, 1 , N $x\n0, 0 $y\n"},
    // Every stop.
    {"syntaxe", "TITRE$T\n1, 2 $a\x13\n12 $ texte $nom\n2, 2 $b\n"},
    {"aucune_ligne_de_cle", "TITRE$T\nCOM$rien\n"},
    {"erreur96_e_vide", "1, 2 $a\n, 5 $texte\n"},
    {"erreur96_e_non_numerique", "REM$x\n1, 2 $a\nx3, 0 $abc$Esp\n"},
    {"question_refusee", "1, 1 $a\n1, 0 $b\x13\n2 $c\n", ReponseNon},
    {"complement_sans_guillemet", "1, 2 $a\nTITRE$t\n2, 0 $b$c$Fbolets.cle\n"},
    {"entite_au_dela_de_4000", "1, 4001 $a\n4001, 0 $b$c\n"},
    {"entite_renumerotee_au_dela_de_4000",
     "1, 3999 $a\n3999, 0 $b$c\nCS1, 0 $h\n1, 2 $d\n2, 0 $e$f\n"},
    {"depassement_16_bits", "1, 40000 $a\n"},
    {"e_et_s_meme_texte_non_numerique", "TITRE$t\nx, x $a\n"},
    {"ligne_de_cle_4001", "TITRE$t\n" + Repete("1, 0 $a\n", 4001)},
    {"entete_801", Repete("CS1, 0 $h\n", 801)},
    {"ligne_physique_32768", "1, 0 $a\n" + std::string(32767, '\n')},
};

TEST(Compilateur, DialoguesEtTablesDeChaqueCle) {
    std::string texte;
    for (const Compilation &c : Compilations) {
        Banc b;
        if (c.avant) b.Compile(c.avant);
        b.Lgs.Selectionne(3);
        b.Dialogues.Journal.clear();
        b.Dialogues.Reponses.push_back(c.reponse);
        b.Compile(c.octets);
        texte += "== " + std::string(c.nom) + " : echec " + std::to_string(b.Echec) + "\n";
        for (const std::string &ligne : b.Dialogues.Journal)
            texte += ligne + "\n";
        if (b.Echec == 0) texte += b.Tables();
    }
    EXPECT_EQ(texte, Attendu("tables/compilations.txt", texte));
}

TEST(Compilateur, FichierIllisibleEstUneErreur100) {
    Banc b;
    Precompile("/inexistant/cle.cle", b.Echec, b.Env());
    EXPECT_EQ(b.Echec, 1);
    EXPECT_EQ(b.Dialogues.Journal, std::vector<std::string>{Erreur100(0, 0)});
}

} // namespace
} // namespace lamelix::test
