#include "web/etat_web.hpp"

#include <algorithm>
#include <string>

namespace lamelix {

namespace {

using nlohmann::json;

json base(const Controle &c) {
    return {{"v", c.Visible}, {"e", c.Enabled}};
}

json vue(const ListBox &l) {
    json o = base(l);
    json items = json::array();
    for (const ElementListe &e : l.Items)
        items.push_back(e.Texte);
    o["items"] = std::move(items);
    o["sel"] = l.ListIndex;
    return o;
}

json vue(const TextBox &t) {
    json o = base(t);
    o["t"] = t.Text;
    return o;
}

// Labels, buttons, frames and menu items: their caption.
template <typename C> json vue(const C &c) {
    json o = base(c);
    o["t"] = c.Caption;
    return o;
}

json vue(const CheckBox &c) {
    json o = base(c);
    o["t"] = c.Caption;
    o["val"] = c.Value;
    return o;
}

json vue(const OptionButton &c) {
    json o = base(c);
    o["t"] = c.Caption;
    o["val"] = c.Value ? 1 : 0;
    return o;
}

json vue(const MenuItem &m) {
    json o = base(m);
    o["t"] = m.Caption;
    o["val"] = m.Checked ? 1 : 0;
    return o;
}

template <typename C, std::size_t N>
void tableau(json &controles, const char *nom, const std::array<C, N> &elements) {
    for (std::size_t i = 0; i < N; ++i)
        controles[std::string(nom) + "[" + std::to_string(i) + "]"] = vue(elements[i]);
}

constexpr std::size_t MaxNoeudsPlan = 20000;

json noeud(const PlanCle &p, const NoeudPlan &n, std::vector<int16_t> &ouvertes,
           std::size_t &compte) {
    ++compte;
    json o = {{"texte", TextePlan(p, n)}, {"ligne", n.Ligne}, {"entite", n.Entite}};
    json enfants = json::array();
    const bool entite = n.Genre == GenrePlan::Entite || n.Genre == GenrePlan::Cle;
    const bool dejaOuverte =
        entite && std::find(ouvertes.begin(), ouvertes.end(), n.Entite) != ouvertes.end();
    if (!dejaOuverte && compte < MaxNoeudsPlan) {
        if (entite) ouvertes.push_back(n.Entite);
        for (const NoeudPlan &e : EnfantsPlan(p, n)) {
            if (compte >= MaxNoeudsPlan) break;
            enfants.push_back(noeud(p, e, ouvertes, compte));
        }
        if (entite) ouvertes.pop_back();
    }
    o["enfants"] = std::move(enfants);
    return o;
}

} // namespace

json ControlesWeb(Application &app) {
    const Lamelix &f = app.Principale();
    const RechercheMotCle &r = app.MotsCles();
    json c = json::object();
    c["List1"] = vue(f.List1);
    c["List2"] = vue(f.List2);
    c["List3"] = vue(f.List3);
    c["Text1"] = vue(f.Text1);
    c["Text1"]["couleur"] = f.Text1.ForeColor;
    c["Text2"] = vue(f.Text2);
    c["Text4"] = vue(f.Text4);
    c["Text5"] = vue(f.Text5);
    const std::pair<const char *, const Label *> libelles[] = {
        {"Label1", &f.Label1},   {"Label3", &f.Label3},         {"Label5", &f.Label5},
        {"Label6", &f.Label6},   {"Label7", &f.Label7},         {"Label12", &f.Label12},
        {"Label18", &f.Label18}, {"StatusBar1", &f.StatusBar1}, {"LblflashX", &f.LblflashX}};
    for (const auto &[nom, libelle] : libelles)
        c[nom] = vue(*libelle);
    tableau(c, "bouton", f.bouton);
    tableau(c, "Command4", f.Command4);
    c["Command2"] = vue(f.Command2);
    c["chk_Fnote"] = vue(f.chk_Fnote);
    c["Check_saut_ligne"] = vue(f.Check_saut_ligne);
    tableau(c, "check_Option", f.check_Option);
    c["Check_Compare"] = vue(f.Check_Compare);
    tableau(c, "Mnuprefx", f.Mnuprefx);
    const std::pair<const char *, const Frame *> cadres[] = {
        {"Frame5", &f.Frame5},   {"Frame6", &f.Frame6},     {"Frame8", &f.Frame8},
        {"Frame11", &f.Frame11}, {"FraFlash", &f.FraFlash}, {"Picture2", &f.Picture2}};
    for (const auto &[nom, cadre] : cadres)
        c[nom] = vue(*cadre);
    c["MotCle"] = vue(r.MotCle);
    tableau(c, "Textcle", r.Textcle);
    tableau(c, "MoCle", r.MoCle);
    c["Option1"] = vue(r.Option1);
    c["Option2"] = vue(r.Option2);
    tableau(c, "Option3", r.Option3);
    c["Check1"] = vue(r.Check1);
    c["Check2"] = vue(r.Check2);
    c["Label2"] = vue(r.Label2);
    c["Form1.Text1"] = vue(app.Biblio().Text1);
    return c;
}

json PlanWeb(Application &app) {
    PlanCle &p = app.Plan();
    PreparePlan(p);
    std::vector<int16_t> ouvertes;
    std::size_t compte = 0;
    json racines = json::array();
    for (const NoeudPlan &n : RacinesPlan(p))
        racines.push_back(noeud(p, n, ouvertes, compte));
    return racines;
}

json EtatWeb(Application &app, std::vector<MessageWeb> messages) {
    const Lamelix &f = app.Principale();
    json m = json::array();
    for (MessageWeb &message : messages)
        m.push_back({{"genre", std::move(message.Genre)}, {"texte", std::move(message.Texte)}});
    return {{"entite", f.Parcours.EntiteCourante},
            {"etapes", f.Parcours.NbEtapes},
            {"titre", f.Caption.Caption},
            {"controles", ControlesWeb(app)},
            {"messages", std::move(m)}};
}

} // namespace lamelix
