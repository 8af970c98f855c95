#include "search/traduction.hpp"

namespace lamelix {

Traduction::Traduction(Lamelix &principale) : Principale(principale) {
    Option4[0].Caption = "Descriptions";
    Option4[1].Caption = "Historique";
    Option4[0].Value = true;
    traduirebtn[0].Caption = "&Traduire";
    traduirebtn[1].Caption = "Copier";
    traduirebtn[2].Caption = "Fermer";
}

} // namespace lamelix
