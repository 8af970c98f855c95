#include "tools/outils.hpp"

namespace lamelix {

Outils::Outils(Lamelix &principale) : Principale(principale) {
    Moi.Visible = false;
}

void FermeOutils(Outils &o) {
    o.Moi.SetVisible(false);
}

void RelieOutils(Lamelix &f, Outils &o) {
    CrochetsFenetres &c = f.Crochets;
    c.FermeOutils = [&o] { FermeOutils(o); };
    c.OutilsVisible = [&o] { return o.Moi.Visible; };
}

} // namespace lamelix
