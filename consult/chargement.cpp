#include "consult/lamelix.hpp"
#include "platform/erreur.hpp"
#include "platform/services.hpp"

namespace lamelix {

namespace {

// After a stopped compilation the window holds no key: nothing half-compiled stays visible.
void videCle(Lamelix &f) {
    RazIndex(f.Prog.Cle);
    RazLignes(f.Prog.Cle);
    f.List1.Clear();
    f.List2.Clear();
    f.Text1.SetText({});
    f.EntiteCourante = 0;
}

} // namespace

bool ChargeCle(Lamelix &f, const std::string &chemin) {
    CleCompilee &cle = f.Prog.Cle;
    try {
        f.Text2.SetText({});
        cle.FichierCle = chemin;
        f.Label6.SetCaption(f.Prog.Textes[135]);
        f.Label18.SetCaption(f.Prog.Textes[136] + cle.FichierCle);
        if (!TesteMarqueurTxt(chemin, f.Systeme)) return false;
        RazIndex(cle);
        RazLignes(cle);
        int16_t echec = 0;
        LitCle(chemin, echec, f.Compilation(), f.Vues());
        if (echec == 1) {
            videCle(f);
            return false;
        }
        f.Label1.SetCaption("N= " + std::to_string(cle.EntiteMax + 1) + " esp / " +
                            std::to_string(cle.NbLignesM1) + " lgn");
        f.EntiteCourante = cle.TabLignes(1).E;
        f.Text1.SetText({});
        f.Label6.SetCaption({});
        AfficheChoix(f, f.EntiteCourante);
        return true;
    } catch (const ErreurExecution &) {
        f.Systeme.Message(f.Prog.Textes[131] + chemin);
        return false;
    }
}

} // namespace lamelix
