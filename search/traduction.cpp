// The translation of the propositions, the enlarged description or the path history, through a
// translation web page or a translation server, and the page-based path that reads a
// translation page shown in the panel's view.

#include "search/traduction.hpp"

#include "platform/piege.hpp"
#include "platform/texte.hpp"
#include "search/langues_traduction.hpp"
#include "search/liens_web.hpp"
#include "search/page_bornee.hpp"
#include "search/page_html.hpp"

#include <cstdio>
#include <functional>
#include <nlohmann/json.hpp>
#include <optional>

namespace lamelix {

namespace {

const char *const AgentUtilisateur = "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)";
const char *const TraductionIncomplete = "La traduction est incomplère : nouvel essai";
constexpr int32_t AttenteMax = 100000;

// The panel's line that says where the translation stands.
void signale(Traduction &t, const std::string &texte, uint32_t couleur) {
    t.Etat.SetForeColor(couleur);
    t.Etat.SetCaption(texte);
}

// The request to a translation service, announced in the panel while it is awaited. The
// failure that kept it from bringing an answer is told there too; nothing comes back then.
std::optional<std::string> demande(Traduction &t, const RequeteHttp &requete,
                                   const std::function<std::string(const std::string &)> &mot) {
    Lamelix &f = t.Principale;
    const std::string serveur = ServeurDe(requete.Adresse);
    signale(t, f.Msg(MsgAttenteService) + " " + serveur + "\xE2\x80\xA6", CouleurNoir);
    const ReponseHttp reponse = f.Systeme.Requete(requete);
    const std::string echec = EchecRequete(
        reponse, requete.Adresse, reponse.Statut != 0 ? mot(reponse.Texte) : "", f.Prog.Textes);
    if (!echec.empty()) {
        signale(t, echec, CouleurRouge);
        return std::nullopt;
    }
    signale(t, f.Msg(MsgTraductionRecue) + " " + serveur, CouleurNoir);
    return reponse.Texte;
}

// An answer that holds no translation: said, and nothing shown.
std::string sansTraduction(Traduction &t, const std::string &pourquoi) {
    signale(t, pourquoi, CouleurRouge);
    return {};
}

// The translation page: the text travels in the address, percent-encoded.
std::string parLaPage(Traduction &t, const std::string &texte, const std::string &source,
                      const std::string &cible, const std::string &adresse) {
    Lamelix &f = t.Principale;
    RequeteHttp requete;
    requete.Methode = "POST";
    requete.Adresse = !adresse.empty()
                          ? adresse
                          : f.Options().TradPage + "/m?&sl=" + source + "&tl=" + cible +
                                "&ie=UTF-8&prev=_m&q=" + EncodeRequete(texte);
    requete.EnTetes = {{"User-Agent", AgentUtilisateur}};
    const auto page = demande(t, requete, [](const std::string &) { return std::string{}; });
    if (!page) return {};
    std::string traduit = PremierDivT0(*page);
    return traduit.empty() ? sansTraduction(t, f.Msg(MsgReponseSansTraduction)) : traduit;
}

// A translation server: the text in a JSON body, the translation in the JSON answer.
std::string parLeServeur(Traduction &t, const std::string &texte, const std::string &source,
                         const std::string &cible) {
    const Reglages &r = t.Principale.Options();
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
    // The server says in its answer what went wrong, when it can.
    const auto reponse =
        demande(t, requete, [](const std::string &json) { return LitReponseServeur(json).Erreur; });
    if (!reponse) return {};
    const ReponseServeur lu = LitReponseServeur(*reponse);
    const Lamelix &f = t.Principale;
    if (!lu.Json) return sansTraduction(t, f.Msg(MsgReponsePasJson));
    if (lu.Traduction) return *lu.Traduction;
    return sansTraduction(t, lu.Erreur.empty() ? f.Msg(MsgReponseSansTraduction)
                                               : f.Msg(MsgServiceEnErreur) + " " + lu.Erreur);
}

// The target language, when the user has chosen none (or keeps the one the panel chose): the
// one that suits the interface and the key now loaded.
void choisitLaCible(Traduction &t) {
    Lamelix &f = t.Principale;
    const int choisie = f.lgr.ListIndex;
    if (!CodeLangue(f.lgr.TexteSelectionne()).empty() && choisie != t.CibleChoisieParLePanneau)
        return;
    const std::string langue = LangueCibleParDefaut(f.Options().LangueM, f.lgs.TexteSelectionne());
    for (int i = 0; i < f.lgr.ListCount(); ++i)
        if (f.lgr.Items[static_cast<std::size_t>(i)].Texte == langue) {
            if (i != choisie) f.lgr.Selectionne(i);
            t.CibleChoisieParLePanneau = i;
        }
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
    choisitLaCible(t);
    t.CodeCible = CodeLangue(f.lgr.TexteSelectionne());
    t.CodeSource = CodeLangue(f.lgs.TexteSelectionne());
    if (!t.Connecte) t.Connecte = IsWebConnected(t);
    if (!t.Connecte) {
        signale(t, f.Msg(MsgInternetNonConnecte), CouleurRouge);
        return;
    }
    const std::string texte = texteATraduire(t);
    if (texte.empty()) return;
    // The translation shown until then stays while the new one is awaited.
    std::string resultat;
    Translate(t, texte, t.CodeSource, t.CodeCible, {}, resultat);
    const bool coupee = CoupeTexte(resultat, TraductionMax);
    resultat = Remplace(resultat, "?", "\r\n");
    if (coupee) {
        resultat += "\r\n[" + f.Msg(MsgTraductionCoupee) + "]";
        signale(t, f.Msg(MsgTraductionCoupee), CouleurRouge);
    }
    t.result.SetText(std::move(resultat));
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
    ++t.Traductions;
    result = adresse.empty() && t.Principale.Options().TradService == "json"
                 ? parLeServeur(t, texte, source, cible)
                 : parLaPage(t, texte, source, cible, adresse);
}

bool IsWebConnected(Traduction &t) {
    return t.Principale.Systeme.ConnexionInternet();
}

void Text1_Change(Traduction &t) {
    if (t.Principale.Check4.Value == 1) traduirebtn_Click(t, 0);
}

void w_Ouvre(Traduction &t, const std::string &adresse, const std::string &html) {
    t.w.Occupee = true;
    // The view shows the page as the translation reads it: bounded, so that laying it out
    // cannot hold the window up either.
    t.w.Affiche(adresse, PageBornee(html));
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
        signale(t, TraductionIncomplete, CouleurRouge);
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
        signale(t, f.Msg(MsgInternetNonConnecte), CouleurRouge);
    arreteLaPage(t);
}

} // namespace lamelix
