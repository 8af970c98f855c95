// The error trap: a run-time error ends the step it happens in and nothing else; any other
// fault ends the handler, never the program; what was done before the fault stays.

#include "app/application.hpp"
#include "platform/erreur.hpp"
#include "platform/piege.hpp"
#include "tests/core/banc_cle.hpp"

#include <gtest/gtest.h>
#include <stdexcept>

namespace lamelix::test {
namespace {

TEST(Piege, UneErreurDExecutionArreteLEtapeEtGardeCeQuiEstFait) {
    int fait = 0;
    const auto erreur = SousPiege([&] {
        ++fait;
        throw ErreurExecution("indice hors de la table");
    });
    EXPECT_EQ(erreur, "indice hors de la table");
    EXPECT_EQ(fait, 1);
    EXPECT_EQ(SousPiege([&] { ++fait; }), std::nullopt);

    // A fault that is no run-time error of the program goes on to the handler's boundary...
    EXPECT_THROW(SousPiege([] { throw std::runtime_error("service"); }), std::runtime_error);
    // ...which ends the handler with it, whatever was thrown.
    EXPECT_EQ(ExecuteGestionnaire([] { throw std::runtime_error("service"); }), "service");
    EXPECT_EQ(ExecuteGestionnaire([] { throw 42; }), "");
    EXPECT_EQ(ExecuteGestionnaire([] { throw ErreurExecution("débordement"); }), "débordement");
    EXPECT_EQ(ExecuteGestionnaire([] {}), std::nullopt);
}

// The beep of "LM1" fails as a machine without sound would make it fail.
class ServicesSansSon : public ServicesFactices {
  public:
    void Bip() override { throw std::runtime_error("pas de haut-parleur"); }
};

TEST(Piege, UnServiceQuiEchoueArreteLeGestionnaireEtLaConsultationContinue) {
    ServicesSansSon services;
    Application app(services);
    Lamelix &f = app.Principale();
    DossierTemporaire dossier;
    const std::string chemin = dossier.Ecrit("k.cle", "1,2$Chapeau rouge\n"
                                                      "1,0$Chapeau brun$Boletus edulis\n"
                                                      "2,0$Pied blanc$Amanita muscaria\n"
                                                      "2,0$Pied jaune$Amanita junquillea\n");
    ASSERT_EQ(ExecuteGestionnaire([&] { ChargeCle(f, chemin); }), std::nullopt);
    const auto choisit = [&f](int position) {
        return ExecuteGestionnaire([&f, position] {
            f.List1.Selectionne(position);
            List1_DblClick(f);
        });
    };
    ASSERT_EQ(choisit(0), std::nullopt);
    ASSERT_EQ(choisit(0), std::nullopt);

    EXPECT_EQ(ExecuteGestionnaire([&] { Command4_Click(f, Cmd4LM1); }), "pas de haut-parleur");
    EXPECT_EQ(f.Parcours.LM1,
              "Amanita muscaria\r\nChapeau rouge\r\nPied blanc\r\n"); // done before the beep

    ASSERT_EQ(ExecuteGestionnaire([&] { bouton_Click(f, 1); }), std::nullopt);
    EXPECT_EQ(choisit(1), std::nullopt);
    EXPECT_EQ(f.Text2.Text, "Boletus edulis");
}

} // namespace
} // namespace lamelix::test
