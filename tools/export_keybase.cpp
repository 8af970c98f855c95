// One pass finds each entity's part and each part's first entity and name, a second writes the
// rows.

#include "tools/export_keybase.hpp"

#include "key/requetes_cle.hpp"
#include "platform/texte.hpp"
#include "tools/cellule_tableau.hpp"

#include <map>
#include <set>

namespace lamelix {

namespace {

const char *const FinLigne = "\r\n";
const char *const Fleche = " \xE2\x80\xBA ";

// A field of a tab-separated row: quoted when it holds a tab, a line break or starts with a
// quote, as the reader takes it back.
std::string ChampTsv(std::string_view texte) {
    std::string cellule = CelluleEcrite(texte);
    if (cellule.find_first_of("\t\r\n") == std::string::npos &&
        (cellule.empty() || cellule[0] != '"'))
        return cellule;
    return "\"" + Remplace(cellule, "\"", "\"\"") + "\"";
}

struct PartieCle {
    long Premiere = 0; // its first entity
    long Base = 0;     // its lowest entity, numbered 1 in the table
    std::string Nom;
    long Entete = 0; // the header line, 0 for the main key
};

class Export {
  public:
    explicit Export(const CleCompilee &cle) : cle_(cle), n_(NombreLignesCle(cle)) {}

    TableauKeyBase Fait() {
        Parties();
        Noms();
        bool complements = false;
        for (long i = 1; i <= n_; ++i)
            complements |= Proposition(i) && !SansBlancs(cle_.TabLignes(i).Complements).empty();
        r_.Texte = std::string("from\tstatement\tto\tsubkey") +
                   (complements ? "\tcomplements" : "") + FinLigne;
        for (long i = 1; i <= n_; ++i)
            if (Proposition(i)) Rangee(i, complements);
        if (!SansBlancs(cle_.TitreCle).empty())
            r_.Avertissements.push_back("le titre de la clé n'a pas de place dans le tableau");
        if (!SansBlancs(cle_.CommentaireCle).empty())
            r_.Avertissements.push_back("le commentaire de la clé (COM) n'a pas de place dans le "
                                        "tableau");
        if (complements)
            r_.Avertissements.push_back("les compléments (sections, fichiers liés) sont dans la "
                                        "colonne complements, que seul ce programme relit");
        return std::move(r_);
    }

  private:
    bool Proposition(long i) const {
        const LigneCle &l = cle_.TabLignes(i);
        return l.E >= 1 && !EstNote(cle_, i);
    }

    void Parties() {
        int partie = 0;
        parties_[0] = {};
        for (long i = 1; i <= n_; ++i) {
            const LigneCle &l = cle_.TabLignes(i);
            if (l.E < 0) {
                partie = -l.E;
                parties_[partie].Entete = i;
                continue;
            }
            if (!Proposition(i)) continue;
            PartieCle &p = parties_[partie];
            if (p.Premiere == 0) p.Premiere = l.E;
            if (p.Base == 0 || l.E < p.Base) p.Base = l.E;
            partieDe_.try_emplace(l.E, partie);
        }
    }

    int PartieDe(long e) const {
        const auto it = partieDe_.find(e);
        return it == partieDe_.end() ? -1 : it->second;
    }

    // The secondary key a line calls, 0 when it calls none.
    int Appel(long i) const {
        const LigneCle &l = cle_.TabLignes(i);
        const int q = PartieDe(l.S);
        return l.S > 0 && q > 0 && q != PartieDe(l.E) && parties_.at(q).Premiere == l.S ? q : 0;
    }

