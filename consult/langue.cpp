// The interface language: a language file "Lamelix_<code>.lng" in the program folder renames
// menus and replaces numbered messages; the warnings file shows in the welcome panel.

#include "consult/lamelix.hpp"
#include "platform/erreur.hpp"
#include "platform/fichiers.hpp"
#include "platform/piege.hpp"
#include "platform/texte.hpp"
#include "settings/fichier_ini.hpp"
#include "settings/fichier_langue.hpp"

#include <functional>

namespace lamelix {

namespace {

using Applique = std::function<void(int numero, const std::string &texte)>;

MenuItem &itemExistant(MenuItem *item) {
    if (item == nullptr) throw ErreurExecution("élément de menu inexistant");
    return *item;
}

template <std::size_t N> MenuItem *dansTableau(std::array<MenuItem, N> &tableau, int n) {
    return n >= 0 && n < static_cast<int>(N) ? &tableau[static_cast<std::size_t>(n)] : nullptr;
}

MenuItem *itemOutil(Lamelix &f, int n) {
    return n == 1 || n == 10 || n == 20 || n == 30 ? &f.MnOutil[static_cast<std::size_t>(n)]
                                                   : nullptr;
}

// The applier of a list section, or nothing when the section is not one.
std::optional<Applique> listeDe(Lamelix &f, const std::string &nom) {
    const auto renomme = [](MenuItem *item, const std::string &texte) {
        itemExistant(item).SetCaption(texte);
    };
    if (nom == "MNUFILEITEM")
        return [&f, renomme](int n, const std::string &t) {
            renomme(dansTableau(f.mnuFileItem, n), t);
        };
    if (nom == "MNOPTION")
        return [&f, renomme](int n, const std::string &t) { renomme(MnOption(f, n), t); };
    if (nom == "MNOUTIL")
        return [&f, renomme](int n, const std::string &t) { renomme(itemOutil(f, n), t); };
    if (nom == "MSG") return [&f](int n, const std::string &t) { f.Prog.Textes.Remplace(n, t); };
    return std::nullopt;
}

void appliqueSection(Lamelix &f, const LigneSection &section) {
    if (section.Nom == "MNUSETTINGS") {
        f.mnuSettings.SetCaption(section.Valeur);
    } else if (section.Nom == "MNUSETTINGSITEM") {
        f.TitreTaillesPolice = section.Valeur;
        mnuFontSizesItem_Click(f, f.Options().Fnt); // the caption shows the size in use
    } else if (section.Nom == "MNUPREFX") {
        f.Mnuprefx[0].SetCaption(section.Valeur);
    }
}

} // namespace

MenuItem *MnOption(Lamelix &f, int n) {
    switch (n) {
    case 0:
        return &f.MnuMemo;
    case 1:
        return &f.exFlagOption;
    case 2:
        return &f.MnExec;
    case 3:
        return &f.MnuOptFic_xy[0];
    case 4:
        return &f.MnuOptFic_xy[1];
    case 5:
        return &f.MnuOptFic_xy[2];
    case 6:
        return &f.FlagPattern[0];
    case 7:
        return &f.MnuSavIni_xy;
    case 8:
        return &f.MnuFicExtrTitre;
    case 9:
        return &f.MnuLangueTitre;
    default:
        return nullptr;
    }
}

void ChargeLangue(Lamelix &f) {
    const std::string chemin =
        JointChemin(f.RepProgramme, "Lamelix_" + f.Options().LangueM + ".lng");
    const auto contenu = LireOctets(chemin); // a missing file changes nothing
    if (!contenu) return;
    const std::vector<std::string> lignes = LignesTexte(*contenu);
    std::size_t i = 0;
    // A failing line ends the loading there; what came before stays applied.
    SousPiege([&] {
        while (i < lignes.size()) {
            const std::string &ligne = lignes[i++];
            if (SansBlancs(ligne).empty()) continue;
            const LigneSection section = DecoupeSection(ligne);
            const auto liste = listeDe(f, section.Nom);
            if (!liste) {
                appliqueSection(f, section);
                continue;
            }
            while (true) {
                if (i >= lignes.size()) throw ErreurExecution("fin du fichier dans une liste");
                const std::string &itemLigne = lignes[i++];
                if (SansBlancs(itemLigne).empty()) continue;
                const auto item = DecoupeItem(itemLigne);
                if (!item) continue;
                if (item->Numero == "*") break;
                const auto numero = NumeroItem(item->Numero);
                if (!numero) throw ErreurExecution("numéro d'élément illisible");
                (*liste)(*numero, item->Texte);
            }
        }
    });
}

void AfficheAvert(Lamelix &f) {
    f.FrameAccueil.SetVisible(true);
    TextBox &boite = f.TBox[7];
    boite.SetText({});
    const auto contenu = LireOctets(JointChemin(f.RepProgramme, "Avert-LX_fr.txt"));
    if (!contenu) return;
    std::string texte;
    for (const std::string &ligne : LignesTexte(*contenu))
        texte += SansBlancs(ligne) + "\r\n";
    boite.SetText(std::move(texte));
}

} // namespace lamelix
