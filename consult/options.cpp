// The options menu: font sizes, switches, the default-file chooser, saving the options and
// the interface language.

#include "consult/lamelix.hpp"
#include "platform/erreur.hpp"
#include "platform/fichiers.hpp"
#include "platform/piege.hpp"
#include "platform/services.hpp"

#include <iterator>

namespace lamelix {

namespace {

constexpr int TaillesPolice[] = {0, 0, 7, 9, 11, 13, 17, 20}; // by item of the font-size menu

void inverse(MenuItem &item) {
    item.SetChecked(!item.Checked);
}

template <std::size_t N> void cocheSeul(std::array<MenuItem, N> &items, std::size_t choisi) {
    for (std::size_t i = 0; i < N; ++i)
        if (items[i].Checked != (i == choisi)) items[i].SetChecked(i == choisi);
}

} // namespace

void mnuFontSizesItem_Click(Lamelix &f, int index) {
    if (index < 2 || index > 7) return; // no such item
    const int taille = TaillesPolice[index];
    for (TextBox *t : {&f.Text1, &f.Text5})
        t->SetFontSize(taille);
    for (ListBox *l : {&f.List1, &f.List2, &f.List3})
        l->SetFontSize(taille);
    cocheSeul(f.mnuFontSizesItem, static_cast<std::size_t>(index));
    // A language file's caption has lost its final blank: the size keeps its distance.
    std::string titre = f.TitreTaillesPolice;
    if (!titre.empty() && titre.back() != ' ') titre += ' ';
    f.mnuSettingsItem[0].SetCaption(titre + std::to_string(taille));
    f.Options().Fnt = static_cast<int16_t>(index);
}

void exFlagOption_Click(Lamelix &f) {
    f.check_Option[0].SetValue(f.check_Option[0].Value == 1 ? 0 : 1);
    check_Option_Click(f, 0);
}

void MnExec_Click(Lamelix &f) {
    inverse(f.MnExec);
    SuitExecAuto(f);
}

void SuitExecAuto(Lamelix &f) {
    f.AutoExec = f.MnExec.Checked;
    f.Label4.SetCaption(f.AutoExec ? "Exec.Auto." : "");
}

void MnuOptFic_xy_Click(Lamelix &f, int index) {
    SousPiege([&] {
        switch (index) {
        case 0:
            f.Frame7Documentation = false;
            f.Frame7.SetCaption(f.Msg(MsgFichierCleParDefaut));
            f.FileList.SetEnabled(true);
            f.FileListPattern = f.FlagPattern[0].Checked ? "*.CLE" : "*.CLE;*.TXT*";
            f.Label14.SetCaption(f.Options().FicDefaut);
            DirList_Ouvre(f, f.RepData);
            f.Frame7.SetVisible(true);
            break;
        case 1:
            f.Frame7Documentation = true;
            f.Frame7.SetCaption(f.Msg(MsgRacineDocumentation));
            f.FileList.SetEnabled(false);
            f.FileListPattern = "**";
            f.Label14.SetCaption({});
            DirList_Ouvre(f, f.Options().RepDoc.empty() ? f.RepProgramme : f.Options().RepDoc);
            f.Frame7.SetVisible(true);
            break;
        case 2:
            f.FrameCfgDoc.SetVisible(true);
            break;
        default:
            break;
        }
    });
}

void cmdCommand9_Click(Lamelix &f, int index) {
    if (index == 0) {
        if (f.Frame7Documentation) {
            f.Options().RepDoc = f.DirListPath;
        } else {
            f.RepData = f.Options().RepData = f.DirListPath;
            // Without a file chosen the default file stays.
            const std::string choisi = f.FileList.TexteSelectionne();
            if (!choisi.empty()) f.Options().FicDefaut = choisi;
            MontreFichierParDefaut(f);
        }
    }
    f.Frame7.SetVisible(false);
    f.Frame7Documentation = false;
}

void FlagPattern_Click(Lamelix &f, int index) {
    if (index == 0) inverse(f.FlagPattern[0]);
}

void MnuSavIni_xy_Click(Lamelix &f) {
    inisauve(f);
}

void FicExtr_Click(Lamelix &f, int index) {
    if (index != 1 && index != 2) return;
    f.FicExtr[1].SetChecked(index == 1);
    f.FicExtr[2].SetChecked(index == 2);
}

namespace {

// The code of each item of the language menu: French, then the languages a file may supply.
const char *const CodesLangue[] = {"", "fr", "it", "es", "de", "en", "bs", "ru", "uk"};
constexpr int NombreLangues = static_cast<int>(std::size(CodesLangue));

} // namespace

std::string FichierDeLangue(const Lamelix &f, const std::string &code) {
    return JointChemin(f.RepProgramme, "Lamelix_" + code + ".lng");
}

void MnLang_Click(Lamelix &f, int index) {
    if (index < 1 || index >= NombreLangues) return;
    const std::string code = CodesLangue[index];
    // French is built in; any other language is its file. A file that cannot be read is said,
    // and the language in use stays, ticked as it was.
    if (code != "fr") {
        const std::string chemin = FichierDeLangue(f, code);
        if (!LireOctets(chemin)) {
            f.Systeme.Message(f.Msg(MsgLeFichier) + chemin + f.Msg(MsgNonTrouve),
                              f.Caption.Caption);
            CocheLangue(f);
            return;
        }
    }
    f.Options().LangueM = code;
    // French is the program's own language: its texts come back whole, which a language file
    // applied over another language's texts could not give back.
    if (code == "fr") {
        f.Prog.Textes.ChargeDefauts();
        CaptionsParDefaut(f);
        mnuFontSizesItem_Click(f, f.Options().Fnt);
    }
    ChargeLangue(f);
    CocheLangue(f);
}

void CocheLangue(Lamelix &f) {
    for (int i = 1; i < NombreLangues; ++i) {
        MenuItem &item = f.MnLang[static_cast<std::size_t>(i)];
        const bool courant = f.Options().LangueM == CodesLangue[i];
        if (item.Checked != courant) item.SetChecked(courant);
        const bool offerte = i == 1 || FichierExiste(FichierDeLangue(f, CodesLangue[i]));
        if (item.Visible != offerte) item.SetVisible(offerte);
    }
}

} // namespace lamelix
