// The table's leads gathered by part and couplet, their destinations resolved once every couplet
// is known, the key written with a table line for each of its lines, then compiled aside: the
// structure check of the tools window finds the loops, orphans and singletons, and each finding
// is reported at the table line of the key line it names.

#include "tools/import_keybase.hpp"

#include "key/compilateur.hpp"
#include "key/tables.hpp"
#include "platform/controles.hpp"
#include "platform/services_sans_effet.hpp"
#include "platform/texte.hpp"
#include "settings/messages.hpp"
#include "tools/cellule_tableau.hpp"
#include "tools/codage_tableau.hpp"
#include "tools/echange_tableau.hpp"
#include "tools/lignes_fichier.hpp"
#include "tools/rangees_keybase.hpp"
#include "tools/structure.hpp"
#include "tools/texte_html.hpp"

#include <algorithm>
#include <map>
#include <memory>

namespace lamelix {

namespace {

const char *const FinLigne = "\r\n";
const char *const Fleche = " \xE2\x80\xBA ";    // " › " between the taxa of a chain
const char *const DollarPlein = "\xEF\xBC\x84"; // "＄": "$" separates a key line's fields

struct Lead {
    long Ligne = 0;
    std::size_t Couplet = 0;
    std::vector<std::string> Lignes; // the statement, then its notes
    std::string Cible = "0";         // a couplet's number, CSn, or 0 for a taxon
    std::string Nom;
    std::string Complement;
};

struct Couplet {
    std::string Etiquette;
    std::size_t Partie = 0;
    long Numero = 0;
    std::vector<std::size_t> Leads;
};

struct Partie {
    std::string Nom; // the subkey's name, empty for the main key
    long Ligne = 0;
    std::vector<std::size_t> Couplets;
};

bool QueDesChiffres(const std::string &t) {
    return !t.empty() &&
           std::all_of(t.begin(), t.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The taxa of "Genus:Genus species"; a colon with a blank beside it belongs to the name.
std::vector<std::string> Chaine(const std::string &nom) {
    for (std::size_t p = nom.find(':'); p != std::string::npos; p = nom.find(':', p + 1))
        if (p == 0 || p + 1 == nom.size() || nom[p - 1] == ' ' || nom[p + 1] == ' ') return {nom};
    std::vector<std::string> taxons;
    for (const std::string &t : Decoupe(nom, ':'))
        if (!SansBlancs(t).empty()) taxons.push_back(SansBlancs(t));
    return taxons;
}

const char *TermeDe(GenreConstat genre) {
    return genre == GenreConstat::CleNonAppelee ? "orphan" : TermeKeyBase(genre);
}

class Construction {
  public:
    explicit Construction(const OptionsImport &options) : o_(options) {}

    TableauImporte Fait(RangeesKeyBase &&table) {
        for (ErreurTableau &e : table.Illisibles)
            Constat(e.Ligne, "", "rangée ignorée : " + e.Message);
        for (std::size_t k = 0; k < table.Rangees.size(); ++k)
            Range(table.Rangees[k], k);
        for (std::size_t k = 0; k < leads_.size(); ++k)
            Resout(k, table.Rangees[rangees_[k]]);
        if (leads_.empty()) {
            for (ErreurTableau &e : table.Illisibles)
                r_.Refus.push_back(std::move(e));
            r_.Refus.push_back({1, "le tableau ne contient aucune proposition"});
        }
        Borne();
        if (!r_.Refus.empty()) {
            r_.Constats.clear();
            return std::move(r_);
        }
        Ecrit();
        Verifie();
        std::stable_sort(
            r_.Constats.begin(), r_.Constats.end(),
            [](const ConstatImport &a, const ConstatImport &b) { return a.Ligne < b.Ligne; });
        return std::move(r_);
    }

  private:
    void Constat(long ligne, std::string terme, std::string message, bool information = false) {
        r_.Constats.push_back({ligne, std::move(terme), std::move(message), information});
    }

    std::string Propre(std::string texte, long ligne) {
        texte = TexteSansHtml(Remplace(CelluleLue(texte), "\r", ""));
        if (texte.find('$') != std::string::npos) {
            Constat(ligne, "", "« $ » sépare les champs d'une ligne de clé : remplacé par « ＄ »");
            texte = Remplace(texte, "$", DollarPlein);
        }
        return texte;
    }

    void Range(const RangeeKeyBase &r, std::size_t rangee) {
        const std::string etiquette = SansBlancs(r.De);
        if (etiquette.empty()) {
            Constat(r.Ligne, "", "rangée ignorée : elle ne nomme pas son couplet");
            return;
        }
        const std::string sous = SansBlancs(TexteSansHtml(r.SousCle));
        auto [partie, nouvelle] = nomsParties_.try_emplace(sous, parties_.size());
        if (nouvelle) parties_.push_back({sous, r.Ligne, {}});
        auto [couplet, nouveau] =
            couplets_.try_emplace(std::make_pair(partie->second, etiquette), tous_.size());
        if (nouveau) {
            Partie &p = parties_[partie->second];
            tous_.push_back(
                {etiquette, partie->second, static_cast<long>(p.Couplets.size()) + 1, {}});
            p.Couplets.push_back(couplet->second);
        }
        tous_[couplet->second].Leads.push_back(leads_.size());
        leads_.push_back({r.Ligne, couplet->second, {}, "0", {}, {}});
        rangees_.push_back(rangee);
    }

    void Resout(std::size_t k, const RangeeKeyBase &r) {
        Lead &l = leads_[k];
        const Couplet &c = tous_[l.Couplet];
        for (const std::string &ligne : Decoupe(Propre(r.Proposition, l.Ligne), '\n'))
            l.Lignes.push_back(SansBlancs(ligne));
        const std::string vers = SansBlancs(r.Vers);
        const std::string raccourci = SansBlancs(r.Raccourci);
        const std::string nomVers = Propre(vers, l.Ligne);
        if (const auto cible = couplets_.find({c.Partie, vers}); cible != couplets_.end()) {
            if (cible->second == l.Couplet)
                Constat(l.Ligne, "loop",
                        "la proposition mène à son propre couplet « " + vers +
                            " » : écrite sans destination");
            else
                l.Cible = std::to_string(tous_[cible->second].Numero);
        } else if (const auto sous = nomsParties_.find(nomVers);
                   !nomVers.empty() && sous != nomsParties_.end() && sous->second > 0) {
            l.Nom = nomVers;
            if (sous->second == c.Partie)
                Constat(l.Ligne, "loop",
                        "la proposition appelle la sous-clé « " + nomVers +
                            " » dont elle fait partie : écrite sans destination");
            else
                l.Cible = "CS" + std::to_string(sous->second);
        } else if (vers.empty() && raccourci.empty()) {
            Constat(l.Ligne, "dead end", "la proposition ne mène nulle part");
        } else if (QueDesChiffres(vers) && raccourci.empty()) {
            Constat(l.Ligne, "dead end",
                    "la proposition mène au couplet " + vers + ", qui n'a aucune proposition");
        } else {
            std::vector<std::string> chaine = Chaine(Remplace(nomVers, "\n", " "));
            if (!raccourci.empty())
                for (std::string &t : Chaine(Remplace(Propre(raccourci, l.Ligne), "\n", " ")))
                    chaine.push_back(std::move(t));
            for (const std::string &t : chaine)
                l.Nom += (l.Nom.empty() ? "" : Fleche) + t;
            if (o_.Complement && !chaine.empty() && SansBlancs(r.Complements).empty())
                l.Complement = o_.Complement(chaine.back());
        }
        const std::string complements = SansBlancs(CelluleLue(r.Complements));
        if (complements.find('"') != std::string::npos)
            l.Complement = Remplace(complements, "$", DollarPlein);
        else if (!complements.empty())
            Constat(l.Ligne, "", "compléments sans guillemets (code\"valeur\") : ignorés");
    }

    void Borne() {
        long lignes = static_cast<long>(parties_.size()) - 1;
        for (const Lead &l : leads_)
            lignes += static_cast<long>(l.Lignes.size());
        if (lignes > MaxLignesCle)
            r_.Refus.push_back({1, "le tableau donne " + std::to_string(lignes) +
                                       " lignes de clé : une clé en tient " +
                                       std::to_string(MaxLignesCle) + " au plus"});
        if (static_cast<long>(parties_.size()) - 1 > MaxClesSecondaires)
            r_.Refus.push_back(
                {1, std::to_string(parties_.size() - 1) + " sous-clés : une clé tient " +
                        std::to_string(MaxClesSecondaires) + " clés secondaires au plus"});
        if (static_cast<long>(tous_.size()) > MaxEntites)
            r_.Refus.push_back({1, std::to_string(tous_.size()) + " couplets : une clé en tient " +
                                       std::to_string(MaxEntites) + " au plus"});
    }

    void Ligne(std::string texte, long ligneTableau) {
        texte_ += texte;
        texte_ += FinLigne;
        tableau_.push_back(ligneTableau);
    }

    void Ecrit() {
        if (!o_.Titre.empty())
            Ligne("TITRE$" + Remplace(SansBlancs(o_.Titre), "$", DollarPlein), 0);
        for (std::size_t p = 0; p < parties_.size(); ++p) {
            const Partie &partie = parties_[p];
            if (p > 0)
                Ligne("CS" + std::to_string(p) + ", 0 $" + Remplace(partie.Nom, "$", DollarPlein),
                      partie.Ligne);
            for (const std::size_t indice : partie.Couplets) {
                const Couplet &c = tous_[indice];
                const std::string e = std::to_string(c.Numero);
                if (c.Etiquette != e)
                    Ligne("Couplet « " + Remplace(c.Etiquette, "$", DollarPlein) + " » du tableau",
                          leads_[c.Leads.front()].Ligne);
                if (c.Leads.size() > 2)
                    Constat(leads_[c.Leads.front()].Ligne, "polytomy",
                            "couplet « " + c.Etiquette + " » à " + std::to_string(c.Leads.size()) +
                                " propositions (pour information)",
                            true);
                for (const std::size_t k : c.Leads)
                    EcritLead(e, leads_[k]);
            }
        }
        r_.Octets = OctetsDeCle(texte_, r_.Utf8);
        if (r_.Utf8) tableau_.insert(tableau_.begin(), 0);
    }

    void EcritLead(const std::string &e, const Lead &l) {
        std::string ligne = e + ", " + l.Cible + " $" + (l.Lignes.empty() ? "" : l.Lignes[0]);
        if (l.Cible == "0" || !l.Nom.empty() || !l.Complement.empty()) ligne += "$" + l.Nom;
        if (!l.Complement.empty()) ligne += "$" + l.Complement;
        Ligne(std::move(ligne), l.Ligne);
        for (std::size_t n = 1; n < l.Lignes.size(); ++n)
            Ligne(e + ", 0, N $" + l.Lignes[n], l.Ligne);
    }

    // The written key compiled aside, without a dialog, and its structure findings brought
    // back to the table's lines.
    void Verifie() {
        auto cle = std::make_unique<CleCompilee>();
        const Messages textes;
        ServicesMuets muette;
        ListBox langues;
        int16_t echec = 0;
        PrecompileOctets(r_.Octets, echec, {*cle, textes, muette, muette, langues});
        if (echec != 0) return;
        for (const ConstatStructure &c : VerifieStructure(*cle)) {
            const auto physique = static_cast<std::size_t>(cle->TabLignes(c.Ligne).LigneTexte);
            const long ligne =
                physique >= 1 && physique <= tableau_.size() ? tableau_[physique - 1] : 0;
            std::string message = TitreConstat(c.Genre);
            if (!c.Detail.empty()) message += " (" + c.Detail + ")";
            Constat(ligne, TermeDe(c.Genre), std::move(message), EstInformation(c.Genre));
        }
    }

    const OptionsImport &o_;
    TableauImporte r_;
    std::vector<Partie> parties_;
    std::map<std::string, std::size_t> nomsParties_;
    std::vector<Couplet> tous_;
    std::map<std::pair<std::size_t, std::string>, std::size_t> couplets_;
    std::vector<Lead> leads_;
    std::vector<std::size_t> rangees_; // each lead's row
    std::string texte_;
    std::vector<long> tableau_; // the table line of each line written
};

TableauImporte Construit(RangeesKeyBase &&table, const OptionsImport &options) {
    return Construction(options).Fait(std::move(table));
}

} // namespace

TableauImporte LitTableauKeyBase(std::string_view texte, const OptionsImport &options) {
    return Construit(LitRangeesKeyBase(texte), options);
}

TableauImporte ImporteTableau(std::string_view texte) {
    RangeesKeyBase table = LitRangeesKeyBase(texte);
    if (!table.FormeKeyBase) {
        CleImportee c = CleDuTableau(texte);
        if (c.Erreurs.empty()) return {std::move(c.Octets), c.Utf8, {}, {}};
    }
    return Construit(std::move(table), {});
}

} // namespace lamelix
