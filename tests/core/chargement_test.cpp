// Loading a key into the window: a key that fails leaves a window that says so, a file that
// cannot be read whole leaves the consultation as it was, and a number beyond any range stops
// the compilation as an overflow does.

#include "key/chargement.hpp"
#include "platform/erreur.hpp"
#include "platform/fichiers.hpp"
#include "platform/nom_programme.hpp"
#include "tests/core/fenetre_essai.hpp"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace lamelix::test {
namespace {

constexpr std::string_view Bonne = "TITRE$Arbres\r\nCOM$Par les feuilles\r\n"
                                   "1, 2 $Feuilles$\r\n1, 0 $Aiguilles$Pinus\r\n"
                                   "2, 0 $Lobees$Quercus\r\n2, 0 $Dentees$Castanea\r\n";

TEST(Chargement, UneCleQuiEchoueLaisseUneFenetreQuiLeDit) {
    FenetreEssai w;
    Lamelix &f = *w.F;
    w.Charge(Bonne, "arbres.cle");
    Command4_Click(f, Cmd4Suiv);
    ASSERT_NE(f.Caption.Caption.find("Arbres"), std::string::npos);
    ASSERT_FALSE(f.Label1.Caption.empty());

    // An entity number without its called entity: a syntax error stops the compilation.
    const std::string fautive = w.Dossier.Ecrit("fautive.cle", "1, 2 $a$\r\n1, 0 $b$x\r\n"
                                                               "2 $c$y\r\n2, 0 $d$z\r\n");
    ChargeCle(f, fautive);
    EXPECT_EQ(f.Caption.Caption, NomProgrammeVersion());
    EXPECT_EQ(f.Label6.Caption, "");
    EXPECT_EQ(f.Text2.Text, "");
    EXPECT_EQ(f.Label1.Caption, "");
    EXPECT_EQ(f.Label3.Caption, "");
    EXPECT_EQ(f.StatusBar1.Caption, f.Msg(131) + fautive);
    EXPECT_EQ(w.Prog->Cle.FichierCle, fautive);
    EXPECT_EQ(f.List1.ListCount(), 0);
    EXPECT_EQ(f.List2.ListCount(), 0);
}

TEST(Chargement, UnFichierIlliblePourLaFenetreLaisseLaConsultation) {
    FenetreEssai w;
    Lamelix &f = *w.F;
    w.Charge(Bonne, "arbres.cle");
    w.Choisit(0);
    const std::string avant = w.Prog->Cle.FichierCle;
    const std::string tube = w.Dossier.Chemin("tube.cle");
    ASSERT_EQ(mkfifo(tube.c_str(), 0600), 0);
    const std::string grand = w.Dossier.Ecrit("grand.txt", "$FICHIER CLE$\n");
    std::filesystem::resize_file(grand, TailleMaxFichier + 10);

    w.Dialogues.Journal.clear();
    ChargeCle(f, tube);
    ChargeCle(f, grand);
    EXPECT_EQ(
        w.Dialogues.Journal,
        (Textes{"message: " + f.Msg(131) + tube + "\r\nce n'est pas un fichier ordinaire",
                "message: " + f.Msg(131) + grand + "\r\nfichier trop grand (plus de 64 Mio)"}));
    EXPECT_EQ(w.Prog->Cle.FichierCle, avant);
    EXPECT_EQ(f.Parcours.EntiteCourante, 2);
    EXPECT_EQ(FenetreEssai::Lignes(f.List1), (Textes{"Lobees", "Dentees"}));

    // The command line's loading refuses them as a run-time error, before anything is reset.
    EXPECT_THROW(ChargeFichierCle(tube, f.Compilation()), ErreurExecution);
    EXPECT_EQ(w.Prog->Cle.TabLignes(1).Description, "Feuilles");
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
