#include "consult/lamelix.hpp"

namespace lamelix {

void AfficheHist(Lamelix &, int16_t &, int16_t &) {}
void AfficheEtape(Lamelix &, int16_t &, int16_t &) {}
void HistoCherch(Lamelix &, int16_t &) {}
void RazHist(Lamelix &) {}
void Retour_Choix(Lamelix &, int16_t &) {}
void bouton_Click(Lamelix &, int) {}
void List2_Click(Lamelix &) {}
void List2_MouseDown(Lamelix &, int, int) {}
void List2_MouseUp(Lamelix &, int, int) {}
void Check_saut_ligne_Click(Lamelix &) {}
void chk_Fnote_Click(Lamelix &) {}
void Mnuprefx_Click(Lamelix &, int) {}

} // namespace lamelix
