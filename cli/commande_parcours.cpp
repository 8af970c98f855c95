#include "cli/commande_parcours.hpp"

#include "app/gestes_parcours.hpp"
#include "cli/console.hpp"
#include "cli/lecture_arguments.hpp"
#include "platform/piege.hpp"

#include <memory>
#include <utility>

namespace lamelix {

int CommandeParcours(const Appel &appel, std::ostream &sortie, std::ostream &erreurs) {
    const std::string &chemin = appel.fichier;
    std::vector<Action> actions;
    for (const std::string &a : appel.suite) {
        const auto action = LitAction(a);
        if (!action) return ErreurUsage("parcours", "action inconnue : " + a, erreurs);
        actions.push_back(*action);
    }

    ServicesConsole dialogues(erreurs, appel.oui);
    auto app = std::make_unique<Application>(dialogues);
    Lamelix &f = app->Principale();
    NommeCle(f, chemin);
    // Each action runs as a handler of the window does: a fault ends that action, is reported
    // on the error stream, and the consultation goes on from the state it left.
    const auto gestionnaire = [&erreurs](const std::function<void()> &action) {
        if (auto erreur = ExecuteGestionnaire(action)) {
            erreurs << "interruption: " << Echappe(*erreur) << '\n';
            return false;
        }
        return true;
    };
    // The window's start-up on this key, without the settings file, the language file and the
    // dialogs: what is printed must depend on the key alone, not on the folder it runs in.
    const bool charge = gestionnaire([&] {
        PrepareFenetre(f);
        OuvreCleDeDepart(f);
    });
    // A refused file and a stopped compilation leave the window without a key (no proposition,
    // entity 0); a txt file without the marker and an empty file leave nothing to offer either.
    const int statut = charge && f.List1.ListCount() > 0 ? 0 : 1;
    sortie << EtatParcours(*app, "chargement", false);
    for (const Action &a : actions) {
        gestionnaire([&] { ExecuteAction(*app, a); });
        sortie << EtatParcours(*app, a.texte, a.geste == Geste::Compare);
    }
    return statut;
}

} // namespace lamelix
