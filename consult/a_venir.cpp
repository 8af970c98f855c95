// Actions that belong to parts of the program still to come (the window layout).
// The consultation already calls them where they belong.

#include "consult/lamelix.hpp"

namespace lamelix {

void InitDimension(Lamelix &) {}
void Label1Def(Lamelix &) {}

} // namespace lamelix
