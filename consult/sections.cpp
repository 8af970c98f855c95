#include "consult/lamelix.hpp"

namespace lamelix {

void AfficheSect(Lamelix &) {}
void ChargeSection(Lamelix &) {}
void check_Option_Click(Lamelix &, int) {}

} // namespace lamelix
