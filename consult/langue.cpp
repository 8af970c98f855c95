// The interface language: a language file "Lamelix_<code>.lng" in the program folder renames
// the window's captions and replaces numbered messages; the warnings file shows in the welcome
// panel.

#include "consult/lamelix.hpp"
#include "platform/erreur.hpp"
#include "platform/fichiers.hpp"
#include "platform/piege.hpp"
#include "platform/texte.hpp"
#include "settings/fichier_ini.hpp"
#include "settings/fichier_langue.hpp"

#include <algorithm>
#include <array>
#include <functional>
#include <iterator>
#include <optional>
#include <string_view>
#include <vector>

namespace lamelix {

namespace {

using Applique = std::function<void(int numero, const std::string &texte)>;

template <std::size_t N, typename C> C *dansTableau(std::array<C, N> &tableau, int n) {
    return n >= 0 && n < static_cast<int>(N) ? &tableau[static_cast<std::size_t>(n)] : nullptr;
}

template <std::size_t N, typename C>
C *parmi(std::array<C, N> &tableau, int n, std::initializer_list<int> numeros) {
    return std::find(numeros.begin(), numeros.end(), n) != numeros.end() ? dansTableau(tableau, n)
                                                                         : nullptr;
}

// Section MENUS: the menu titles, then the items of the "?" menu.
MenuItem *itemMenus(Lamelix &f, int n) {
    MenuItem *const items[] = {&f.mnuFile,      &f.mnuEdit, &f.MnuOutils, &f.Mnusuiv,
                               &f.mnuAideTitre, &f.MnuAide, &f.MnuAvert,  &f.MnuApropos};
    return n >= 0 && n < static_cast<int>(std::size(items)) ? items[n] : nullptr;
}

// Section BOUTONS: every button of the main window and of its panels.
CommandButton *boutonNumero(Lamelix &f, int n) {
    CommandButton *const boutons[] = {&f.bouton[0],
                                      &f.bouton[1],
                                      &f.Command2,
                                      &f.Command4[Cmd4Suiv],
                                      &f.Command4[Cmd4CopieListe],
                                      &f.Command4[Cmd4Section],
                                      &f.Command4[Cmd4Liste],
                                      &f.Command4[Cmd4Compare],
                                      &f.Command4[Cmd4LM1],
                                      &f.Command4[Cmd4LM2],
                                      &f.Command4[Cmd4Reprise],
                                      &f.Command7[2],
                                      &f.Command7[3],
                                      &f.Command8,
                                      &f.cmdCommand9[0],
                                      &f.cmdCommand9[1]};
    return n >= 0 && n < static_cast<int>(std::size(boutons)) ? boutons[n] : nullptr;
}

// Section CASES: the check boxes.
CheckBox *caseNumero(Lamelix &f, int n) {
    CheckBox *const cases[] = {&f.chk_Fnote, &f.Check_saut_ligne, &f.check_Option[0],
                               &f.Check_Compare, &f.Check4};
    return n >= 0 && n < static_cast<int>(std::size(cases)) ? cases[n] : nullptr;
}

// Section CADRES: the titles of the boxes and panels.
Frame *cadreNumero(Lamelix &f, int n) {
    Frame *const cadres[] = {&f.Frame4,      &f.Frame8,       &f.Frame10, &f.Frame11,
                             &f.FrameCfgDoc, &f.FrameAccueil, &f.frmAbout};
    return n >= 0 && n < static_cast<int>(std::size(cadres)) ? cadres[n] : nullptr;
}

// One caption a list section renames: how to read it and how to change it.
struct Renommable {
    std::function<const std::string &()> Lit;
    std::function<void(std::string)> Ecrit;
};

template <typename C> std::optional<Renommable> renommable(C *controle) {
    if (controle == nullptr) return std::nullopt;
    return Renommable{[controle]() -> const std::string & { return controle->Caption; },
                      [controle](std::string texte) { controle->SetCaption(std::move(texte)); }};
}

// The list sections that rename captions, in the order a language file usually gives them.
constexpr const char *SectionsDeCaptions[] = {
    "MENUS",    "MNUFILEITEM", "MNUEDITITEM", "MNOPTION",    "FICEXTR",  "MNLANG", "MNOUTIL",
    "MNSOUT",   "BOUTONS",     "CASES",       "CADRES",      "LIBELLES", "OUTILS", "THEME",
    "RAPPORTS", "LANGUES",     "IMPORT",      "COMPILATEUR", "SUIVI"};

// Item n of a section of the window's other texts; nothing when the section has no such item.
std::optional<Renommable> libelle(Lamelix &f, LibellesFenetre::Section section, int n) {
    if (f.Libelles.Lit(n, section) == nullptr) return std::nullopt;
    return Renommable{
        [&f, n, section]() -> const std::string & { return *f.Libelles.Lit(n, section); },
        [&f, n, section](std::string texte) { f.Libelles.Fixe(n, std::move(texte), section); }};
}

// Item n of a table of built-in French texts; nothing when it has no such item.
std::optional<Renommable> texteDe(TextesTraduits &table, int n) {
    if (table.Lit(n) == nullptr) return std::nullopt;
    return Renommable{[&table, n]() -> const std::string & { return *table.Lit(n); },
                      [&table, n](std::string texte) { table.Fixe(n, texte); }};
}

// Item n of a list section that renames captions; nothing when the section has no such item.
std::optional<Renommable> element(Lamelix &f, const std::string &section, int n) {
    if (section == "MENUS") return renommable(itemMenus(f, n));
    if (section == "MNUFILEITEM") return renommable(dansTableau(f.mnuFileItem, n));
    if (section == "MNUEDITITEM") return renommable(dansTableau(f.mnuEditItem, n));
    if (section == "MNOPTION") return renommable(MnOption(f, n));
    if (section == "FICEXTR") return renommable(parmi(f.FicExtr, n, {1, 2}));
    if (section == "MNLANG") return renommable(parmi(f.MnLang, n, {1, 2, 3, 4, 5, 6, 7, 8}));
    if (section == "MNOUTIL") return renommable(parmi(f.MnOutil, n, {1, 10, 20, 30}));
    if (section == "MNSOUT") return renommable(parmi(f.MnSOut, n, {1, 5, 6}));
    if (section == "BOUTONS") return renommable(boutonNumero(f, n));
    if (section == "CASES") return renommable(caseNumero(f, n));
    if (section == "CADRES") return renommable(cadreNumero(f, n));
    if (section == "LIBELLES") return libelle(f, LibellesFenetre::Section::Fenetre, n);
    if (section == "OUTILS") return libelle(f, LibellesFenetre::Section::Outils, n);
    if (section == "RAPPORTS") return texteDe(f.Prog.Rapports, n);
    if (section == "LANGUES") return texteDe(f.Prog.Langues, n);
    if (section == "COMPILATEUR") return texteDe(f.Prog.Textes.Compilateur(), n);
    if (section == "IMPORT") return libelle(f, LibellesFenetre::Section::Import, n);
    if (section == "THEME") return libelle(f, LibellesFenetre::Section::Theme, n);
    if (section == "SUIVI") return libelle(f, LibellesFenetre::Section::Suivi, n);
    return std::nullopt;
}

// The applier of a list section, or nothing when the section is not one.
std::optional<Applique> listeDe(Lamelix &f, const std::string &nom) {
    if (nom == "MSG")
        return [&f](int n, const std::string &t) { f.Prog.Textes.RemplaceParTraduction(n, t); };
    for (const char *section : SectionsDeCaptions) {
        if (nom != section) continue;
        return [&f, nom](int n, const std::string &t) {
            const auto item = element(f, nom, n);
            if (!item) throw ErreurExecution("élément " + std::to_string(n) + " inexistant");
            item->Ecrit(t);
        };
    }
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

void litFichierDeLangue(Lamelix &f) {
    const auto contenu = LireOctets(FichierDeLangue(f, f.Options().LangueM));
    if (!contenu) return; // a missing file changes nothing
    const std::vector<std::string> lignes = LignesTexte(*contenu);
    std::size_t i = 0;
    // A failing line ends the loading there; what came before stays applied.
    SousPiege([&] {
        while (i < lignes.size()) {
            const std::string &ligne = lignes[i++];
            if (QueDesBlancs(ligne)) continue;
            const LigneSection section = DecoupeSection(ligne);
            const auto liste = listeDe(f, section.Nom);
            if (!liste) {
                appliqueSection(f, section);
                continue;
            }
            while (true) {
                if (i >= lignes.size()) throw ErreurExecution("fin du fichier dans une liste");
                const std::string &itemLigne = lignes[i++];
                if (QueDesBlancs(itemLigne)) continue;
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

// The messages of a table that a line may begin with, by their first byte: a blank message never
// counts, so a line is compared only with the few that share its first byte.
using MessagesParOctet = std::array<std::vector<int>, 256>;

MessagesParOctet parPremierOctet(const Messages &table) {
    MessagesParOctet index;
    for (int n = 0; n < Messages::Nombre; ++n) {
        const std::string &message = table[n];
        if (!QueDesBlancs(message)) index[static_cast<unsigned char>(message[0])].push_back(n);
    }
    return index;
}

// A text the window wrote from messages of the table `avant`: each of its lines that begins with
// one of them (the longest that fits), or with a count and then one of them ("9  lignes
// analysées"), has the same message of `apres` there instead.
std::string retraduit(const std::string &texte, const Messages &avant,
                      const MessagesParOctet &index, const Messages &apres) {
    std::string sortie;
    std::size_t debut = 0;
    while (debut <= texte.size()) {
        const std::size_t fin = std::min(texte.find("\r\n", debut), texte.size());
        std::string_view ligne = std::string_view(texte).substr(debut, fin - debut);
        const std::size_t compte = std::min(ligne.find_first_not_of("0123456789"), ligne.size());
        sortie.append(ligne.substr(0, compte));
        ligne.remove_prefix(compte);
        int trouve = -1;
        std::size_t longueur = 0;
        if (!ligne.empty())
            for (const int n : index[static_cast<unsigned char>(ligne[0])]) {
                const std::string &message = avant[n];
                if ((trouve < 0 || message.size() > longueur) && ligne.starts_with(message)) {
                    trouve = n;
                    longueur = message.size();
                }
            }
        if (trouve >= 0)
            sortie.append(apres[trouve]).append(ligne.substr(longueur));
        else
            sortie.append(ligne);
        if (fin == texte.size()) break;
        sortie += "\r\n";
        debut = fin + 2;
    }
    return sortie;
}

// The labels that show messages follow the table now in force, and so do the other windows'.
void retraduitLesLibelles(Lamelix &f) {
    const Messages &avant = f.MessagesAffiches;
    const Messages &apres = f.Prog.Textes;
    const MessagesParOctet index = parPremierOctet(avant);
    const Lamelix::Retraduction suit = [&](const std::string &texte) {
        return retraduit(texte, avant, index, apres);
    };
    for (Label *libelle : {&f.StatusBar1, &f.Label3, &f.Label5, &f.Label7, &f.Label18})
        SuitLaLangue(*libelle, suit);
    SuitLaLangue(f.Frame7, suit);
    std::string parametres = suit(f.txtEdit.Text);
    if (parametres != f.txtEdit.Text) f.txtEdit.SetText(std::move(parametres));
    f.AnnonceLangue(suit);
    f.MessagesAffiches = apres;
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

std::vector<CaptionDeLangue> CaptionsDeLangue(Lamelix &f) {
    std::vector<CaptionDeLangue> captions{{"MNUSETTINGS", -1, f.mnuSettings.Caption},
                                          {"MNUSETTINGSITEM", -1, f.TitreTaillesPolice},
                                          {"MNUPREFX", -1, f.Mnuprefx[0].Caption}};
    for (const char *section : SectionsDeCaptions)
        for (int n = 0; n < 100; ++n)
            if (const auto item = element(f, section, n))
                captions.push_back({section, n, item->Lit()});
    return captions;
}

void ChargeLangue(Lamelix &f) {
    litFichierDeLangue(f);
    retraduitLesLibelles(f);
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
