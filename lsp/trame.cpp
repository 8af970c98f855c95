#include "lsp/trame.hpp"

#include <cctype>
#include <charconv>
#include <optional>

namespace lamelix {

namespace {

// One header line without its CR LF; nullopt at the end of the input. A line over the bound is
// read to its end and returned cut, trop set.
std::optional<std::string> LigneEnTete(std::istream &entree, bool &trop) {
    std::string ligne;
    for (int c; (c = entree.get()) != std::char_traits<char>::eof();) {
        if (c == '\n') {
            if (!ligne.empty() && ligne.back() == '\r') ligne.pop_back();
            return ligne;
        }
        if (ligne.size() <= MaxLigneEnTete)
            ligne.push_back(static_cast<char>(c));
        else
            trop = true;
    }
    if (ligne.empty()) return std::nullopt;
    return ligne;
}

// Where the Content-Length header starts in the line, whatever its case: at 0 in a sound block;
// further on when the rest of a broken message came before it on the line.
std::size_t PositionLongueur(const std::string &ligne) {
    std::string minuscules(ligne);
    for (char &c : minuscules)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return minuscules.find("content-length:");
}

} // namespace

Trame LitTrame(std::istream &entree) {
    Trame t;
    std::optional<std::size_t> longueur;
    bool vue = false; // a header line was read
    for (;;) {
        bool trop = false;
        const std::optional<std::string> ligne = LigneEnTete(entree, trop);
        if (!ligne) {
            t.Issue = vue ? IssueTrame::Tronque : IssueTrame::Fin;
            return t;
        }
        if (trop) t.Pourquoi = "ligne d'en-tête trop longue";
        if (ligne->empty()) {
            if (!vue) continue; // blank lines between messages
            break;
        }
        vue = true;
        const std::size_t position = PositionLongueur(*ligne);
        if (position == std::string::npos) continue; // Content-Type and the like
        if (position > 0) t.Saute = true;
        std::string_view valeur(*ligne);
        valeur.remove_prefix(position + 15);
        while (!valeur.empty() && valeur.front() == ' ')
            valeur.remove_prefix(1);
        std::size_t n = 0;
        const auto [fin, erreur] = std::from_chars(valeur.data(), valeur.data() + valeur.size(), n);
        if (erreur != std::errc{} || fin != valeur.data() + valeur.size())
            t.Pourquoi = "Content-Length illisible";
        else
            longueur = n;
    }
    if (!longueur && t.Pourquoi.empty()) t.Pourquoi = "Content-Length absent";
    if (!t.Pourquoi.empty() && !longueur) {
        t.Issue = IssueTrame::Invalide;
        return t;
    }
    if (*longueur > MaxCorps) {
        // Read past the body, so that the next message is found where it starts.
        entree.ignore(static_cast<std::streamsize>(*longueur));
        t.Issue = entree.gcount() == static_cast<std::streamsize>(*longueur) ? IssueTrame::Invalide
                                                                             : IssueTrame::Tronque;
        t.Pourquoi = "message de plus de 64 Mio";
        return t;
    }
    t.Corps.resize(*longueur);
    entree.read(t.Corps.data(), static_cast<std::streamsize>(*longueur));
    if (entree.gcount() != static_cast<std::streamsize>(*longueur)) {
        t.Corps.resize(static_cast<std::size_t>(entree.gcount()));
        t.Issue = IssueTrame::Tronque;
        t.Pourquoi = "message tronqué";
        return t;
    }
    t.Issue = t.Pourquoi.empty() ? IssueTrame::Message : IssueTrame::Invalide;
    return t;
}

void EcritTrame(std::ostream &sortie, const std::string &corps) {
    sortie << "Content-Length: " << corps.size() << "\r\n\r\n" << corps;
    sortie.flush();
}

} // namespace lamelix
