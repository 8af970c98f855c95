// Two memorised paths (LM1, LM2) and the descriptions they share; the copy of List2.

#include "consult/lamelix.hpp"
#include "platform/erreur.hpp"
#include "platform/piege.hpp"
#include "platform/services.hpp"

#include <algorithm>
#include <vector>

namespace lamelix {

namespace {

// A memorised path: the species name shown in Text2, then the description of each step's line,
// every piece followed by a line break.
void Memorise(Lamelix &f, std::string &memoire) {
    // The path keeps the steps already written.
    SousPiege([&] {
        f.Annexes.Form1_Texte({});
        memoire = f.Text2.Text + f.FinLigne;
        for (int etape = 1; etape <= f.Parcours.NbEtapes; ++etape)
            memoire += f.Cle().TabLignes(f.Parcours.Hist(etape)).Description + f.FinLigne;
        flash(f, f.Text2.Text + f.Msg(MsgMemorise), CouleurRouge);
    });
}

// The pieces of a memorised path: 0 the species name, then one description per step. The empty
// piece after the final line break is no description and is left out.
std::vector<std::string> Pieces(const std::string &chemin, const std::string &fin) {
    std::vector<std::string> pieces;
    std::size_t debut = 0;
    for (std::size_t pos; (pos = chemin.find(fin, debut)) != std::string::npos;
         debut = pos + fin.size())
        pieces.push_back(chemin.substr(debut, pos - debut));
    if (debut < chemin.size()) pieces.push_back(chemin.substr(debut));
    return pieces;
}

} // namespace

void copie_LM1(Lamelix &f) {
    Memorise(f, f.Parcours.LM1);
}

void copie_LM2(Lamelix &f) {
    Memorise(f, f.Parcours.LM2);
}

void compare_Hist(Lamelix &f) {
    SousPiege([&] {
        if (f.Parcours.LM1.empty()) {
            f.Systeme.Message("LM1 " + f.Msg(MsgNonDefinie));
            return;
        }
        if (f.Parcours.LM2.empty()) {
            f.Systeme.Message("LM2 " + f.Msg(MsgNonDefinie));
            return;
        }
        const std::vector<std::string> a = Pieces(f.Parcours.LM1, f.FinLigne);
        const std::vector<std::string> b = Pieces(f.Parcours.LM2, f.FinLigne);

        // The shared descriptions, from the first step to where the paths part, and never
        // beyond the steps the current history holds.
        std::string communes;
        for (std::size_t i = 1;
             i <= static_cast<std::size_t>(std::max<int>(f.Parcours.NbEtapes, 0)) && i < a.size() &&
             i < b.size();
             ++i) {
            if (a[i] != b[i]) break;
            communes += a[i] + f.FinLigne;
            f.Parcours.DerniereDescCommune = a[i];
        }
        const std::string nomA = a.empty() ? std::string{} : a[0];
        const std::string nomB = b.empty() ? std::string{} : b[0];
        f.Annexes.Form1_Texte(nomA + "   vs    " + nomB + f.FinLigne + f.FinLigne + communes);
        f.Annexes.Form1_Montre();
        f.Moi.SetVisible(false); // Form1 takes the place of the main window while it shows
    });
}

void CopieListe(Lamelix &f) {
    SousPiege([&] {
        f.Systeme.PressePapierVide();
        std::string texte;
        for (const ElementListe &element : f.List2.Items)
            texte += element.Texte + f.FinLigne;
        f.Systeme.PressePapierTexte(texte);
    });
}

void Check_Compare_Click(Lamelix &f) {
    // The buttons show while the box is ticked; "Reprise" is the keyword search's own.
    for (int index : {Cmd4Compare, Cmd4LM1, Cmd4LM2})
        f.Command4[static_cast<std::size_t>(index)].SetVisible(f.Check_Compare.Value == 1);
}

} // namespace lamelix
