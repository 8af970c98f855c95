#include "key/requetes_cle.hpp"

#include <string>

namespace lamelix {

bool EstNote(const CleCompilee &cle, long i) {
    if (PorteMarqueNote(cle.TabLignes(i))) return true;
    return i > 1 && cle.TabLignes(i - 1).Suite == std::to_string(i);
}

bool EntiteDefinie(const CleCompilee &cle, long e) {
    return cle.TabLignes(cle.IndexEntite(e)).E == e;
}

LignesEntite LignesDeLEntite(const CleCompilee &cle, int16_t e, long fin) {
    LignesEntite lignes{cle.IndexEntite(e), 0};
    if (lignes.Premiere < 1) return lignes;
    while (lignes.Fin() <= fin && cle.TabLignes(lignes.Fin()).E == e)
        ++lignes.Nombre;
    return lignes;
}

} // namespace lamelix
