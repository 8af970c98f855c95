// The tools window's reports on small keys, each as kept in tests/data/rapports: a key file
// <cle>.cle loaded with "Charger", one button pressed, the report box compared with the file
// named after the key and the button. LAMELIX_REGENERE=1 writes the files instead, to review
// the change with git diff.

#include "tests/core/lance_outils.hpp"
#include "tests/core/outils_essai.hpp"

#include <gtest/gtest.h>

namespace lamelix::test {
namespace {

struct CasRapport {
    const char *cle;
    int bouton;
    const char *rapport;
};

void PrintTo(const CasRapport &c, std::ostream *os) {
    *os << c.cle << " " << c.rapport;
}

class Rapport : public testing::TestWithParam<CasRapport> {};

TEST_P(Rapport, CommeAttendu) {
    const CasRapport &c = GetParam();
    OutilsEssai o;
    o.Ouvre(Lis(LAMELIX_DONNEES "/rapports/" + std::string(c.cle) + ".cle"));
    const auto listes = [&] { return std::pair(o.Propositions(), o.Noms()); };
    const auto avant = listes();
    o.Bouton(c.bouton);
    EXPECT_EQ(o.Rapport(),
              Attendu(std::string("rapports/") + c.cle + "." + c.rapport + ".txt", o.Rapport()));
    // The reports read the key and leave the main window's consultation as it was.
    EXPECT_EQ(listes(), avant);
}

// The analysis: every section on a faulty key; one error counted in the singular, two in the
// plural; the sections that list lines without counting
// an error, and the scans of the raw text (blank lines, lower-case comments, the "$" of the
// trimmed line: three are the most a key line holds); three lines calling one entity make three
// pairs; a key numbered 10, 20, 30 has every line examined and no empty record reported; an
// entity numbered 4000 is reported like any other. The compiled key on one page, notes and
// secondary keys included; the notes and the complements.
INSTANTIATE_TEST_SUITE_P(Outils, Rapport,
                         testing::Values(CasRapport{"sans-faute", OutAnalyse, "analyse"},
                                         CasRapport{"fautive", OutAnalyse, "analyse"},
                                         CasRapport{"une-erreur", OutAnalyse, "analyse"},
                                         CasRapport{"deux-erreurs", OutAnalyse, "analyse"},
                                         CasRapport{"sections-sans-compte", OutAnalyse, "analyse"},
                                         CasRapport{"paires", OutAnalyse, "analyse"},
                                         CasRapport{"dix-vingt", OutAnalyse, "analyse"},
                                         CasRapport{"entite-4000", OutAnalyse, "analyse"},
                                         CasRapport{"secondaire", OutVoirCompil, "compil"},
                                         CasRapport{"complements", OutListeNotes, "notes"},
                                         CasRapport{"complements", OutListeComplements,
                                                    "complements"}),
                         [](const auto &cas) {
                             std::string nom = std::string(cas.param.cle) + "_" + cas.param.rapport;
                             for (char &c : nom)
                                 if (c == '-') c = '_';
                             return nom;
                         });

} // namespace
} // namespace lamelix::test
