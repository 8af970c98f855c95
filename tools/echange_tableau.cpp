// The key to a three-column table and back.

#include "tools/echange_tableau.hpp"

#include "key/requetes_cle.hpp"
#include "platform/texte.hpp"
#include "tools/cellule_tableau.hpp"
#include "tools/codage_tableau.hpp"
#include "tools/lignes_fichier.hpp"

#include <optional>
#include <unordered_map>

namespace lamelix {

namespace {

const char *const FinLigneTableau = "\r\n";
// The most errors reported: a table that is not one at all stops being listed there.
constexpr std::size_t ErreursMontrees = 50;

std::optional<long> Numero(const std::string &texte) {
    if (texte.empty() || texte.size() > 6) return std::nullopt;
    long n = 0;
    for (char c : texte) {
        if (c < '0' || c > '9') return std::nullopt;
        n = n * 10 + (c - '0');
    }
    return n;
}

struct Proposition {
    long Ligne = 0; // of the table
    long De = 0;
    std::string Texte;
    std::optional<long> Vers; // a couplet; else the taxon in Taxon (maybe empty)
    std::string Taxon;
};

// The header row: words naming the three columns (de, proposition, vers, or the author's own),
// nothing like a couplet number. A first row with a digit, a dot, a sign or a second byte order
// mark in it is a faulty row of the key, reported as such.
bool EstEnTete(const RangeeTableau &r) {
    return r.Champs.size() == 3 && QueDesMots(r.Champs);
}

// The errors kept of one kind: the first ErreursMontrees, however many the table has.
struct Erreurs {
    std::vector<ErreurTableau> Gardees;
    std::size_t Nombre = 0;

    void Ajoute(ErreurTableau e) {
        if (++Nombre <= ErreursMontrees) Gardees.push_back(std::move(e));
    }
};

// The table is read record by record: only the propositions a key can hold and the errors shown
// are kept, so that a table of any size takes little memory.
class Importation {
  public:
    CleImportee Fait(std::string_view tableau) {
        bool premiere = true;
        LitTableau(
            tableau,
            [&](RangeeTableau &&r) {
                const bool entete = premiere && EstEnTete(r);
                premiere = false;
                if (!entete) Lit(r);
            },
            [&](ErreurTableau &&e) { lecture_.Ajoute(std::move(e)); });
        if (propositions_.empty() && lecture_.Nombre + cle_.Nombre == 0)
            Erreur(1, "le tableau ne contient aucune proposition");
        VerifieLesRenvois();
        if (lecture_.Nombre + cle_.Nombre == 0) Ecrit();
        // The reader's errors first, then the key's, as many as are shown.
        resultat_.Erreurs = std::move(lecture_.Gardees);
        for (ErreurTableau &e : cle_.Gardees)
            resultat_.Erreurs.push_back(std::move(e));
        if (resultat_.Erreurs.size() > ErreursMontrees) resultat_.Erreurs.resize(ErreursMontrees);
        return std::move(resultat_);
    }

  private:
    void Erreur(long ligne, std::string message) { cle_.Ajoute({ligne, std::move(message)}); }

