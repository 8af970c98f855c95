#include "key/decoupage.hpp"

#include "platform/nombres.hpp"
#include "platform/texte.hpp"

namespace lamelix {

Numerotation DecoupeNumerotation(const std::string &champ) {
    Numerotation n;
    std::size_t virgule = champ.find(',');
    if (virgule == std::string::npos) {
        n.Erreur = true;
        return n;
    }
    n.E = SansBlancs(champ.substr(0, virgule));
    std::string reste = SansBlancs(champ.substr(virgule + 1));
    std::size_t seconde = reste.find(',');
    if (seconde == std::string::npos) {
        n.S = reste;
    } else {
        n.S = reste.substr(0, seconde);
        n.X = reste.substr(seconde + 1);
    }
    return n;
}

std::string DecoupeChamp(std::string &texte, const std::string &sep) {
    std::size_t pos = texte.find(sep);
    std::string partie;
    if (pos == std::string::npos) {
        partie = std::move(texte);
        texte.clear();
    } else {
        partie = texte.substr(0, pos);
        texte.erase(0, pos + sep.size());
    }
    return partie;
}

bool TesteCS(const std::string &s, int16_t &n) {
    if (Majuscules(SansBlancs(PremiersCaracteres(s, 2))) != "CS") return false;
    n = VersEntier16(Valeur(std::string_view(s).substr(2)));
    return true;
}

} // namespace lamelix
