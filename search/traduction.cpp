// The translation of the propositions, the enlarged description or the path history, through a
// translation web page or a translation server, and the page-based path that reads a
// translation page shown in the panel's view.

#include "search/traduction.hpp"

#include "platform/piege.hpp"
#include "platform/texte.hpp"
#include "search/langues_traduction.hpp"
#include "search/liens_web.hpp"
#include "search/page_html.hpp"

#include <cstdio>
#include <nlohmann/json.hpp>

namespace lamelix {

namespace {

const char *const AgentUtilisateur = "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)";
const char *const TraductionIncomplete = "La traduction est incomplère : nouvel essai";
constexpr int32_t AttenteMax = 100000;

bool reussie(const ReponseHttp &r) {
    return r.Erreur.empty() && r.Statut >= 200 && r.Statut < 300;
}

// The translation page: the text travels in the address, percent-encoded.
std::string parLaPage(Lamelix &f, const std::string &texte, const std::string &source,
                      const std::string &cible, const std::string &adresse) {
    RequeteHttp requete;
    requete.Methode = "POST";
    requete.Adresse = !adresse.empty()
                          ? adresse
                          : f.Options().TradPage + "/m?&sl=" + source + "&tl=" + cible +
                                "&ie=UTF-8&prev=_m&q=" + EncodeRequete(texte);
    requete.EnTetes = {{"User-Agent", AgentUtilisateur}};
    const ReponseHttp reponse = f.Systeme.Requete(requete);
    if (!reussie(reponse)) {
        flash(f, f.Msg(MsgTempsDepasse), CouleurRouge);
        return {};
    }
    return PremierDivT0(reponse.Texte);
}

// A translation server: the text in a JSON body, the translation in the JSON answer.
std::string parLeServeur(Lamelix &f, const std::string &texte, const std::string &source,
                         const std::string &cible) {
    const Reglages &r = f.Options();
    nlohmann::json corps = {{"q", texte},
                            {"source", CodeServeur(source)},
                            {"target", CodeServeur(cible)},
                            {"format", "text"}};
    if (!r.TradCle.empty()) corps["api_key"] = r.TradCle;
    RequeteHttp requete;
    requete.Methode = "POST";
    requete.Adresse = r.TradServeur + "/translate";
    requete.EnTetes = {{"Content-Type", "application/json"}, {"User-Agent", AgentUtilisateur}};
    // Text that is no UTF-8 goes with its faulty bytes replaced rather than not at all.
    requete.Corps = corps.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
    const ReponseHttp reponse = f.Systeme.Requete(requete);

    const ReponseServeur lu = LitReponseServeur(reponse.Texte);
    if (reussie(reponse) && lu.Traduction) return *lu.Traduction;
    // The server says what went wrong when it can; otherwise the wait ran out.
    flash(f, lu.Erreur.empty() ? f.Msg(MsgTempsDepasse) : lu.Erreur, CouleurRouge);
    return {};
}

// What is translated: the enlarged description, or every proposition shown followed by a line
// break and "·", or the path history.
std::string texteATraduire(Traduction &t) {
    const Lamelix &f = t.Principale;
    if (t.Option4[1].Value) return f.Text1.Text;
    if (f.zoomDesc.Visible) return f.zoomDesc.Text;
    std::string texte;
    for (const ElementListe &ligne : f.List1.Items)
        texte += ligne.Texte + "\r\n\xC2\xB7";
    return texte;
}

void traduit(Traduction &t) {
    Lamelix &f = t.Principale;
    if (!f.Frame14.Visible) return;
    t.CodeCible = CodeLangue(f.lgr.TexteSelectionne());
    t.CodeSource = CodeLangue(f.lgs.TexteSelectionne());
    if (!t.Connecte) t.Connecte = IsWebConnected(t);
    if (!t.Connecte) {
        flash(f, f.Msg(MsgInternetNonConnecte), CouleurRouge);
        return;
    }
    const std::string texte = texteATraduire(t);
    if (texte.empty()) return;
    std::string resultat;
    Translate(t, texte, t.CodeSource, t.CodeCible, {}, resultat);
    t.result.SetText(Remplace(resultat, "?", "\r\n"));
}

void arreteLaPage(Traduction &t) {
    t.timer1.SetEnabled(false);
    t.TempsPasse = 0;
    t.w.Arrete();
}

// "0 .00": the whole seconds, a blank, then the point and two decimals.
std::string secondes(int32_t compteur) {
    char texte[32];
    const long centiemes = compteur / 100;
    std::snprintf(texte, sizeof texte, "%ld .%02ld secondes", centiemes / 100, centiemes % 100);
    return texte;
}

} // namespace

Traduction::Traduction(Lamelix &principale) : Principale(principale) {
    Option4[0].Caption = "Descriptions";
    Option4[1].Caption = "Historique";
    Option4[0].Value = true;
    traduirebtn[0].Caption = "&Traduire";
    traduirebtn[1].Caption = "Copier";
    traduirebtn[2].Caption = "Fermer";
    timer1.Enabled = false;
}

ReponseServeur LitReponseServeur(const std::string &json) {
    ReponseServeur r;
    const nlohmann::json lu = nlohmann::json::parse(json, nullptr, false);
    if (!lu.is_object()) return r;
    const auto texte = lu.find("translatedText");
    if (texte != lu.end() && texte->is_string()) r.Traduction = texte->get<std::string>();
    const auto erreur = lu.find("error");
    if (erreur != lu.end() && erreur->is_string()) r.Erreur = erreur->get<std::string>();
    return r;
}

void traduirebtn_Click(Traduction &t, int index) {
    SousPiege([&] {
        Lamelix &f = t.Principale;
        switch (index) {
        case 0:
            traduit(t);
            break;
        case 1: // the translation to the clipboard
            if (!t.result.Text.empty()) f.Systeme.PressePapierTexte(t.result.Text);
            break;
        case 2:
            f.Frame14.SetVisible(false);
            break;
        default:
            break;
        }
    });
}

void Translate(Traduction &t, const std::string &texte, const std::string &source,
               const std::string &cible, const std::string &adresse, std::string &result) {
    Lamelix &f = t.Principale;
    ++t.Traductions;
    result = adresse.empty() && f.Options().TradService == "json"
                 ? parLeServeur(f, texte, source, cible)
                 : parLaPage(f, texte, source, cible, adresse);
}

bool IsWebConnected(Traduction &t) {
    return t.Principale.Systeme.ConnexionInternet();
}

void Text1_Change(Traduction &t) {
    if (t.Principale.Check4.Value == 1) traduirebtn_Click(t, 0);
}

void w_Ouvre(Traduction &t, const std::string &adresse, const std::string &html) {
    t.w.Occupee = true;
    t.w.Affiche(adresse, html);
    t.TempsPasse = 0;
    t.timer1.SetEnabled(true);
}

void w_CommandStateChange(Traduction &t, int commande, bool) {
    if (commande != -1) return;
    SousPiege([&] {
        t.w.Occupee = false;
        const std::string traduit = TexteDeLElement(t.w.Html, "result_box").value_or("");
        t.result.SetText(Remplace(Remplace(traduit, "\xC2\xB0", "\r\n"), "\xC2\xB7", "\r\n"));
        t.source.SetText(TexteDeLElement(t.w.Html, "text").value_or(""));
    });
}

void timer1_Timer(Traduction &t) {
    if (!t.timer1.Enabled) return;
    Lamelix &f = t.Principale;
    t.DerniereAdresse = t.w.Adresse;
    t.TempsPasse += 100;
    t.temps_passe.SetCaption(secondes(t.TempsPasse));
    const std::string debut = t.DerniereAdresse.substr(0, 8);
    if (debut == "http:///" || t.result.Text.empty()) {
        flash(f, TraductionIncomplete, CouleurRouge);
        arreteLaPage(t);
        t.result.SetText({});
        return;
    }
    // A page of the translation site, or a translation page saved on this machine, is complete
    // once it has loaded.
    if ((debut == "http://t" || debut == "file:///") && !t.w.Occupee) {
        arreteLaPage(t);
        return;
    }
    if (t.TempsPasse <= AttenteMax) return;
    if (IsWebConnected(t))
        f.Systeme.Message(f.Msg(MsgTempsDepasse));
    else
        flash(f, f.Msg(MsgInternetNonConnecte), CouleurRouge);
    arreteLaPage(t);
}

} // namespace lamelix
