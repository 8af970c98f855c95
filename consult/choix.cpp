#include "consult/lamelix.hpp"
#include "platform/erreur.hpp"

namespace lamelix {

void AfficheChoix(Lamelix &f, int16_t &entite) {
    const CleCompilee &cle = f.Prog.Cle;
    f.List1.Clear();
    if (entite == 0) return; // no key, or a species reached: nothing to offer
    for (long i = cle.IndexEntite(entite); i > 0 && cle.TabLignes(i).E == entite; ++i) {
        if (i >= MaxLignesCle) return;
        if (cle.TabLignes(i).Suite != "N") f.List1.AddItem(cle.TabLignes(i).Description);
    }
    f.Caption.SetCaption(cle.TitreFenetre.empty() ? NomProgrammeVersion() : cle.TitreFenetre);
    f.Label6.SetCaption(cle.CommentaireCle);
}

long LigneChoisie(const Lamelix &f, int position) {
    const CleCompilee &cle = f.Prog.Cle;
    long i = cle.IndexEntite(f.EntiteCourante);
    for (int compte = 0; compte < position; ++i)
        if (cle.TabLignes(i).Suite != "N") ++compte;
    if (cle.TabLignes(i).Suite == "N") ++i;
    return i;
}

void List1_DblClick(Lamelix &f) {
    try {
        if (f.EntiteCourante <= 0 || f.List1.ListIndex < 0 ||
            f.List1.ListIndex >= f.List1.ListCount())
            return;
        const LigneCle &choisie = f.Prog.Cle.TabLignes(LigneChoisie(f, f.List1.ListIndex));
        f.Text1.SetText(choisie.Description);
        f.EntiteCourante = choisie.S;
        f.Text2.SetText(choisie.NomEspece);
        if (f.EntiteCourante >= 1)
            AfficheChoix(f, f.EntiteCourante);
        else if (f.EntiteCourante == 0)
            f.List1.Clear();
    } catch (const ErreurExecution &) {
        // The handler ends; the window keeps what it shows.
    }
}

} // namespace lamelix