    void Lit(const RangeeTableau &r) {
        if (r.Champs.size() != 3) {
            Erreur(r.Ligne, std::to_string(r.Champs.size()) +
                                " champ(s) au lieu de 3 (couplet, proposition, destination)");
            return;
        }
        for (const std::string &champ : r.Champs)
            if (!EstUtf8Strict(champ)) {
                Erreur(r.Ligne, "texte qui n'est pas de l'UTF-8");
                return;
            }
        Proposition p;
        p.Ligne = r.Ligne;
        const auto de = Numero(SansBlancs(r.Champs[0]));
        if (!de || *de == 0) {
            Erreur(r.Ligne, "le couplet « " + r.Champs[0] + " » n'est pas un nombre de 1 à 999999");
            return;
        }
        p.De = *de;
        p.Texte = Remplace(CelluleLue(r.Champs[1]), "\r", "");
        const std::string vers = SansBlancs(CelluleLue(r.Champs[2]));
        if (p.Texte.find('$') != std::string::npos || vers.find('$') != std::string::npos) {
            Erreur(r.Ligne, "« $ » sépare les champs d'une ligne de clé : il ne peut pas figurer "
                            "dans le texte");
            return;
        }
        if (vers.find_first_of("\r\n") != std::string::npos) {
            Erreur(r.Ligne, "le nom du taxon tient sur une ligne");
            return;
        }
        if (const auto n = Numero(vers); n && *n > 0)
            p.Vers = *n;
        else if (!n)
            p.Taxon = vers;
        if (p.Vers && *p.Vers == p.De) {
            Erreur(r.Ligne, "la proposition mène à son propre couplet " + vers);
            return;
        }
        if (!rang_.count(p.De)) {
            rang_[p.De] = static_cast<long>(ordre_.size()) + 1;
            ordre_.emplace_back();
        }
        lignesCle_ += static_cast<long>(Decoupe(p.Texte, '\n').size());
        // Past what a key holds the table is refused: its rows are only counted.
        if (lignesCle_ > MaxLignesCle) return;
        ordre_[static_cast<std::size_t>(rang_[p.De] - 1)].push_back(propositions_.size());
        propositions_.push_back(std::move(p));
    }

    void VerifieLesRenvois() {
        for (const Proposition &p : propositions_)
            if (p.Vers && !rang_.count(*p.Vers))
                Erreur(p.Ligne, "la proposition mène au couplet " + std::to_string(*p.Vers) +
                                    ", qui n'a aucune proposition");
        if (lignesCle_ > MaxLignesCle)
            Erreur(1, "le tableau donne " + std::to_string(lignesCle_) +
                          " lignes de clé : une clé en tient " + std::to_string(MaxLignesCle) +
                          " au plus");
    }

    void Ecrit() {
        std::string texte;
        for (std::size_t k = 0; k < ordre_.size(); ++k) {
            const std::string e = std::to_string(k + 1);
            for (std::size_t indice : ordre_[k]) {
                const Proposition &p = propositions_[indice];
                const std::vector<std::string> lignes = Decoupe(p.Texte, '\n');
                const std::string s = p.Vers ? std::to_string(rang_.at(*p.Vers)) : "0";
                texte += e + ", " + s + " $" + lignes[0] + (p.Vers ? "" : "$" + p.Taxon) +
                         FinLigneTableau;
                for (std::size_t n = 1; n < lignes.size(); ++n)
                    texte += e + ", 0, N $" + lignes[n] + FinLigneTableau;
            }
        }
        resultat_.Octets = OctetsDeCle(texte, resultat_.Utf8);
    }

    CleImportee resultat_;
    Erreurs lecture_; // records the reader could not read
    Erreurs cle_;     // rows that make no key
    std::vector<Proposition> propositions_;
    std::unordered_map<long, long> rang_;         // couplet of the table to entity of the key
    std::vector<std::vector<std::size_t>> ordre_; // each entity's propositions, in table order
    long lignesCle_ = 0;
};

} // namespace

std::string ChampTableau(std::string_view texte) {
    std::string cellule = CelluleEcrite(texte);
    if (cellule.find_first_of(",\"\r\n") == std::string::npos) return cellule;
    std::string champ(1, '"');
    champ += Remplace(cellule, "\"", "\"\"");
    champ += '"';
    return champ;
}

std::string TableauDeLaCle(const CleCompilee &cle) {
    std::string t = std::string("de,proposition,vers") + FinLigneTableau;
    const long n = NombreLignesCle(cle);
    for (long i = 1; i <= n; ++i) {
        const LigneCle &l = cle.TabLignes(i);
        if (l.E < 1 || EstNote(cle, i)) continue;
        std::string texte = SansBlancs(l.Description);
        for (long j = i + 1; j <= n && EstNote(cle, j); ++j)
            texte.append(1, '\n').append(SansBlancs(cle.TabLignes(j).Description));
        const std::string vers = l.S > 0 ? std::to_string(l.S) : SansBlancs(l.NomEspece);
        t += std::to_string(l.E) + "," + ChampTableau(texte) + "," + ChampTableau(vers) +
             FinLigneTableau;
    }
    return t;
}

CleImportee CleDuTableau(std::string_view tableau) {
    return Importation().Fait(tableau);
}

} // namespace lamelix
