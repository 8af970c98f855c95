#include "cli/console.hpp"

#include "platform/fichiers.hpp"

namespace lamelix {

std::string Echappe(const std::string &texte) {
    std::string sortie;
    sortie.reserve(texte.size());
    for (char c : texte) {
        switch (c) {
        case '\t':
            sortie += "\\t";
            break;
        case '\\':
            sortie += "\\\\";
            break;
        case '\r':
            sortie += "\\r";
            break;
        case '\n':
            sortie += "\\n";
            break;
        default:
            sortie += c;
        }
    }
    return sortie;
}

bool FichierLisibleOuSignale(const std::string &chemin, std::ostream &erreurs) {
    if (FichierLisible(chemin)) return true;
    erreurs << "lamelix-outils: impossible de lire " << chemin << '\n';
    return false;
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
