// Loading a key into the window: a key that fails leaves a window that says so, a file that
// cannot be read whole leaves the consultation as it was, and a number beyond any range stops
// the compilation as an overflow does.

#include "key/chargement.hpp"
#include "platform/erreur.hpp"
#include "platform/fichiers.hpp"
#include "platform/nom_programme.hpp"
#include "tests/core/releve.hpp"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace lamelix::test {
namespace {

constexpr std::string_view Bonne = "TITRE$Arbres\r\nCOM$Par les feuilles\r\n"
                                   "1, 2 $Feuilles$\r\n1, 0 $Aiguilles$Pinus\r\n"
                                   "2, 0 $Lobees$Quercus\r\n2, 0 $Dentees$Castanea\r\n";

// A key that fails (an entity number without its called entity: a syntax error stops the
// compilation) leaves a window that says so, nothing of the key before shown; a file that cannot
// be read whole (a named pipe, a file too large) leaves the consultation as it was.
TEST(Chargement, UneCleQuiEchoueOuUnFichierIllisible) {
    FenetreEssai w;
    Lamelix &f = *w.F;
    Releve r(w);
    r("bonne cle, Feuilles", [&] {
        w.Charge(Bonne, "arbres.cle");
        w.Choisit(0);
    });
    const std::string tube = w.Dossier.Chemin("tube.cle");
    ASSERT_EQ(mkfifo(tube.c_str(), 0600), 0);
    const std::string grand = w.Dossier.Ecrit("grand.txt", "$FICHIER CLE$\n");
    std::filesystem::resize_file(grand, TailleMaxFichier + 10);
    r("un tube, un fichier trop grand", [&] {
        ChargeCle(f, tube);
        ChargeCle(f, grand);
    });
    // The command line's loading refuses them as a run-time error, before anything is reset.
    EXPECT_THROW(ChargeFichierCle(tube, f.Compilation()), ErreurExecution);
    EXPECT_EQ(w.Prog->Cle.TabLignes(1).Description, "Feuilles");
    r("cle fautive", [&] {
        ChargeCle(f, w.Dossier.Ecrit("fautive.cle", "1, 2 $a$\r\n1, 0 $b$x\r\n"
                                                    "2 $c$y\r\n2, 0 $d$z\r\n"));
    });
    EXPECT_EQ(r.Texte(), r.Attendu("chargement"));
}

TEST(Chargement, UnNombreHorsDePorteeEstUnDepassement) {
    Banc banc;
    banc.Compile("1, 2 $a$\r\n1, 1e309 $b$\r\n2, 0 $c$x\r\n2, 0 $d$y\r\n");
    EXPECT_EQ(banc.Echec, 1);
    ASSERT_EQ(banc.Dialogues.Journal.size(), 1u);
    EXPECT_EQ(banc.Dialogues.Journal[0].rfind("message:  erreur 100/ligne2", 0), 0u)
        << banc.Dialogues.Journal[0];
}

} // namespace
} // namespace lamelix::test
