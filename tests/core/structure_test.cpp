// The checks of the key's graph: one small key per fault, and where they show.

#include "tests/core/lance_outils.hpp"
#include "tests/core/outils_essai.hpp"
#include "tools/structure.hpp"

#include <gtest/gtest.h>
#include <tuple>

namespace lamelix::test {
namespace {

struct Attendu {
    GenreConstat genre;
    long ligne;
    std::string detail;
    bool operator==(const Attendu &) const = default;
};

std::vector<Attendu> Constats(std::string_view cle) {
    OutilsEssai o;
    o.Ouvre(cle);
    std::vector<Attendu> vus;
    for (const ConstatStructure &c : VerifieStructure(o.O.Cle()))
        vus.push_back({c.Genre, c.Ligne, c.Detail});
    return vus;
}

using G = GenreConstat;

TEST(Structure, UneFauteParCle) {
    const std::pair<const char *, std::vector<Attendu>> cas[] = {
        // Sound: notes are not propositions, a backward jump without a way back is no cycle.
        {"1, 3 $a\n1, 0 $b$B\n1, 0, N $note\n2, 0 $c$C\n2, 0 $d$D\n3, 2 $e\n3, 0 $f$F\n", {}},
        {"1, 2 $a\n1, 0 $b$B\n2, 0 $c$C\n2, 0 $d$D\n3, 0 $e$E\n3, 0 $f$F\n",
         {{G::EntiteInaccessible, 5, ""}}},
        {"1, 2 $a\n1, 0 $b$B\n2, 3 $c\n2, 0 $d$D\n3, 1 $e\n3, 0 $f$F\n",
         {{G::Cycle, 5, "1 → 2 → 3 → 1"}}},
        {"1, 2 $a\n1, 0 $b$B\n2, 0 $c$C\n", {{G::PropositionUnique, 3, ""}}},
        {"1, 2 $a\n1, 0 $b$Alba\n2, 0 $c$ Alba \n2, 0 $d$D\n",
         {{G::EspeceRepetee, 3, "Alba : déjà à la ligne 2"}}},
        {"1, 2 $a\n1, 9 $b\n2, 0 $c$C\n2, 0 $d$D\n", {{G::EntiteAbsente, 2, "entité 9"}}},
        // A secondary key nobody calls is reported once, not entity by entity.
        {"1, 0 $a$A\n1, 0 $b$B\nCS1, 0 $Clé\n1, 0 $c$C\n1, 0 $d$D\n",
         {{G::CleNonAppelee, 3, "CS1"}}},
        // Shapes keys have on purpose: more than two propositions, an entity reached twice.
        {"1, 0 $a$A\n1, 0 $b$B\n1, 0 $c$C\n", {{G::Polytomie, 1, "3 propositions"}}},
        {"1, 2 $a\n1, 2 $b\n2, 0 $c$C\n2, 0 $d$D\n",
         {{G::Reticulation, 2, "entité 2 : déjà appelée à la ligne 1"}}},
    };
    for (const auto &[cle, attendus] : cas)
        EXPECT_EQ(Constats(cle), attendus) << cle;
}

// A long cycle is shown cut in the middle; a cycle in a part the walk never reaches is found.
TEST(Structure, CyclesLongsEtCyclesHorsDAtteinte) {
    std::string cle = "1, 0 $a$A\n1, 0 $b$B\n";
    for (int e = 2; e <= 30; ++e)
        cle += std::to_string(e) + ", " + std::to_string(e == 30 ? 2 : e + 1) + " $x\n" +
               std::to_string(e) + ", 0 $y$Y" + std::to_string(e) + "\n";
    const auto vus = Constats(cle);
    ASSERT_EQ(vus.size(), 30u); // entities 2 to 30, then the cycle
    EXPECT_EQ(vus[0], (Attendu{G::EntiteInaccessible, 3, ""}));
    EXPECT_EQ(vus[29], (Attendu{G::Cycle, 59,
                                "2 → 3 → 4 → 5 → 6 → 7 → … → 25 → 26 → 27 → 28 → 29 → 30 → 2"}));
}

// Each kind named as KeyBase names it, beside the program's own name, in the report and in
// verifie; the shapes a key has on purpose are information.
TEST(Structure, NommeesCommeKeyBase) {
    const std::tuple<G, const char *, bool> termes[] = {
        {G::EntiteInaccessible, "orphan", false},   {G::Cycle, "loop", false},
        {G::PropositionUnique, "singleton", false}, {G::EspeceRepetee, "", true},
        {G::EntiteAbsente, "dead end", false},      {G::CleNonAppelee, "", false},
        {G::Polytomie, "polytomy", true},           {G::Reticulation, "reticulation", true}};
    for (const auto &[genre, terme, information] : termes) {
        EXPECT_STREQ(TermeKeyBase(genre), terme);
        EXPECT_EQ(EstInformation(genre), information) << terme;
    }
    EXPECT_EQ(TermeKeyBaseEntre(G::Cycle, "KeyBase: %1"), " [KeyBase: loop]");
    EXPECT_EQ(TermeKeyBaseEntre(G::CleNonAppelee, "KeyBase: %1"), "");

    const std::string cle = "1, 2 $a\n1, 0 $b$Alba\n2, 1 $c\n2, 0 $d$Alba\n";
    OutilsEssai o;
    o.Ouvre(cle);
    o.Bouton(OutAnalyse);
    EXPECT_NE(o.Rapport().find(Crlf({" |----------------- >    Vérifications supplémentaires de la "
                                     "structure",
                                     "  * cycle : la consultation reviendrait à une entité déjà "
                                     "vue [KeyBase : loop] :",
                                     "@ligne 3 / 3 \\(2,1)\\c \\ 1 → 2 → 1"})),
              std::string::npos)
        << o.Rapport();

    // Warnings and information leave verifie's status as it was: no error, 0.
    const Resultat r = Lance(o.Dossier, "verifie '" + o.Fichier + "'");
    EXPECT_EQ(r.statut, 0) << r.sortie;
    for (const std::string attendu :
         {":3: avertissement: cycle [KeyBase : loop] (2,1) 1 → 2 → 1 : cycle",
          ":4: information: espèce répétée (2,0) Alba : déjà à la ligne 2"})
        EXPECT_NE(r.sortie.find(o.Fichier + attendu), std::string::npos) << r.sortie;
}

} // namespace
} // namespace lamelix::test
