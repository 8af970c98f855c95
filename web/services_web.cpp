#include "web/services_web.hpp"

namespace lamelix {

std::vector<MessageWeb> ServicesWeb::Releve() {
    std::vector<MessageWeb> releve;
    releve.swap(releve_);
    return releve;
}

void ServicesWeb::Note(std::string genre, std::string texte) {
    releve_.push_back({std::move(genre), std::move(texte)});
}

void ServicesWeb::Message(const std::string &texte, const std::string &) {
    Note("message", texte);
}

int ServicesWeb::Question(const std::string &texte, const std::string &) {
    Note("question", texte);
    return oui_ ? ReponseOui : ReponseNon;
}

void ServicesWeb::PressePapierTexte(const std::string &texte) {
    pressePapier_ = texte;
    Note("presse-papier", texte);
}

bool ServicesWeb::ShellEx(const std::string &cible, const std::string &) {
    // A document of the key's folder is named as the page knows it: by its path in that folder.
    const bool dansDossier = cible.size() > dossier_.size() && cible.starts_with(dossier_);
    Note("ouvre", dansDossier ? cible.substr(dossier_.size()) : cible);
    return true;
}

ReponseHttp ServicesWeb::Requete(const RequeteHttp &) {
    ReponseHttp reponse;
    reponse.Erreur = "pas de réseau dans la page";
    reponse.Panne = PanneHttp::Injoignable;
    return reponse;
}

double ServicesWeb::Chrono() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - depart_).count();
}

} // namespace lamelix
