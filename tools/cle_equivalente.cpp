// Whether a rewritten key file still compiles to the key it replaces: both texts compiled aside,
// without a dialog, and their tables compared line by line.

#include "key/compilateur.hpp"
#include "key/requetes_cle.hpp"
#include "platform/controles.hpp"
#include "platform/services_sans_effet.hpp"
#include "tools/outils.hpp"

#include <memory>

namespace lamelix {

namespace {

struct CleAPart {
    std::unique_ptr<CleCompilee> Cle = std::make_unique<CleCompilee>();
    bool Complete = false;
};

CleAPart CompileAPart(std::string_view octets, const Lamelix &f) {
    CleAPart c;
    ServicesMuets muette;    // every question goes on, nothing is shown or copied
    ListBox langues = f.lgs; // a key's REM$LANGUE$ must not change the window's choice
    int16_t echec = 0;
    PrecompileOctets(octets, echec, {*c.Cle, f.Prog.Textes, muette, muette, langues});
    c.Complete = echec == 0;
    return c;
}

// Same lines, entities, calls and notes, the same names and complements given or left out. The
// texts themselves may differ: the conversion exists to change how they are decoded.
bool MemesTables(const CleCompilee &a, const CleCompilee &b) {
    if (a.NbLignesM1 != b.NbLignesM1 || a.EntiteMax != b.EntiteMax) return false;
    for (long i = 1; i <= DerniereLigneCle(a); ++i) {
        const LigneCle &x = a.TabLignes(i);
        const LigneCle &y = b.TabLignes(i);
        if (x.E != y.E || x.S != y.S || x.Suite != y.Suite ||
            x.NomEspece.empty() != y.NomEspece.empty() ||
            x.Complements.empty() != y.Complements.empty())
            return false;
    }
    return true;
}

} // namespace

bool CompileCommeAvant(const Lamelix &f, std::string_view avant, std::string_view apres) {
    const CleAPart nouvelle = CompileAPart(apres, f);
    if (!nouvelle.Complete) return false;
    // A key that did not compile has no tables to keep: the new text compiling is what counts.
    const CleAPart ancienne = CompileAPart(avant, f);
    return !ancienne.Complete || MemesTables(*ancienne.Cle, *nouvelle.Cle);
}

} // namespace lamelix
