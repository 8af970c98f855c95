// The key to a three-column table and back.

#include "tools/echange_tableau.hpp"

#include "key/requetes_cle.hpp"
#include "platform/texte.hpp"
#include "tools/cellule_tableau.hpp"
#include "tools/lignes_fichier.hpp"

#include <cstdint>
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

// Walks well-formed UTF-8 (shortest forms, no surrogates) code point by code point, each handed
// to chaque, which may stop the walk by returning false: false when the text is not such UTF-8
// or the walk was stopped.
template <class Chaque> bool ParcourtUtf8(std::string_view t, Chaque chaque) {
    for (std::size_t i = 0; i < t.size();) {
        const auto b = static_cast<unsigned char>(t[i]);
        int suite = -1; // the continuation bytes the lead byte announces
        if (b < 0x80)
            suite = 0;
        else if ((b >> 5) == 6)
            suite = 1;
        else if ((b >> 4) == 14)
            suite = 2;
        else if ((b >> 3) == 30)
            suite = 3;
        if (suite < 0 || t.size() - i <= static_cast<std::size_t>(suite)) return false;
        uint32_t cp = suite == 0 ? b : b & (0x3Fu >> suite);
        for (int k = 1; k <= suite; ++k) {
            const auto c = static_cast<unsigned char>(t[i + static_cast<std::size_t>(k)]);
            if ((c & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (c & 0x3Fu);
        }
        static constexpr uint32_t minimum[] = {0, 0x80, 0x800, 0x10000};
        if (cp < minimum[suite] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
        if (!chaque(cp)) return false;
        i += static_cast<std::size_t>(suite) + 1;
    }
    return true;
}

bool EstUtf8Strict(std::string_view t) {
    return ParcourtUtf8(t, [](uint32_t) { return true; });
}

// The Windows-1252 bytes of a UTF-8 text, or nothing when a character has no byte there.
std::optional<std::string> EnWindows1252(std::string_view texte) {
    std::string octets;
    octets.reserve(texte.size());
    const bool tout = ParcourtUtf8(texte, [&](uint32_t cp) {
        if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
            octets += static_cast<char>(cp);
            return true;
        }
        for (unsigned b = 0x80; b <= 0x9F; ++b)
            if (CodePointWindows1252(static_cast<unsigned char>(b)) == cp) {
                octets += static_cast<char>(b);
                return true;
            }
        return false;
    });
    if (!tout) return std::nullopt;
    return octets;
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
    if (r.Champs.size() != 3) return false;
    for (const std::string &champ : r.Champs) {
        const std::string mot = SansBlancs(champ);
        if (mot.empty() || mot.find("\xEF\xBB\xBF") != std::string::npos) return false;
        for (const char c : mot) {
            const auto u = static_cast<unsigned char>(c);
            const bool lettre = (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || u >= 0x80;
            if (!lettre && std::string_view(" '-_/()").find(c) == std::string_view::npos)
                return false;
        }
    }
    return true;
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
        if (const auto ansi = EnWindows1252(texte)) {
            resultat_.Octets = *ansi;
        } else {
            resultat_.Utf8 = true;
            resultat_.Octets = std::string("rem$UTF8$") + FinLigneTableau + texte;
        }
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
