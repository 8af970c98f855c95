// Actions that belong to parts of the program still to come (complements, shell, keyword
// search, translation, layout, the tools window and the key conversions). The consultation already
// calls them where they belong.

#include "consult/lamelix.hpp"

namespace lamelix {

void TraiteComplement(Lamelix &, int16_t &, std::string &, int16_t &resultat) {
    resultat = 0;
}
void Xshell(Lamelix &, std::string &) {}
void MoCle_Click(Lamelix &, int) {}
void traduirebtn_Click(Lamelix &, int) {}
void InitDimension(Lamelix &) {}
void Label1Def(Lamelix &) {}
void MotCle_Click(Lamelix &) {}
void MnSOut_Click(Lamelix &, int) {}
void MontreOutils(Lamelix &) {}

} // namespace lamelix
