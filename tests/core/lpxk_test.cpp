// The key as an LPXK document: every sample key written and read again is the same key, and the
// documents of other programs (and hostile ones) are read as the tests' own fixtures say.

#include "key/requetes_cle.hpp"
#include "platform/texte.hpp"
#include "tests/core/lance_outils.hpp"
#include "tests/core/outils_essai.hpp"
#include "tools/echange_lpxk.hpp"

#include <gtest/gtest.h>

namespace lamelix::test {
namespace {

// What a consultation reads of a compiled key line: XML carries no control character, and the
// texts travel without their surrounding blanks.
std::string Texte(const std::string &t) {
    std::string propre = SansBlancs(t);
    for (char &c : propre)
        if (static_cast<unsigned char>(c) < 0x20) c = ' ';
    return propre;
}

std::vector<std::string> Lignes(const CleCompilee &cle) {
    std::vector<std::string> lignes{cle.TitreCle, cle.CommentaireCle};
    for (long i = 1; i <= NombreLignesCle(cle); ++i) {
        const LigneCle &l = cle.TabLignes(i);
        lignes.push_back(std::to_string(l.E) + "," + std::to_string(l.S) + "," + l.Suite + "|" +
                         Texte(l.Description) + "|" + Texte(l.NomEspece) + "|" +
                         Texte(l.Complements) + "|" + cle.TitreSection(i));
    }
    return lignes;
}

TEST(LpxkDesEchantillons, ExporteEtReimporteLaMemeCle) {
    for (const std::string nom :
         {"defaut.cle", "bolets.cle", "defaut-utf8.txt", "plantes.txt", "erreurs.cle"}) {
        SCOPED_TRACE(nom);
        const std::string source = std::string(LAMELIX_CLES) + "/" + nom;
        OutilsEssai original;
        original.Ouvre(Lis(source), nom);
        const Resultat exporte =
            Lance(original.Dossier, "exporte-tableau --format lpxk '" + source + "'");
        ASSERT_EQ(exporte.statut, 0) << exporte.erreurs;

        ASSERT_TRUE(EstLpxk(exporte.sortie));
        const CleImportee importee = CleDuLpxk(exporte.sortie);
        ASSERT_TRUE(importee.Erreurs.empty()) << importee.Erreurs[0].Message;
        OutilsEssai relue;
        relue.Ouvre(importee.Octets);
        EXPECT_EQ(Lignes(relue.O.Cle()), Lignes(original.O.Cle()));
        EXPECT_EQ(LpxkDeLaCle(relue.O.Cle()), exporte.sortie);
    }
}

TEST(CleDuLpxk, DocumentsDesFixtures) {
    struct Cas {
        const char *document;
        const char *cle; // the key file expected, nullptr when refused
        std::vector<std::string> erreurs;
    };
    const Cas cas[] = {
        // Another program's key: first step first, notes from line breaks, a missing step kept
        // as a dead end, character references and CDATA read as text.
        {"etapes.lpxk", "etapes.cle", {}},
        // No entity expanded, no outside file read.
        {"entites.lpxk", "entites.cle", {}},
        {"fautes.lpxk",
         nullptr,
         {"7 : deux étapes portent l'identifiant « s1 »",
          "5 : « $ » sépare les champs d'une ligne de clé : il ne peut pas figurer dans le texte"}},
    };
    for (const Cas &c : cas) {
        SCOPED_TRACE(c.document);
        const std::string octets = Lis(std::string(LAMELIX_DONNEES) + "/lpxk/" + c.document);
        ASSERT_TRUE(EstLpxk(octets));
        const CleImportee importee = CleDuLpxk(octets);
        std::vector<std::string> erreurs;
        for (const ErreurTableau &e : importee.Erreurs)
            erreurs.push_back(std::to_string(e.Ligne) + " : " + e.Message);
        EXPECT_EQ(erreurs, c.erreurs);
        EXPECT_EQ(importee.Octets,
                  c.cle ? Lis(std::string(LAMELIX_DONNEES) + "/lpxk/" + c.cle) : "");
    }
}

TEST(CleDuLpxk, CeQuiNEstPasUneCle) {
    const std::pair<std::string, std::string> cas[] = {
        {"<PhoenixKey><Steps>", "XML mal formé"},
        {"<?xml version=\"1.0\"?><Cle/>", "l'élément racine est Cle, pas PhoenixKey"},
        {"<PhoenixKey/>", "le document n'a pas d'élément Steps"},
        {"<PhoenixKey><Steps/></PhoenixKey>", "le document n'a aucune étape"},
        {std::string(100, '<'), "XML mal formé"},
    };
    for (const auto &[document, debut] : cas) {
        const CleImportee c = CleDuLpxk(document);
        ASSERT_EQ(c.Erreurs.size(), 1u) << document;
        EXPECT_EQ(c.Erreurs[0].Message.rfind(debut, 0), 0u) << c.Erreurs[0].Message;
        EXPECT_TRUE(c.Octets.empty());
    }
    // Nesting deeper than any key is refused by the parser itself.
    std::string profond = "<PhoenixKey>";
    for (int k = 0; k < 300; ++k)
        profond += "<a>";
    for (int k = 0; k < 300; ++k)
        profond += "</a>";
    const CleImportee p = CleDuLpxk(profond + "</PhoenixKey>");
    ASSERT_EQ(p.Erreurs.size(), 1u);
    EXPECT_EQ(p.Erreurs[0].Message.rfind("XML mal formé", 0), 0u) << p.Erreurs[0].Message;
    EXPECT_FALSE(EstLpxk("de,proposition,vers\r\n1,a,<PhoenixKey>\r\n"));
}

} // namespace
} // namespace lamelix::test
