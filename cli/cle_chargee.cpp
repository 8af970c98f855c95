#include "cli/cle_chargee.hpp"

#include "app/application.hpp"
#include "cli/console.hpp"
#include "platform/piege.hpp"

#include <memory>

namespace lamelix {

int SurCleChargee(const std::string &chemin, bool oui, std::ostream &erreurs,
                  const std::function<void(Outils &)> &action) {
    ServicesConsole dialogues(erreurs, oui);
    auto app = std::make_unique<Application>(dialogues);
    Outils &o = app->Outil();
    int statut = 1;
    const auto erreur = ExecuteGestionnaire([&] {
        MontreOutils(o);
        if (!ChargeFichierOutils(o, chemin)) return;
        action(o);
        statut = 0;
    });
    if (erreur) {
        erreurs << "interruption: " << Echappe(*erreur) << '\n';
        return 1;
    }
    return statut;
}

} // namespace lamelix
