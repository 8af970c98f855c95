// The printable key: the sample keys' pages as kept in tests/data, well-formed HTML, and the
// layouts on a small key.

#include "platform/utf8.hpp"
#include "tests/core/lance_outils.hpp"
#include "tests/core/outils_essai.hpp"
#include "tools/impression.hpp"

#include <gtest/gtest.h>

namespace lamelix::test {
namespace {

// Every layout of every sample key that loads, as kept; each HTML page read by xmllint.
TEST(Impression, EchantillonsCommeAttendusEtHtmlBienForme) {
    DossierTemporaire d;
    const std::pair<const char *, const char *> variantes[] = {
        {"", "crochets.html"},
        {"--style indente", "indente.html"},
        {"--format md", "crochets.md"},
        {"--style indente --format md", "indente.md"}};
    for (const std::string nom :
         {"defaut.cle", "bolets.cle", "defaut-utf8.txt", "plantes.txt", "erreurs.cle"}) {
        for (const auto &[options, suffixe] : variantes) {
            SCOPED_TRACE(nom + " " + suffixe);
            const Resultat r =
                Lance(d, std::string("imprime ") + options + " '" LAMELIX_CLES "/" + nom + "'");
            ASSERT_EQ(r.statut, 0) << r.erreurs;
            EXPECT_EQ(r.sortie, Lis(std::string(LAMELIX_DONNEES) + "/" + nom + "." + suffixe));
            if (std::string(suffixe).find("html") == std::string::npos) continue;
            const std::string page = d.Ecrit("page.html", r.sortie);
            EXPECT_EQ(std::system(
                          ("xmllint --html --noout '" + page + "' 2>'" + d.Chemin("xmllint") + "'")
                              .c_str()),
                      0);
            EXPECT_EQ(Lis(d.Chemin("xmllint")), "");
        }
    }
}

TEST(Impression, RenvoisNotesEchappementsEtClesSecondaires) {
    OutilsEssai o;
    o.Ouvre(
        "TITRE$Cl\xE9 <test> & co\n1, 2 $Lames *fines*\n1, 0, N $voir <b>\n1, CS1 $Tubes$Bolets\n"
        "2, 0 $a & b$Alba\n2, 0 $c$Rosea\nCS1, 0 $Bolets\n1, 0 $d$Boletus\n1, 0 $e$Suillus\n");
    const CleCompilee &cle = o.O.Cle();
    // Titles, notes and text escaped; references to couplets and secondary keys as links.
    const std::string html = CleImprimable(cle, StyleImpression::Crochets, FormatImpression::Html);
    EXPECT_EQ(html, Attendu("impression/renvois.crochets.html", html));
    const std::string md = CleImprimable(cle, StyleImpression::Indente, FormatImpression::Markdown);
    EXPECT_EQ(md, Attendu("impression/renvois.indente.md", md));
}

// Each control character U+0080 to U+009F of a key's text is one replacement character on the
// page, which stays valid UTF-8.
TEST(Impression, CaracteresDeControleRemplaces) {
    std::string texte, attendu;
    for (unsigned c = 0x80; c <= 0x9F; ++c) {
        texte += std::string("x\xC2") + static_cast<char>(c);
        attendu += "x\xEF\xBF\xBD";
    }
    OutilsEssai o;
    o.Ouvre("REM$UTF8$\n1, 0 $" + texte + "y$Alba\n1, 0 $b$Rosea\n");
    const std::string html =
        CleImprimable(o.O.Cle(), StyleImpression::Crochets, FormatImpression::Html);
    EXPECT_NE(html.find(attendu + "y"), std::string::npos);
    EXPECT_EQ(html.find("\xC2\x80"), std::string::npos);
    EXPECT_TRUE(EstUTF8(html));
}

// What would turn the text around or drive a terminal shows as U+FFFD in either format.
TEST(Impression, CommandesInvisiblesNeutralisees) {
    OutilsEssai o;
    o.Ouvre("rem$UTF8$\n1, 0 $a\xE2\x80\xAE"
            "b \xC2\x9B"
            "31m \xE2\x81\xA6"
            "c\xC2\x9D\x1B$Alba\n1, 0 $d$Rosea\n");
    for (const FormatImpression format : {FormatImpression::Html, FormatImpression::Markdown}) {
        const std::string page = CleImprimable(o.O.Cle(), StyleImpression::Crochets, format);
        EXPECT_NE(page.find("a\uFFFDb \uFFFD31m \uFFFDc\uFFFD\uFFFD"), std::string::npos) << page;
    }
}

// "Exporter > Imprimable": the page saved where the save dialog says, Markdown for ".md".
TEST(Impression, ExporteDepuisLaFenetreOutils) {
    OutilsEssai o;
    o.Ouvre("1, 0 $a$Alba\n1, 0 $b$Rosea\n");
    const CleCompilee &cle = o.O.Cle();
    for (const char *nom : {"cle.html", "cle.md"}) {
        o.Dialogues.Fichiers.push_back(o.Dossier.Chemin(nom));
        o.Gere([&] { ExporteImprimable(o.O); });
        const bool md = std::string(nom).ends_with(".md");
        EXPECT_EQ(Lis(o.Dossier.Chemin(nom)),
                  CleImprimable(cle, StyleImpression::Crochets,
                                md ? FormatImpression::Markdown : FormatImpression::Html));
    }
    EXPECT_EQ(o.Dialogues.Journal.end()[-2],
              "enregistrer: Page HTML (*.html)|*.html|Markdown (*.md)|*.md | essai.cle.html");
}

} // namespace
} // namespace lamelix::test
