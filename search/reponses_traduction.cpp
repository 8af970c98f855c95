// How the translation services' answers are read, and what their failures say.

#include "search/reponses_traduction.hpp"

#include "settings/numeros_messages.hpp"

#include <nlohmann/json.hpp>

namespace lamelix {

ReponseServeur LitReponseServeur(const std::string &json) {
    ReponseServeur r;
    const nlohmann::json lu = nlohmann::json::parse(json, nullptr, false);
    if (!lu.is_object()) return r;
    r.Json = true;
    const auto texte = lu.find("translatedText");
    if (texte != lu.end() && texte->is_string()) r.Traduction = texte->get<std::string>();
    const auto erreur = lu.find("error");
    if (erreur != lu.end() && erreur->is_string()) r.Erreur = erreur->get<std::string>();
    return r;
}

std::string ServeurDe(const std::string &adresse) {
    const std::size_t schema = adresse.find("://");
    const std::size_t debut = schema == std::string::npos ? 0 : schema + 3;
    const std::size_t fin = adresse.find_first_of("/?#", debut);
    return adresse.substr(debut, fin == std::string::npos ? std::string::npos : fin - debut);
}

std::string EchecRequete(const ReponseHttp &reponse, const std::string &adresse,
                         const std::string &motServeur, const Messages &msg) {
    switch (reponse.Panne) {
    case PanneHttp::TropLongue:
        return msg[MsgReponseTropLongue];
    case PanneHttp::Delai:
        return msg[MsgTempsDepasse];
    case PanneHttp::Redirection:
        return msg[MsgRedirectionRefusee] + " " + reponse.Erreur;
    default:
        break;
    }
    // A server that answered with an error status said what went wrong; the transfer's own
    // words ("Not Found") would only repeat the status.
    if (reponse.Statut != 0 && (reponse.Statut < 200 || reponse.Statut >= 300))
        return msg[MsgServiceEnErreur] + " HTTP " + std::to_string(reponse.Statut) +
               (motServeur.empty() ? "" : ", " + motServeur);
    if (reponse.Panne != PanneHttp::Aucune || !reponse.Erreur.empty())
        return msg[MsgServiceInjoignable] + " " + ServeurDe(adresse) +
               (reponse.Erreur.empty() ? "" : " (" + reponse.Erreur + ")");
    return {};
}

bool CoupeTexte(std::string &texte, std::size_t max) {
    std::size_t caracteres = 0;
    for (std::size_t i = 0; i < texte.size(); ++i) {
        // A character begins at every byte that does not continue a UTF-8 sequence.
        if ((static_cast<unsigned char>(texte[i]) & 0xC0) == 0x80) continue;
        if (caracteres++ == max) {
            texte.resize(i);
            return true;
        }
    }
    return false;
}

} // namespace lamelix
