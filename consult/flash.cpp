// The transient message panel: a short notice that the skin shows for a moment.

#include "consult/lamelix.hpp"

namespace lamelix {

void flash(Lamelix &f, const std::string &texte, uint32_t couleur) {
    f.LblflashX.SetForeColor(couleur);
    f.LblflashX.SetCaption(texte);
    f.FraFlash.SetVisible(true);
}

void Flash_ouvre(Lamelix &f, const std::string &texte) {
    flash(f, texte, CouleurNoir);
}

void Flash_ferme(Lamelix &f) {
    f.FraFlash.SetVisible(false);
}

} // namespace lamelix
