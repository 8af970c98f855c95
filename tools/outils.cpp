// The tools window: its buttons and their enabling, loading the key it works on, and the
// tools menu's entries that reach it.

#include "tools/outils.hpp"

#include "platform/fichiers.hpp"
#include "platform/piege.hpp"
#include "platform/services.hpp"
#include "tools/lignes_fichier.hpp"

namespace lamelix {

namespace {

void Active(Outils &o, std::initializer_list<int> boutons, bool actif) {
    for (int i : boutons)
        o.Command1[static_cast<std::size_t>(i)].SetEnabled(actif);
}

bool CleEnMemoire(const CleCompilee &cle) {
    return cle.TabLignes(1).LigneTexte > 0;
}

// The count of the key in memory, set to 0 while the main window loads a key: a successful load
// sets it again. A load that never replaced the key (a cancelled choice, a txt file without its
// marker) leaves no new key: the one in memory keeps its count.
struct Chargement {
    explicit Chargement(Outils &o) : o_(o), entiteMax_(o.Cle().EntiteMax), cleVue_(o.ClesChargees) {
        o.Text10[1].SetText({});
        o.Cle().EntiteMax = 0;
    }
    // The main window tried to load a key: the one in memory has gone, loaded or not.
    bool Tente() const { return o_.ClesChargees != cleVue_; }
    bool Fini() {
        CleCompilee &cle = o_.Cle();
        if (!Tente()) cle.EntiteMax = entiteMax_;
        // A stopped compilation may have counted its entities before the main window emptied
        // the tables: only a first line with its entity makes a key.
        return Tente() && cle.EntiteMax != 0 && cle.TabLignes(1).E != 0;
    }

