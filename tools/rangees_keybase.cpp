// The separator is a tab when one of the first lines holds one: statements hold commas, never
// tabs. Roles come from the header when there is one, else from the columns' places.

#include "tools/rangees_keybase.hpp"

#include "platform/texte.hpp"
#include "tools/codage_tableau.hpp"
#include "tools/texte_html.hpp"

#include <algorithm>
#include <optional>
#include <set>

namespace lamelix {

namespace {

enum class Role { De, Proposition, Vers, SousCle, Raccourci, Complements, Aucun };

Role RoleDe(const std::string &nom) {
    static const std::pair<const char *, Role> noms[] = {
        {"from", Role::De},
        {"de", Role::De},
        {"couplet", Role::De},
        {"statement", Role::Proposition},
        {"proposition", Role::Proposition},
        {"lead", Role::Proposition},
        {"to", Role::Vers},
        {"vers", Role::Vers},
        {"destination", Role::Vers},
        {"subkey", Role::SousCle},
        {"sub key", Role::SousCle},
        {"sous cle", Role::SousCle},
        {"sous clé", Role::SousCle},
        {"shortcut", Role::Raccourci},
        {"raccourci", Role::Raccourci},
        {"complements", Role::Complements},
        {"compléments", Role::Complements},
    };
    for (const auto &[mot, role] : noms)
        if (nom == mot) return role;
    return Role::Aucun;
}

// A name reached through a chain of single taxa, "Genus:Genus species".
bool EstChaine(std::string_view vers) {
    const std::size_t deux = vers.find(':');
    return deux != std::string_view::npos && deux > 0 && deux + 1 < vers.size() &&
           vers[deux - 1] != ' ' && vers[deux + 1] != ' ';
}

class LectureDelimitee {
  public:
    LectureDelimitee(std::string_view t, char separateur) : t_(t), separateur_(separateur) {}

    std::vector<RangeeTableau> Lit() {
        std::vector<RangeeTableau> rangees;
        while (p_ < t_.size()) {
            RangeeTableau r{ligne_, {}};
            for (;;) {
                r.Champs.push_back(Champ());
                if (p_ >= t_.size() || FinDeLigne()) break;
                ++p_; // the separator
            }
            if (!(r.Champs.size() == 1 && QueDesBlancs(r.Champs[0])))
                rangees.push_back(std::move(r));
        }
        return rangees;
    }

  private:
    bool FinDeLigne() {
        if (t_[p_] != '\n' && t_[p_] != '\r') return false;
        p_ += t_[p_] == '\r' && p_ + 1 < t_.size() && t_[p_ + 1] == '\n' ? 2 : 1;
        ++ligne_;
        return true;
    }

    bool Fin(std::size_t q) const {
        return q >= t_.size() || t_[q] == separateur_ || t_[q] == '\n' || t_[q] == '\r';
    }

    std::string Champ() {
        if (t_[p_] == '"')
            if (auto cite = Cite()) return std::move(*cite);
        const std::size_t debut = p_;
        while (!Fin(p_))
            ++p_;
        return std::string(t_.substr(debut, p_ - debut));
    }

    // A quoted field, or nothing (and nothing read) when its quotes do not close it.
    std::optional<std::string> Cite() {
        std::string champ;
        long lignes = 0;
        for (std::size_t q = p_ + 1; q < t_.size(); ++q) {
            if (t_[q] == '"') {
                if (q + 1 < t_.size() && t_[q + 1] == '"') {
                    champ += '"';
                    ++q;
                    continue;
                }
                if (!Fin(q + 1)) return std::nullopt;
                p_ = q + 1;
                ligne_ += lignes;
                return champ;
            }
            if (t_[q] == '\r') continue;
            if (t_[q] == '\n') ++lignes;
            champ += t_[q];
        }
        return std::nullopt;
    }

