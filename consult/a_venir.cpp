// Actions that belong to parts of the program still to come (complements, the window layout).
// The consultation already calls them where they belong.

#include "consult/lamelix.hpp"

namespace lamelix {

void TraiteComplement(Lamelix &, int16_t, const std::string &, int16_t &resultat) {
    resultat = 0;
}
void InitDimension(Lamelix &) {}
void Label1Def(Lamelix &) {}

} // namespace lamelix
