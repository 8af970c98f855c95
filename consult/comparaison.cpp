#include "consult/lamelix.hpp"

namespace lamelix {

void copie_LM1(Lamelix &) {}
void copie_LM2(Lamelix &) {}
void compare_Hist(Lamelix &) {}
void CopieListe(Lamelix &) {}
void Check_Compare_Click(Lamelix &) {}

} // namespace lamelix
