// The keys opened during the run (List3): one line per key path, each path once.

#include "consult/lamelix.hpp"
#include "platform/erreur.hpp"
#include "platform/fichiers.hpp"
#include "platform/piege.hpp"
#include "platform/texte.hpp"

#include <filesystem>
#include <system_error>

namespace lamelix {

namespace {

constexpr int16_t ToucheEspace = 32;

void MontreSelection(Lamelix &f) {
    f.StatusBar1.SetCaption(f.List3.TexteSelectionne());
}

// Two paths are the same key when they lead to the same file, as the file system decides: on a
// case-insensitive one "A.CLE" is "a.cle", on a case-sensitive one it is another key; another
// way to the same file (a link, "./") is the same key too. A path that leads to no file is
// compared as written.
bool memeCle(const std::string &a, const std::string &b) {
    if (a == b) return true;
    std::error_code ec;
    const bool meme = std::filesystem::equivalent(SeparateursLocaux(a), SeparateursLocaux(b), ec);
    return !ec && meme;
}

} // namespace

// The path recorded is always the one built from the key folder and the current key file name;
// the argument is the caller's copy of it.
void MAJ_List3(Lamelix &f, const std::string &) {
    SousPiege([&] {
        f.CheminCle = JointChemin(f.RepData, f.NomFichierCle);
        for (const ElementListe &element : f.List3.Items)
            if (memeCle(element.Texte, f.CheminCle)) return;
        if (!FichierExiste(f.CheminCle)) {
            if (f.FicExtr[1].Checked) {
                flash(f, f.Msg(MsgFichier) + " " + f.NomFichierCle + "' " + f.Msg(MsgNonTrouve),
                      CouleurVert);
                bouton_Click(f, 0);
            }
            return;
        }
        if (!f.Cle().ErreurCle) f.List3.AddItem(f.CheminCle);
    });
}

void List3_DblClick(Lamelix &f) {
    SousPiege([&] {
        const std::string ligne = f.List3.TexteSelectionne();
        if (ligne.empty()) return;
        if (!DossierDe(ligne).empty()) {
            f.NomFichierCle = NomFichier(ligne);
            f.CheminCle = ligne;
        } else {
            f.NomFichierCle = ligne;
            f.CheminCle = JointChemin(f.RepData, ligne);
        }
        f.Label7.SetCaption(f.Msg(MsgFichier) + ": " + f.NomFichierCle +
                            f.Msg(MsgRepertoireDefaut) + " : " + f.RepData);
        std::string chemin = f.CheminCle;
        ChargeCle(f, chemin);
        float toutes = 1;
        ChargeListe(f, toutes);
    });
}

void List3_MouseDown(Lamelix &f, int, int Shift) {
    if (Shift == ToucheShift)
        f.List3.RemoveItem(f.List3.ListIndex);
    else
        MontreSelection(f);
}

void List3_KeyDown(Lamelix &f) {
    MontreSelection(f);
}

void List3_KeyUp(Lamelix &f) {
    f.Label12.SetCaption({});
    MontreSelection(f);
}

void List3_KeyPress(Lamelix &f, int16_t KeyAscii) {
    if (KeyAscii == ToucheEspace) MontreSelection(f);
}

void List3_DragOver(Lamelix &f) {
    f.Label12.SetCaption(f.List3.TexteSelectionne());
}

void List3_LostFocus(Lamelix &f) {
    f.StatusBar1.SetCaption({});
    f.Frame11.SetVisible(false);
}

} // namespace lamelix
