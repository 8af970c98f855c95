#include "search/traduction_automatique.hpp"

namespace lamelix {

AvantGestionnaire EtatAvantGestionnaire(const Traduction &t) {
    return {t.Principale.Text1.Version, t.Traductions};
}

bool TraduitAutomatiquement(const Traduction &t, const AvantGestionnaire &avant) {
    const Lamelix &f = t.Principale;
    return f.Text1.Version != avant.VersionChemin && t.Traductions == avant.Traductions &&
           f.Check4.Value == 1 && f.Frame14.Visible;
}

} // namespace lamelix
