#include "consult/lamelix.hpp"

namespace lamelix {

void CherchSuiv(Lamelix &) {}
void Command4_Click(Lamelix &, int) {}
void Mnusuiv_Click(Lamelix &) {}

} // namespace lamelix
