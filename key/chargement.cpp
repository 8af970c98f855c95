#include "key/chargement.hpp"

#include "platform/erreur.hpp"
#include "platform/fichiers.hpp"

namespace lamelix {

IssueChargement ChargeFichierCle(const std::string &chemin, EnvironnementCompilation env,
                                 VuesChoix vues, const std::function<void()> &apresTest) {
    if (const auto pourquoi = PourquoiIllisible(chemin))
        throw ErreurExecution(*pourquoi + " : " + chemin);
    bool marque = false;
    try {
        marque = TesteMarqueurTxt(chemin, env.Boites, env.Textes);
    } catch (const ErreurExecution &) {
        if (apresTest) apresTest(); // the loading notice closes on a failed test too
        throw;
    }
    if (apresTest) apresTest();
    if (!marque) return IssueChargement::MarqueurAbsent;
    RazCle(env.Cle);
    int16_t echec = 0;
    switch (LitCle(chemin, echec, env, vues)) {
    case IssueLecture::Rejete:
        return IssueChargement::Rejete;
    case IssueLecture::Illisible:
        return IssueChargement::Illisible;
    case IssueLecture::Compile:
        break;
    }
    return echec == 1 ? IssueChargement::Arrete : IssueChargement::Compile;
}

} // namespace lamelix