    // Each secondary key's name: the name on the first lead calling it, else its header's text,
    // made unique among the subkeys and apart from every taxon and couplet number.
    void Noms() {
        std::set<std::string> pris;
        for (long i = 1; i <= n_; ++i)
            if (Proposition(i) && cle_.TabLignes(i).S == 0)
                pris.insert(SansBlancs(cle_.TabLignes(i).NomEspece));
        std::vector<std::pair<long, int>> appels; // each calling line and the key it calls
        for (long i = 1; i <= n_; ++i)
            if (const int q = Proposition(i) ? Appel(i) : 0) appels.emplace_back(i, q);
        for (const auto &[i, q] : appels) {
            const std::string nom = SansBlancs(cle_.TabLignes(i).NomEspece);
            PartieCle &p = parties_[q];
            if (p.Nom.empty() && !nom.empty() && !pris.count(nom) &&
                nom.find_first_not_of("0123456789") != std::string::npos) {
                p.Nom = nom;
                pris.insert(nom);
            }
        }
        for (auto &[q, p] : parties_) {
            if (q == 0 || !p.Nom.empty()) continue;
            std::string nom = p.Entete ? SansBlancs(cle_.TabLignes(p.Entete).Description) : "";
            if (nom.empty() || pris.count(nom))
                nom += (nom.empty() ? "CS" : " (CS") + std::to_string(q) + (nom.empty() ? "" : ")");
            p.Nom = nom;
            pris.insert(nom);
        }
        // A call is written as the subkey's name: another name on it is lost.
        for (const auto &[i, q] : appels) {
            const std::string nom = SansBlancs(cle_.TabLignes(i).NomEspece);
            if (nom == parties_[q].Nom) continue;
            r_.Perte = true;
            r_.Avertissements.push_back("la ligne " + std::to_string(Physique(i)) +
                                        " appelle la clé secondaire CS" + std::to_string(q) +
                                        " sous le nom « " + nom + " » : le tableau la nomme « " +
                                        parties_[q].Nom + " »");
        }
    }

    long Physique(long i) const { return static_cast<long>(cle_.TabLignes(i).LigneTexte); }

    std::string Local(long e) const {
        const int q = PartieDe(e);
        return std::to_string(q < 0 ? e : e - parties_.at(q).Base + 1);
    }

    void Rangee(long i, bool complements) {
        const LigneCle &l = cle_.TabLignes(i);
        std::string texte = SansBlancs(l.Description);
        for (long j = i + 1; j <= n_ && EstNote(cle_, j); ++j)
            texte.append(1, '\n').append(SansBlancs(cle_.TabLignes(j).Description));
        const std::string nom = SansBlancs(l.NomEspece);
        std::string vers;
        if (l.S == 0) {
            vers = Remplace(nom, Fleche, ":");
        } else if (const int q = Appel(i)) {
            vers = parties_.at(q).Nom;
        } else {
            vers = Local(l.S);
            r_.Perte |= PartieDe(l.S) != PartieDe(l.E) || !nom.empty();
            if (PartieDe(l.S) != PartieDe(l.E))
                r_.Avertissements.push_back("la ligne " + std::to_string(Physique(i)) +
                                            " mène dans une autre partie de la clé que son "
                                            "début : le tableau la fait mener dans la sienne");
            if (!nom.empty())
                r_.Avertissements.push_back("le nom « " + nom + " » de la ligne " +
                                            std::to_string(Physique(i)) +
                                            ", qui mène à une entité, n'a pas de place dans le "
                                            "tableau");
        }
        const int partie = PartieDe(l.E);
        r_.Texte += Local(l.E) + "\t" + ChampTsv(texte) + "\t" + ChampTsv(vers) + "\t" +
                    ChampTsv(partie > 0 ? parties_.at(partie).Nom : "");
        if (complements) r_.Texte += "\t" + ChampTsv(SansBlancs(l.Complements));
        r_.Texte += FinLigne;
    }

    const CleCompilee &cle_;
    const long n_;
    TableauKeyBase r_;
    std::map<int, PartieCle> parties_;
    std::map<long, int> partieDe_;
};

} // namespace

TableauKeyBase EcritTableauKeyBase(const CleCompilee &cle) {
    return Export(cle).Fait();
}

} // namespace lamelix