  private:
    Outils &o_;
    int16_t entiteMax_;
    uint64_t cleVue_;
};

// What "Charger" does once the main window has tried to load a key.
bool ApresChargement(Outils &o, Chargement &chargement) {
    CleCompilee &cle = o.Cle();
    const bool charge = chargement.Fini();
    o.FichierCourant = cle.FichierCle;
    o.Moi.SetCaption(o.Msg(MsgMiseAuPointDe) + NomFichier(o.FichierCourant));
    // A key that failed to load leaves emptied tables: the tools that read them wait for a key
    // that loads ("Editer" and "Re-charger" stay, to mend the file and load it again).
    if (!charge && chargement.Tente())
        Active(o, {OutSauverRenum, OutTestNumerotation, OutAnalyse}, false);
    if (!charge) return false;
    Active(o, {OutTestNumerotation, OutAnalyse, OutEditer}, true);
    o.Text10[0].SetText({});
    o.Label2.SetCaption(NomFichier(o.FichierCourant));
    Active(o, {OutRecharger}, true);
    return true;
}

void Charger(Outils &o) {
    Chargement chargement(o);
    mnuFileItem_Click(o.Principale, FichierOuvrir);
    ApresChargement(o, chargement);
}

void Recharger(Outils &o) {
    const std::string chemin = o.Cle().FichierCle;
    if (!FichierExiste(chemin)) return;
    Chargement chargement(o);
    OuvreFichier(o.Principale, chemin);
    const bool charge = chargement.Fini();
    o.FichierCourant = chemin;
    Active(o, {OutTestNumerotation, OutAnalyse}, charge);
    if (!charge) o.Command1[OutSauverRenum].SetEnabled(false);
    o.Text10[0].SetText({});
    o.Label2.SetCaption(NomFichier(chemin));
    Active(o, {OutRecharger, OutEditer}, true);
}

} // namespace

Outils::Outils(Lamelix &principale) : Principale(principale) {
    principale.AbonneChargement([this] { ++ClesChargees; });
    // The title and the file line, written from messages, follow the interface language.
    principale.AbonneLangue([this](const Lamelix::Retraduction &suit) {
        SuitLaLangue(Moi, suit);
        SuitLaLangue(Label2, suit);
    });
    Moi.Visible = false;
    static const std::pair<int, const char *> legendes[] = {
        {OutCharger, "Charger"},
        {OutSauverRenum, "Sauver renum"},
        {OutQuitter, "Quitter"},
        {OutTestNumerotation, "Test numérotation"},
        {OutAnalyse, "Analyse/Tests"},
        {OutRecharger, "Re-charger"},
        {OutEditer, "Editer"},
        {OutVoirCompil, "voir compil"},
        {OutCoherence, "test cohérence"},
        {OutListeNotes, "liste notes"},
        {OutListeComplements, "liste Complt"},
        {OutVerifLiens, "Verif Liens"}};
    for (CommandButton &b : Command1)
        b.Visible = false;
    for (const auto &[i, legende] : legendes) {
        Command1[static_cast<std::size_t>(i)].Caption = legende;
        Command1[static_cast<std::size_t>(i)].Visible = true;
    }
    Command2.Caption = "Suite >>";
    Command2.Visible = false;
    Command3.Caption = "Liste liens";
    Label1[0].Caption = "Num. départ";
    Label1[1].Caption = "Incrément";
}

void Form_Load(Outils &o) {
    o.Charge = true;
    o.Text1[0].SetText("1");
    o.Text1[1].SetText("1");
    Active(o, {OutSauverRenum, OutTestNumerotation, OutAnalyse, OutRecharger, OutEditer}, false);
}

void Form_Activate(Outils &o) {
    o.Moi.SetCaption(o.Msg(MsgMiseAuPointDe));
    if (CleEnMemoire(o.Cle())) Active(o, {OutAnalyse, OutRecharger, OutEditer}, true);
}

void Form_Unload(Outils &o) {
    Editeur(o, false);
    o.Pages.Active = false;
    o.Moi.SetVisible(false);
    o.Charge = false;
}

void MontreOutils(Outils &o) {
    if (!o.Charge) Form_Load(o);
    o.Moi.SetVisible(true);
    Form_Activate(o);
}

void FermeOutils(Outils &o) {
    Form_Unload(o);
}

bool ChargeFichierOutils(Outils &o, const std::string &chemin) {
    Chargement chargement(o);
    OuvreFichier(o.Principale, chemin);
    return ApresChargement(o, chargement);
}

bool EstRapport(int index) {
    switch (index) {
    case OutTestNumerotation:
    case OutAnalyse:
    case OutVoirCompil:
    case OutCoherence:
    case OutListeNotes:
    case OutListeComplements:
    case OutVerifLiens:
        return true;
    default:
        return false;
    }
}

void Command1_Click(Outils &o, int index) {
    if (EstRapport(index)) o.DernierRapport = index;
    switch (index) {
    case OutCharger:
        Charger(o);
        break;
    case OutSauverRenum:
        Enregistrer(o);
        break;
    case OutQuitter:
        Form_Unload(o);
        break;
    case OutTestNumerotation:
        o.Text10[1].SetText({});
        renum(o);
        o.Command1[OutSauverRenum].SetEnabled(o.Renumerote.has_value() && !o.CleSecondaire);
        break;
    case OutAnalyse:
        o.Command1[OutSauverRenum].SetEnabled(false);
        MiseauPointFichierOutils(o);
        break;
    case OutRecharger:
        Recharger(o);
        break;
    case OutEditer:
        Editeur(o, true);
        break;
    case OutVoirCompil:
        VoirCompil(o);
        break;
    case OutCoherence:
        TestCoherence(o);
        break;
    case OutListeNotes:
        ListeNotes(o);
        break;
    case OutListeComplements:
        ListeComplements(o);
        break;
    case OutVerifLiens:
        VerifLiens(o);
        break;
    default:
        break;
    }
}

void RelanceRapport(Outils &o) {
    if (!o.Moi.Visible || o.DernierRapport < 0) return;
    if (!CleEnMemoire(o.Cle()) || o.Cle().TabLignes(1).E == 0) return;
    Command1_Click(o, o.DernierRapport);
}

void Command3_Click(Outils &o) {
    ListeLiens(o);
}

void Command1_MouseMove(Outils &o, int index, int Button) {
    if (index != OutVoirCompil || Button != BoutonDroit) return;
    const auto code =
        o.Principale.Systeme.Saisie(o.Dit("votre code ? "), o.Dit("Export texte"), "");
    if (code && *code == CodeListeTexte) ListeCompileeTexte(o);
}

void CopieRapport(Outils &o, int boite) {
    Services &s = o.Principale.Systeme;
    s.PressePapierVide();
    s.PressePapierTexte(o.Text10.at(static_cast<std::size_t>(boite)).Text);
}

void EnregistreRapport(Outils &o, int boite) {
    Lamelix &f = o.Principale;
    const std::string propose =
        NomFichier(o.FichierCourant) + o.Dit(boite == 0 ? "-rapport.txt" : "-renum.txt");
    const auto chemin = f.Systeme.DialogueEnregistrer(o.Dit("Texte (*.txt)|*.txt|(*.*)|*.*"),
                                                      propose, DossierDe(o.FichierCourant));
    if (!chemin || chemin->empty()) return;
    EcritOuSignale(f, *chemin, o.Text10.at(static_cast<std::size_t>(boite)).Text, "compte rendu");
}

void Text10_DblClick(Outils &o, const std::string &ligne) {
    if (const auto n = LigneNommee(ligne)) EditeurALaLigne(o, *n);
}

void MnSOut_Click(Lamelix &f, int index) {
    if (index == 1) {
        ExportTexte(f);
        return;
    }
    if (index != 5 && index != 6) return;
    if (f.Cle().CodageTxt == "UTF8") {
        f.Systeme.Message(f.Dit("cette clé est déjà codée en UTF8"));
        return;
    }
    CONVediter(f, index == 5 ? 1 : 0);
}

} // namespace lamelix
