#include "consult/lamelix.hpp"

namespace lamelix {

void MAJ_List3(Lamelix &, std::string &) {}
void List3_DblClick(Lamelix &) {}
void List3_MouseDown(Lamelix &, int, int) {}
void List3_KeyDown(Lamelix &) {}
void List3_KeyUp(Lamelix &) {}
void List3_KeyPress(Lamelix &, int16_t &) {}
void List3_DragOver(Lamelix &) {}
void List3_LostFocus(Lamelix &) {}

} // namespace lamelix
