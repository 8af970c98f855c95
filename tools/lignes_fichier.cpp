#include "tools/lignes_fichier.hpp"

#include "key/champs.hpp"
#include "platform/erreur.hpp"
#include "platform/fichiers.hpp"
#include "platform/services.hpp"
#include "platform/texte.hpp"
#include "platform/utf8.hpp"

#include <algorithm>

namespace lamelix {

std::string LitFichierOutils(const std::string &chemin) {
    std::string pourquoi;
    auto octets = LireOctets(chemin, &pourquoi);
    if (!octets) throw ErreurExecution(pourquoi + " : " + chemin);
    return std::move(*octets);
}

std::vector<std::string> LignesSansRetour(std::string_view octets) {
    std::vector<std::string> lignes;
    // Each line is cut whole at its line feed; its carriage returns, wherever they are, dropped.
    for (std::size_t debut = 0; debut < octets.size();) {
        const std::size_t fin = std::min(octets.find('\n', debut), octets.size());
        AjouteSansRetours(lignes.emplace_back(), octets.substr(debut, fin - debut));
        debut = fin + 1;
    }
    return lignes;
}

std::vector<std::string> LignesDecodeesCommeLaCle(std::string_view octets) {
    std::vector<std::string> lignes = LignesSansRetour(octets);
    bool utf8 = !lignes.empty() && lignes.front().find(MarqueBomRem) != std::string::npos;
    for (std::string &ligne : lignes) {
        ligne = utf8 ? DecodeUTF8(ligne) : Windows1252VersUtf8(ligne);
        utf8 = utf8 || DeclareUTF8(ligne);
    }
    return lignes;
}

bool LigneNumerotable(std::string_view ligne) {
    // Most lines of a text have no "$": they are answered before any copy is made.
    if (ligne.find('$') == std::string_view::npos) return false;
    const std::string texte = SansBlancs(ligne);
    if (Majuscules(PremiersCaracteres(texte, 3)) == "REM") return false;
    return texte.find('$') != std::string::npos;
}

std::string TeteDeLigne(std::string_view ligne) {
    return Majuscules(SansBlancs(DecodeUTF8(ligne.substr(0, ligne.find('$')))));
}

namespace {

// A head that numbers nothing: the directives, and an empty head (the txt key marker
// "$FICHIER CLE$", which the compiler skips as it skips every line without an entity).
bool EstEnTeteSpeciale(const std::string &tete) {
    return tete.empty() || tete == "TITRE" || tete == "COM" || tete == "CODAGETXT";
}

} // namespace

void ParcourtLignesNumerotees(const std::vector<std::string> &lignes, Horloge &horloge,
                              const std::function<void(long, const std::string &)> &numerotee,
                              const std::function<void(const std::string &)> &autre) {
    long k = 0;
    for (const std::string &ligne : lignes) {
        if (LigneNumerotable(ligne) && !EstEnTeteSpeciale(TeteDeLigne(ligne))) {
            ++k;
            numerotee(k, ligne);
        } else {
            autre(ligne);
        }
        horloge.Patiente();
    }
}

std::vector<std::string> Decoupe(const std::string &texte, char separateur) {
    std::vector<std::string> morceaux;
    std::size_t debut = 0;
    while (true) {
        const std::size_t fin = texte.find(separateur, debut);
        morceaux.push_back(texte.substr(debut, fin == std::string::npos ? fin : fin - debut));
        if (fin == std::string::npos) return morceaux;
        debut = fin + 1;
    }
}

} // namespace lamelix