    std::string_view t_;
    const char separateur_;
    std::size_t p_ = 0;
    long ligne_ = 1;
};

bool AvecTabulations(std::string_view texte) {
    std::size_t lignes = 0;
    for (std::size_t p = 0; p < texte.size() && lignes < 20; ++p) {
        if (texte[p] == '\t') return true;
        if (texte[p] == '\n') ++lignes;
    }
    return false;
}

} // namespace

std::string NomDeColonne(std::string_view titre) {
    std::string nom = Remplace(Remplace(SansBlancs(titre), "_", " "), "-", " ");
    for (char &c : nom)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return nom;
}

std::string TexteUtf8(std::string_view octets) {
    if (octets.substr(0, 3) == "\xEF\xBB\xBF") octets.remove_prefix(3);
    if (EstUtf8Strict(octets)) return std::string(octets);
    return Windows1252VersUtf8(octets);
}

std::vector<RangeeTableau> LitTsv(std::string_view texte) {
    return LectureDelimitee(texte, '\t').Lit();
}

RangeesKeyBase LitRangeesKeyBase(std::string_view octets) {
    const std::string texte = TexteUtf8(octets);
    RangeesKeyBase r;
    std::vector<RangeeTableau> brutes;
    const bool tabulations = AvecTabulations(texte);
    brutes = LectureDelimitee(texte, tabulations ? '\t' : ',').Lit();
    r.FormeKeyBase = tabulations;

    // The columns: named by the header, else in their usual places.
    std::vector<Role> roles{Role::De, Role::Proposition, Role::Vers, Role::Aucun,
                            Role::Complements};
    bool entete = false;
    if (!brutes.empty()) {
        const std::vector<std::string> &premiere = brutes.front().Champs;
        std::vector<Role> nommes;
        int connus = 0;
        for (const std::string &titre : premiere) {
            nommes.push_back(RoleDe(NomDeColonne(titre)));
            connus += nommes.back() != Role::Aucun;
        }
        std::set<std::string> de;
        for (std::size_t k = 1; k < brutes.size(); ++k)
            if (!brutes[k].Champs.empty()) de.insert(SansBlancs(brutes[k].Champs[0]));
        if (connus >= 2) {
            entete = true;
            // A heading of the first three columns that names nothing keeps its place's role.
            for (std::size_t k = 0; k < 3 && k < nommes.size(); ++k)
                if (nommes[k] == Role::Aucun &&
                    std::find(nommes.begin(), nommes.end(), roles[k]) == nommes.end())
                    nommes[k] = roles[k];
            roles = nommes;
            r.FormeKeyBase |= NomDeColonne(premiere[0]) == "from";
        } else if (premiere.size() >= 3 && QueDesMots(premiere) &&
                   !de.count(SansBlancs(premiere[0]))) {
            // Words only, and a first column that no other row uses as a couplet: the
            // author's own headings.
            entete = true;
        }
    }
    if (entete) brutes.erase(brutes.begin());

    // A fourth column without a heading: subkeys when its names are reached by leads, else
    // the taxa shortcuts end at.
    if (!entete) {
        std::set<std::string> vers;
        for (const RangeeTableau &b : brutes)
            if (b.Champs.size() > 2) vers.insert(SansBlancs(b.Champs[2]));
        roles[3] = Role::Raccourci;
        for (const RangeeTableau &b : brutes)
            if (b.Champs.size() > 3 && !SansBlancs(b.Champs[3]).empty() &&
                vers.count(SansBlancs(b.Champs[3])))
                roles[3] = Role::SousCle;
    }
    const auto place = [&](Role role) {
        const auto it = std::find(roles.begin(), roles.end(), role);
        return it == roles.end() ? std::string::npos : static_cast<std::size_t>(it - roles.begin());
    };
    const std::size_t de = place(Role::De), prop = place(Role::Proposition),
                      vers = place(Role::Vers);
    if (de == std::string::npos || prop == std::string::npos || vers == std::string::npos) {
        r.Illisibles.push_back({1, "l'en-tête ne nomme pas les colonnes de, proposition et vers "
                                   "(from, statement, to)"});
        return r;
    }
    const std::size_t requis = std::max({de, prop, vers}) + 1;
    for (RangeeTableau &b : brutes) {
        if (b.Champs.size() < requis) {
            r.Illisibles.push_back(
                {b.Ligne, std::to_string(b.Champs.size()) + " champ(s) : il en faut au moins " +
                              std::to_string(requis) + " (de, proposition, vers)"});
            continue;
        }
        if (std::any_of(b.Champs.begin(), b.Champs.end(),
                        [](const std::string &c) { return c.size() > MaxOctetsChamp; })) {
            r.Illisibles.push_back(
                {b.Ligne, "champ de plus de " + std::to_string(MaxOctetsChamp) + " octets"});
            continue;
        }
        const auto champ = [&](Role role) {
            const std::size_t k = place(role);
            return k < b.Champs.size() ? std::move(b.Champs[k]) : std::string();
        };
        RangeeKeyBase k;
        k.Ligne = b.Ligne;
        k.De = champ(Role::De);
        k.Proposition = champ(Role::Proposition);
        k.Vers = champ(Role::Vers);
        k.SousCle = champ(Role::SousCle);
        k.Raccourci = champ(Role::Raccourci);
        k.Complements = champ(Role::Complements);
        r.FormeKeyBase |= b.Champs.size() > 3 || EstChaine(SansBlancs(k.Vers)) ||
                          ContientHtml(k.Proposition) || ContientHtml(k.Vers);
        r.Rangees.push_back(std::move(k));
    }
    std::sort(r.Illisibles.begin(), r.Illisibles.end(),
              [](const ErreurTableau &a, const ErreurTableau &b) { return a.Ligne < b.Ligne; });
    return r;
}

} // namespace lamelix
