// A key file of any bytes: the loading the tools window does (marker test, reset, reading,
// compiling), the consultation's first display and the list of names, then the authors' tools
// on the compiled key: the analysis report, the renumbering analysis and the text export.

#include "fuzz/fichier_essai.hpp"
#include "platform/piege.hpp"

using namespace lamelix;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, std::size_t taille) {
    Application &app = fuzz::Programme();
    Lamelix &f = app.Principale();
    Outils &o = app.Outil();
    // The first byte chooses the name: a key (.cle) or a text file with its marker test (.txt).
    const bool txt = taille > 0 && (data[0] & 1) != 0;
    const std::string chemin = fuzz::Ecrit(txt ? "essai.txt" : "essai.cle", data, taille);
    bool charge = false;
    // Each run ends with the name list and the numbering's line index empty: a run then frees
    // what it allocated there, and libFuzzer does not run an input again to look for a leak
    // because it left more entries than the run before.
    struct Vide {
        Lamelix &f;
        Outils &o;
        ~Vide() {
            f.List2.Clear();
            o.PremiereLigne.clear();
        }
    } vide{f, o};
    ExecuteGestionnaire([&] {
        MontreOutils(o);
        charge = ChargeFichierOutils(o, chemin);
        ChargeListe(f, 0);
        AfficheChoix(f, f.Parcours.EntiteCourante);
    });
    if (!charge) return 0;
    ExecuteGestionnaire([&] { Command1_Click(o, OutAnalyse); });
    ExecuteGestionnaire([&] {
        // The second byte chooses the first number and the step of the new numbering.
        const int graine = taille > 1 ? data[1] : 0;
        o.Text1[0].SetText(std::to_string(1 + graine % 7));
        o.Text1[1].SetText(std::to_string(1 + graine / 64));
        Command1_Click(o, OutTestNumerotation);
    });
    ExecuteGestionnaire([&] { ExportTexte(f); });
    return 0;
}
