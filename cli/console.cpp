#include "cli/console.hpp"

namespace lamelix {

bool ServicesConsole::ShellEx(const std::string &cible, const std::string &) {
    sortie_ << "ouvre: " << Echappe(cible) << '\n';
    return true;
}

void ServicesConsole::Message(const std::string &texte, const std::string &) {
    sortie_ << "message: " << Echappe(texte) << '\n';
}

int ServicesConsole::Question(const std::string &texte, const std::string &) {
    sortie_ << "question: " << Echappe(texte) << (oui_ ? " -> oui" : " -> non") << '\n';
    return oui_ ? ReponseOui : ReponseNon;
}

void ServicesConsole::PressePapierTexte(const std::string &texte) {
    pressePapier_ = texte;
    sortie_ << "presse-papier: " << Echappe(texte) << '\n';
}

ReponseHttp ServicesConsole::Requete(const RequeteHttp &) {
    ReponseHttp reponse;
    reponse.Erreur = "pas de réseau en ligne de commande";
    return reponse;
}

double ServicesConsole::Chrono() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - depart_).count();
}

} // namespace lamelix
