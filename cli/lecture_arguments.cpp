#include "cli/lecture_arguments.hpp"

#include "platform/fichiers.hpp"

#include <charconv>
#include <filesystem>
#include <system_error>

namespace lamelix {

namespace {

// A number the tools window's boxes take: an int no larger than 32767, a sign allowed.
bool estEntier(const std::string &texte) {
    int valeur = 0;
    const char *debut = texte.data() + (texte.rfind('-', 0) == 0 ? 1 : 0);
    auto [fin, ec] = std::from_chars(debut, texte.data() + texte.size(), valeur);
    return ec == std::errc{} && fin == texte.data() + texte.size() && valeur <= 32767;
}

std::vector<std::string> mots(const std::string &choix) {
    std::vector<std::string> liste;
    std::size_t debut = 0;
    for (std::size_t barre; (barre = choix.find('|', debut)) != std::string::npos;
         debut = barre + 1)
        liste.push_back(choix.substr(debut, barre - debut));
    liste.push_back(choix.substr(debut));
    return liste;
}

bool valide(const OptionCommande &o, const std::string &valeur) {
    switch (o.genre) {
    case GenreArgument::Entier:
        return estEntier(valeur);
    case GenreArgument::Choix:
        for (const std::string &m : mots(o.argument))
            if (valeur == m) return true;
        return false;
    default:
        return true;
    }
}

// What the option's argument must be, as the complaint says it.
std::string attendu(const OptionCommande &o) {
    if (o.genre == GenreArgument::Entier) return "un nombre entier";
    if (o.genre == GenreArgument::Fichier) return "un nom de fichier";
    std::string liste;
    for (const std::string &m : mots(o.argument))
        liste += (liste.empty() ? "" : " ou ") + m;
    return liste;
}

} // namespace

int ErreurUsage(const std::string &commande, const std::string &message, std::ostream &erreurs) {
    erreurs << "lamelix-outils: " << commande << ": " << message << " (essayez lamelix-outils help "
            << commande << ")\n";
    return 2;
}

Lecture LitArguments(const Commande &commande, const std::vector<std::string> &arguments,
                     std::ostream &erreurs) {
    const std::vector<OptionCommande> options = OptionsDe(commande);
    const auto refus = [&](const std::string &message) {
        ErreurUsage(commande.nom, message, erreurs);
        return Lecture{};
    };
    Appel appel;
    appel.commande = &commande;
    std::vector<std::string> operandes;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string &a = arguments[i];
        if (a == "--help" || a == "-h") return Lecture{std::nullopt, true};
        if (a.size() < 2 || a[0] != '-') { // "-" alone is a file name
            operandes.push_back(a);
            continue;
        }
        const OptionCommande *option = nullptr;
        for (const OptionCommande &o : options)
            if (a == o.nom) option = &o;
        if (option == nullptr) return refus("option inconnue : " + a);
        if (a == "--oui" || a == "--non") {
            appel.oui = a == "--oui";
        } else if (option->genre == GenreArgument::Aucun) {
            appel.drapeaux.insert(a);
        } else if (i + 1 < arguments.size() && valide(*option, arguments[i + 1])) {
            appel.valeurs[a] = arguments[++i];
        } else {
            return refus(a + " attend " + attendu(*option));
        }
    }
    if (commande.fichier == nullptr) { // a command that reads no file (the language server)
        if (!operandes.empty()) return refus("argument inattendu : " + operandes.front());
        return Lecture{std::move(appel), false};
    }
    if (operandes.empty()) return refus(std::string(commande.fichier) + " manquant");
    if (commande.suite == nullptr && operandes.size() > 1)
        return refus(std::string("un seul ") + commande.fichier + " attendu");
    for (const OptionCommande &o : options)
        if (o.obligatoire && appel.valeurs.count(o.nom) == 0)
            return refus(std::string("option ") + o.nom + ' ' + o.argument + " manquante");
    appel.fichier = operandes.front();
    appel.suite.assign(operandes.begin() + 1, operandes.end());
    std::error_code pasDossier;
    if (commande.dossier && std::filesystem::is_directory(appel.fichier, pasDossier))
        return Lecture{std::move(appel), false};
    if (const auto pourquoi = PourquoiIllisible(appel.fichier)) {
        erreurs << "lamelix-outils: " << commande.nom << ": impossible de lire " << appel.fichier
                << " (" << *pourquoi << ")\n";
        return {};
    }
    return Lecture{std::move(appel), false};
}

} // namespace lamelix
