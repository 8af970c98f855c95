// The tools that rewrite or write a file for the author: "Sauver renum" and "remplacer au format
// UTF8" ask first and touch nothing on No, keep the original as a backup on Yes, and, with the
// printable export, say what was written where.

#include "tests/core/lance_outils.hpp"
#include "tests/core/outils_essai.hpp"
#include "tools/impression.hpp"

#include <filesystem>
#include <functional>
#include <gtest/gtest.h>

namespace lamelix::test {
namespace {

namespace fs = std::filesystem;

const char *const Cle = "1, 2 $Lames\r\n1, 0 $Tubes$Boletus\r\n2, 0 $Blanc$Alba\r\n"
                        "2, 0 $Pr\xE9$Rosea\r\n";

TEST(OutilsEcritures, QuestionPuisSauvegardeEtCompteRendu) {
    struct Cas {
        const char *nom;
        std::function<void(OutilsEssai &)> reecrit;
        std::function<std::string(OutilsEssai &)> notice;
        // What the notice says once written, the backup's path given.
        std::function<std::string(OutilsEssai &, const std::string &)> attendue;
    };
    const Cas cas[] = {
        {"renum",
         [](OutilsEssai &o) {
             o.O.Text1[0].SetText("10");
             o.Bouton(OutTestNumerotation);
             o.Bouton(OutSauverRenum);
         },
         [](OutilsEssai &o) { return o.Dialogues.Journal.back(); },
         [](OutilsEssai &o, const std::string &bak) {
             return "message: " + o.Prog->Textes[249] + "\n" + o.Fichier + "\n" +
                    o.Prog->Textes[250] + "\n" + bak;
         }},
        {"utf8", [](OutilsEssai &o) { o.Gere([&] { o.F->Annexes.MnSOut_Click(5); }); },
         [](OutilsEssai &o) { return o.F->LblflashX.Caption; },
         [](OutilsEssai &o, const std::string &bak) {
             return o.Prog->Textes[183] + o.Fichier + " ; " + o.Prog->Textes[250] + " " + bak;
         }},
    };
    for (const Cas &c : cas) {
        for (const int reponse : {ReponseNon, ReponseOui}) {
            OutilsEssai o;
            o.Ouvre(Cle);
            const std::string bak = o.Dossier.Chemin("essai.cle.BAK");
            fs::permissions(o.Fichier, fs::perms::owner_read | fs::perms::owner_write);
            o.Dialogues.Reponses.push_back(reponse);
            c.reecrit(o);
            const bool oui = reponse == ReponseOui;
            EXPECT_EQ(Lis(o.Fichier) == Cle, !oui) << c.nom;
            EXPECT_EQ(fs::exists(bak), oui) << c.nom;
            if (!oui) continue;
            EXPECT_EQ(Lis(bak), Cle) << c.nom;
            // The key and its backup stay as private as the key was.
            EXPECT_EQ(ModeFichier(o.Fichier), 0600u) << c.nom;
            EXPECT_EQ(ModeFichier(bak), 0600u) << c.nom;
            EXPECT_EQ(c.notice(o), c.attendue(o, bak)) << c.nom;
        }
    }
}

TEST(OutilsEcritures, ImprimableDitOu) {
    OutilsEssai o;
    o.Ouvre(Cle);
    const std::string page = o.Dossier.Chemin("cle.html");
    o.Dialogues.Fichiers.push_back(page);
    o.Gere([&] { ExporteImprimable(o.O); });
    ASSERT_TRUE(fs::exists(page));
    EXPECT_EQ(o.Dialogues.Journal.back(), "message: " + o.Prog->Textes[252] + "\n" + page);
}

} // namespace
} // namespace lamelix::test
