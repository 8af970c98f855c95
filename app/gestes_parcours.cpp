#include "app/gestes_parcours.hpp"

#include "platform/echappement.hpp"
#include "platform/fichiers.hpp"

#include <charconv>

namespace lamelix {

namespace {

std::optional<int> position(std::string_view texte) {
    int valeur = 0;
    auto [fin, ec] = std::from_chars(texte.data(), texte.data() + texte.size(), valeur);
    if (ec != std::errc{} || fin != texte.data() + texte.size() || valeur < 0 || texte.empty())
        return std::nullopt;
    return valeur;
}

} // namespace

std::optional<Action> LitAction(const std::string &a) {
    static const std::pair<const char *, Geste> simples[] = {
        {"retour", Geste::Retour}, {"raz", Geste::Raz},         {"suiv", Geste::Suiv},
        {"liste", Geste::Liste},   {"section", Geste::Section}, {"lm1", Geste::LM1},
        {"lm2", Geste::LM2},       {"compare", Geste::Compare}, {"notes", Geste::Notes},
        {"sauts", Geste::Sauts},   {"prefixe", Geste::Prefixe}};
    static const std::pair<const char *, Action> recherche[] = {
        {"motcle", {"", Geste::MotCle}},
        {"ou", {"", Geste::Ou}},
        {"et", {"", Geste::Et}},
        {"descript", {"", Geste::Portee, DansDescriptions}},
        {"sections", {"", Geste::Portee, DansSections}},
        {"historiq", {"", Geste::Portee, DansHistorique}},
        {"casse", {"", Geste::Casse}},
        {"accents", {"", Geste::Accents}},
        {"chercher", {"", Geste::Bouton, 0}},
        {"valider", {"", Geste::Bouton, 1}},
        {"annuler", {"", Geste::Bouton, 2}},
        {"reprise", {"", Geste::Reprise}}};
    for (const auto &[nom, action] : recherche) {
        if (a != nom) continue;
        Action trouvee = action;
        trouvee.texte = a;
        return trouvee;
    }
    for (const auto &[nom, geste] : simples)
        if (a == nom) return Action{a, geste};
    for (const auto &[prefixe, boite] : {std::pair{"mot:", 0}, std::pair{"mot2:", 1}})
        if (a.rfind(prefixe, 0) == 0)
            return Action{a, Geste::Mot, boite, a.substr(std::string_view(prefixe).size())};
    if (auto k = position(a)) return Action{a, Geste::DoubleClic, *k};
    if (a.rfind("clic:", 0) == 0)
        if (auto k = position(std::string_view(a).substr(5))) return Action{a, Geste::Clic, *k};
    if (a.rfind("nom:", 0) == 0)
        if (auto k = position(std::string_view(a).substr(4))) return Action{a, Geste::Nom, *k};
    return std::nullopt;
}

namespace {

bool utilisable(const Controle &c) {
    return c.Visible && c.Enabled;
}

bool choisitDans(ListBox &liste, int k) {
    if (!utilisable(liste) || k >= liste.ListCount()) return false;
    liste.Selectionne(k);
    return true;
}

// "<==" (index 0) and "RAZ" (1), when the window lets them be pressed.
void bouton(Lamelix &f, int index, void (*operation)(Lamelix &)) {
    if (utilisable(f.bouton[static_cast<std::size_t>(index)])) operation(f);
}

void commande4(Lamelix &f, int index) {
    if (utilisable(f.Command4[static_cast<std::size_t>(index)])) Command4_Click(f, index);
}

void bascule(Lamelix &f, CheckBox &caseACocher, void (*clic)(Lamelix &)) {
    if (!utilisable(caseACocher) || !f.Frame8.Visible) return;
    caseACocher.SetValue(caseACocher.Value == 1 ? 0 : 1);
    clic(f);
}

// The keyword panel's controls answer only while it shows.
void recherche(RechercheMotCle &r, const Action &a) {
    if (!r.Principale.Frame6.Visible) return;
    switch (a.geste) {
    case Geste::Mot:
        r.Textcle[static_cast<std::size_t>(a.position)].SetText(a.mot);
        break;
    case Geste::Ou:
    case Geste::Et:
        r.Option1.SetValue(a.geste == Geste::Ou);
        r.Option2.SetValue(a.geste == Geste::Et);
        break;
    case Geste::Portee:
        for (std::size_t i = 0; i < r.Option3.size(); ++i)
            r.Option3[i].SetValue(static_cast<int>(i) == a.position);
        break;
    case Geste::Casse:
    case Geste::Accents: {
        CheckBox &c = a.geste == Geste::Casse ? r.Check1 : r.Check2;
        c.SetValue(c.Value == 1 ? 0 : 1);
        break;
    }
    case Geste::Bouton:
        if (utilisable(r.MoCle[static_cast<std::size_t>(a.position)])) MoCle_Click(r, a.position);
        break;
    default:
        break;
    }
}

} // namespace

void ExecuteAction(Application &app, const Action &a) {
    Lamelix &f = app.Principale();
    switch (a.geste) {
    case Geste::DoubleClic:
        if (choisitDans(f.List1, a.position)) ChoisitProposition(f, a.position);
        break;
    case Geste::Clic:
        if (choisitDans(f.List1, a.position)) List1_Click(f);
        break;
    case Geste::Nom:
        if (choisitDans(f.List2, a.position)) PrendNom(f, a.position);
        break;
    case Geste::Retour:
        bouton(f, 0, RetourArriere);
        break;
    case Geste::Raz:
        bouton(f, 1, Recommence);
        break;
    case Geste::Suiv:
        commande4(f, Cmd4Suiv);
        break;
    case Geste::Liste:
        // While the keyword panel shows, "liste" is its option: search the names.
        if (f.Frame6.Visible)
            recherche(app.MotsCles(), Action{a.texte, Geste::Portee, DansListe});
        else
            commande4(f, Cmd4Liste);
        break;
    case Geste::Section:
        commande4(f, Cmd4Section);
        break;
    case Geste::LM1:
        commande4(f, Cmd4LM1);
        break;
    case Geste::LM2:
        commande4(f, Cmd4LM2);
        break;
    case Geste::Compare:
        commande4(f, Cmd4Compare);
        break;
    case Geste::Notes:
        bascule(f, f.chk_Fnote, chk_Fnote_Click);
        break;
    case Geste::Sauts:
        bascule(f, f.Check_saut_ligne, Check_saut_ligne_Click);
        break;
    case Geste::Prefixe:
        if (utilisable(f.Mnuprefx[0])) Mnuprefx_Click(f, 0);
        break;
    case Geste::MotCle:
        if (utilisable(app.MotsCles().MotCle)) MotCle_Click(app.MotsCles());
        break;
    case Geste::Reprise:
        commande4(f, Cmd4Reprise);
        break;
    default:
        recherche(app.MotsCles(), a);
        break;
    }
}

namespace {

void ligne(std::string &s, const char *nom, const std::string &valeur) {
    s += nom;
    s += '\t';
    s += Echappe(valeur);
    s += '\n';
}

} // namespace

std::string EtatParcours(Application &app, const std::string &titre, bool avecForm1) {
    const Lamelix &f = app.Principale();
    std::string s = "== " + titre + "\n";
    for (const ElementListe &e : f.List1.Items)
        ligne(s, "List1", e.Texte);
    ligne(s, "Text1", f.Text1.Text);
    ligne(s, "couleur", std::to_string(f.Text1.ForeColor));
    ligne(s, "Text2", f.Text2.Text);
    ligne(s, "Text5", f.Text5.Text);
    for (const ElementListe &e : f.List2.Items)
        ligne(s, "List2", e.Texte);
    ligne(s, "Label1", f.Label1.Caption);
    ligne(s, "Label3", f.Label3.Caption);
    ligne(s, "entite", std::to_string(f.Parcours.EntiteCourante));
    ligne(s, "etapes", std::to_string(f.Parcours.NbEtapes));
    if (avecForm1) ligne(s, "Form1", app.Biblio().Text1.Text);
    return s;
}

void NommeCle(Lamelix &f, const std::string &chemin) {
    f.RepData = DossierDe(chemin);
    f.NomFichierCle = NomFichier(chemin);
    if (JointChemin(f.RepData, f.NomFichierCle) != chemin)
        f.RepData = chemin.substr(0, chemin.size() - f.NomFichierCle.size());
    f.CheminCle = chemin;
}

} // namespace lamelix
