// Back to any earlier step of the path: a double click on a step of Text1 does what as many
// "<==" in a row would do, in one go.

#include "consult/lamelix.hpp"
#include "platform/nombres.hpp"
#include "platform/piege.hpp"

#include <algorithm>

namespace lamelix {

namespace {

// The byte where line ligneTexte of the text begins (CR LF, CR and LF each end a line), or
// npos when the text has fewer lines.
std::size_t debutLigne(const std::string &texte, int ligneTexte) {
    std::size_t i = 0;
    for (int n = 0; n < ligneTexte; ++n) {
        i = texte.find_first_of("\r\n", i);
        if (i == std::string::npos) return i;
        i += texte.compare(i, 2, "\r\n") == 0 ? 2 : 1;
    }
    return i < texte.size() ? i : std::string::npos;
}

} // namespace

void RetourEtape(Lamelix &f, int etape) {
    SousPiege([&] {
        if (etape < 1 || etape >= f.Parcours.NbEtapes) return;
        // What "<==" does around each back step, the same every time: done once.
        f.Frame5.SetVisible(false);
        f.Text4.SetVisible(false);
        f.Command4[Cmd4Suiv].SetEnabled(true);
        f.Parcours.EspeceAtteinte = false;
        f.Parcours.DocsAffiches = false;
        for (int reste = f.Parcours.NbEtapes - etape; reste > 0; --reste) {
            const int16_t avant = f.Parcours.NbEtapes;
            Retour_Choix(f, 0);
            // A back step that stays where it is (a header line in the path) would say so
            // again at every press: one notice is enough.
            if (f.Parcours.NbEtapes >= avant) break;
        }
        f.Label1.SetCaption(TexteNombre(f.List2.ListCount()));
        if (f.Check4.Value == 1) f.Annexes.traduirebtn_Click(0);
    });
}

void Text1_DblClick(Lamelix &f, int ligneTexte) {
    SousPiege([&] {
        // The history display no longer shows: the lines are not steps.
        if (f.Text1.Text != f.Parcours.TexteEtapes || f.Parcours.DebutsEtapes.empty()) return;
        const std::size_t octet = debutLigne(f.Text1.Text, ligneTexte);
        if (octet == std::string::npos) return;
        const auto suivante =
            std::upper_bound(f.Parcours.DebutsEtapes.begin(), f.Parcours.DebutsEtapes.end(), octet);
        if (suivante == f.Parcours.DebutsEtapes.begin()) return; // above the first step
        RetourEtape(f, static_cast<int>(suivante - f.Parcours.DebutsEtapes.begin()));
    });
}

} // namespace lamelix
