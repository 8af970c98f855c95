#include "key/champs.hpp"

#include "platform/texte.hpp"

namespace lamelix {

namespace {
bool estBlanc(char c) {
    return c == ' ' || c == '\t';
}
bool estFinLigne(char c) {
    return c == '\r' || c == '\n';
}
} // namespace

bool LecteurChamps::Lire(std::string &champ) {
    champ.clear();
    while (pos_ < octets_.size() && estBlanc(octets_[pos_]))
        ++pos_;
    if (pos_ >= octets_.size()) return false;
    if (octets_[pos_] == '"') {
        std::size_t fin = octets_.find('"', pos_ + 1);
        if (fin == std::string_view::npos) fin = octets_.size();
        champ.assign(octets_.substr(pos_ + 1, fin - pos_ - 1));
        pos_ = fin < octets_.size() ? fin + 1 : fin;
        // What follows the closing quote up to the delimiter is dropped.
        while (pos_ < octets_.size() && octets_[pos_] != ',' && !estFinLigne(octets_[pos_]))
            ++pos_;
    } else {
        std::size_t debut = pos_;
        while (pos_ < octets_.size() && octets_[pos_] != ',' && !estFinLigne(octets_[pos_]))
            ++pos_;
        std::size_t fin = pos_;
        while (fin > debut && estBlanc(octets_[fin - 1]))
            --fin;
        champ.assign(octets_.substr(debut, fin - debut));
    }
    if (pos_ < octets_.size()) {
        char delimiteur = octets_[pos_++];
        if (delimiteur == '\r' && pos_ < octets_.size() && octets_[pos_] == '\n') ++pos_;
    }
    return true;
}

std::string PremierChamp(std::string_view octets) {
    LecteurChamps lecteur(octets);
    std::string champ;
    lecteur.Lire(champ);
    return champ;
}

bool DeclareUTF8(std::string_view ligne) {
    const std::size_t dollar = ligne.find('$');
    if (dollar == std::string_view::npos) return false;
    if (Majuscules(SansBlancs(ligne.substr(0, dollar))) != "REM") return false;
    const std::string_view reste = ligne.substr(dollar + 1);
    const std::size_t fin = reste.find('$');
    return fin != std::string_view::npos && SansBlancs(reste.substr(0, fin)) == "UTF8";
}

} // namespace lamelix
