#include "cli/cle_chargee.hpp"

#include "app/application.hpp"
#include "cli/console.hpp"
#include "platform/fichiers.hpp"
#include "platform/piege.hpp"

#include <memory>

namespace lamelix {

bool ChargeCleOuDit(Outils &o, const std::string &chemin, std::ostream &erreurs) {
    const std::string extension = ExtensionMaj3(NomFichier(chemin));
    if (extension != "CLE" && extension != "TXT" && FichierExiste(chemin)) {
        erreurs << "lamelix-outils: " << Echappe(chemin)
                << " : pas une clé (le nom d'une clé finit par .cle ou .txt)\n";
        return false;
    }
    return ChargeFichierOutils(o, chemin);
}

int SurCleChargee(const std::string &chemin, bool oui, std::ostream &erreurs,
                  const std::function<void(Outils &)> &action) {
    ServicesConsole dialogues(erreurs, oui);
    auto app = std::make_unique<Application>(dialogues);
    Outils &o = app->Outil();
    int statut = 1;
    const auto erreur = ExecuteGestionnaire([&] {
        MontreOutils(o);
        if (!ChargeCleOuDit(o, chemin, erreurs)) return;
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
