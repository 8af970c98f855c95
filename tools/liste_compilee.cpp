// "voir compil" and the text listing of the compiled key: pages of about 32000 characters,
// the next one shown by "Suite >>".

#include "key/requetes_cle.hpp"
#include "platform/nombres.hpp"
#include "tools/outils.hpp"

namespace lamelix {

namespace {

constexpr std::size_t TaillePage = 32000;

std::string Entete(const Outils &o, bool premiere, bool compacte) {
    const std::string debut = o.Dit(" clé compilée") + o.FinLigne();
    // The compact lines begin where the line before ended: their heading ends its own line.
    if (!premiere)
        return debut +
               o.Dit("ligne utile | ligne texte | E , S | prec |description | nom espèce | "
                     "compléments") +
               (compacte ? o.FinLigne() : std::string{});
    if (compacte)
        return debut + o.Dit(" E , S $description $ nom espèce $ compléments") + o.FinLigne();
    return debut + o.Msg(MsgEnTeteListeCompilee);
}

void AjouteLigne(const Outils &o, std::string &page, long i, bool compacte) {
    const CleCompilee &cle = o.Principale.Prog.Cle;
    const LigneCle &l = cle.TabLignes(i);
    const std::string &fin = o.FinLigne();
    const std::string e = std::to_string(l.E);
    if (l.E < 0) page += fin + fin + "---> CS " + e;
    const bool note = EstNote(cle, i);
    if (compacte) {
        page += e + " , " + std::to_string(l.S) + "$";
        if (note) page += fin + " *note* " + e;
        page += l.Description + "$" + l.NomEspece + "$" + l.Complements + fin;
        return;
    }
    page += fin + std::to_string(i) + " : " + TexteNombre(l.LigneTexte) + " | " + e + " , " +
            std::to_string(l.S);
    if (note) page += " *note* " + e;
    page += " \\ " + TexteNombre(l.Prec) + " | " + l.Description + "   $ " + l.NomEspece + " | " +
            l.Complements;
}

// Shows the page that starts at line debut and says whether another one follows. A page ends
// after the line that takes it over the size, and the next one starts with that line again;
// each page but the first takes at least one line the previous one did not show, so that a
// line longer than a page cannot hold the listing on one place.
void MontrePage(Outils &o, long debut, bool premiere) {
    const CleCompilee &cle = o.Cle();
    const long derniere = NombreLignesCle(cle);
    std::string page = Entete(o, premiere, o.Pages.Compacte);
    long i = debut;
    for (;; ++i) {
        AjouteLigne(o, page, i, o.Pages.Compacte);
        if (i >= derniere) break;
        if (page.size() > TaillePage && (premiere || i > debut)) break;
    }
    const long suivante = i + 1;
    page += " *note* " + std::to_string(suivante <= MaxLignesCle ? cle.TabLignes(suivante).E : 0);
    o.Text10[0].SetText(std::move(page));
    // The listing ends once its last line has shown.
    const bool fini = suivante > derniere;
    o.Command2.SetEnabled(!fini);
    o.Command2.SetVisible(!fini);
    o.Pages = {!fini, o.Pages.Compacte, i};
}

void Commence(Outils &o, bool compacte) {
    o.Continuer = false;
    o.Pages = {false, compacte, 1};
    o.Command2.SetEnabled(false);
    o.Command2.SetVisible(false);
    o.Text10[0].SetText(o.Msg(MsgPatientezCalcul));
    if (o.Cle().NbLignesM1 < 1) return;
    MontrePage(o, 1, true);
}

} // namespace

void VoirCompil(Outils &o) {
    Commence(o, false);
}

void ListeCompileeTexte(Outils &o) {
    Commence(o, true);
}

void Command2_Click(Outils &o) {
    o.Continuer = true;
    if (!o.Pages.Active) return;
    o.Continuer = false;
    MontrePage(o, o.Pages.Debut, false);
}

} // namespace lamelix
