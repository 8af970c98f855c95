// The project's tables are read whole into memory first (they are small: a flora's 2000 keys
// weigh a few megabytes), the file names of every key chosen before any key is written so that
// the chains point at the right files.

#include "tools/projet_keybase.hpp"

#include "platform/fichiers.hpp"
#include "platform/texte.hpp"
#include "tools/archive_projet.hpp"
#include "tools/import_keybase.hpp"
#include "tools/rangees_keybase.hpp"
#include "tools/texte_html.hpp"

#include <atomic>
#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <system_error>
#include <thread>

namespace lamelix {

namespace {

constexpr int EcrituresSimultanees = 8;

struct CleProjet {
    std::string Id, Titre, Portee, Table, Fichier;
    bool Appelee = false; // a lead of another key chains to it
};

// The column of the first heading among noms, nothing when the header has none of them.
std::optional<std::size_t> Colonne(const std::vector<std::string> &entete,
                                   std::initializer_list<const char *> noms) {
    for (const char *nom : noms)
        for (std::size_t k = 0; k < entete.size(); ++k)
            if (NomDeColonne(entete[k]) == nom) return k;
    return std::nullopt;
}

std::string Champ(const RangeeTableau &r, std::optional<std::size_t> k) {
    return k && *k < r.Champs.size() ? SansBlancs(TexteSansHtml(r.Champs[*k])) : std::string();
}

// The rows of a project's list and the columns its header names; positions when it has none.
struct Liste {
    std::vector<RangeeTableau> Rangees;
    std::vector<std::string> Entete;
};

Liste LitListe(const std::string &octets) {
    Liste l{LitTsv(TexteUtf8(octets)), {}};
    if (!l.Rangees.empty()) {
        l.Entete = l.Rangees.front().Champs;
        l.Rangees.erase(l.Rangees.begin());
    }
    return l;
}

// A file name of letters, digits and dashes from a title: accented letters lose their accents.
std::string NomDeFichier(const std::string &titre) {
    static const char *const Latin1 =
        "AAAAAAACEEEEIIIIDNOOOOOxOUUUUYTsaaaaaaaceeeeiiiidnooooo-ouuuuyty";
    std::string nom;
    for (std::size_t i = 0; i < titre.size() && nom.size() < 60;) {
        const uint32_t c = LisCodePoint(titre, i);
        char lettre = '-';
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))
            lettre = static_cast<char>(c);
        else if (c >= 0xC0 && c <= 0xFF)
            lettre = Latin1[c - 0xC0];
        if (lettre == '-' && (nom.empty() || nom.back() == '-')) continue;
        nom += lettre;
    }
    while (!nom.empty() && nom.back() == '-')
        nom.pop_back();
    return nom.empty() ? "cle" : nom;
}

class Importation {
  public:
    Importation(const std::string &dossier, const OptionsProjet &options)
        : dossier_(dossier), options_(options) {}

    RapportProjet Fait(const std::string &projet) {
        FichiersProjet f = LitFichiersProjet(projet, {".tsv", ".csv", ".txt"});
        for (std::string &refus : f.Refus)
            r_.Refus.push_back(std::move(refus));
        for (const std::string &e : f.Ecartes)
            r_.Lignes.push_back("lamelix-outils: entrée écartée : " + e);
        if (!r_.Refus.empty()) return std::move(r_);
        const auto cles = f.Fichiers.find("keys.tsv");
        if (cles == f.Fichiers.end()) {
            r_.Refus.push_back(projet + " : pas de keys.tsv (la liste des clés du projet)");
            return std::move(r_);
        }
        LitCles(cles->second, f);
        if (const auto items = f.Fichiers.find("items.tsv"); items != f.Fichiers.end())
            LitItems(items->second);
        if (cles_.empty()) {
            r_.Refus.push_back(projet + " : keys.tsv ne nomme aucune clé dont le tableau soit là");
            return std::move(r_);
        }
        std::error_code err;
        std::filesystem::create_directories(dossier_, err);
        if (err) {
            r_.Refus.push_back(dossier_ + " : " + err.message());
            return std::move(r_);
        }
        for (CleProjet &c : cles_)
            Importe(c, f.Fichiers.at(c.Table));
        EcritTout();
        for (const CleProjet &c : cles_)
            if (!c.Appelee &&
                std::find(r_.Ecrits.begin(), r_.Ecrits.end(), c.Fichier) != r_.Ecrits.end()) {
                r_.Premiere = c.Fichier;
                break;
            }
        if (r_.Premiere.empty() && !r_.Ecrits.empty()) r_.Premiere = r_.Ecrits.front();
        return std::move(r_);
    }

  private:
    void LitCles(const std::string &octets, const FichiersProjet &f) {
        Liste l = LitListe(octets);
        auto id = Colonne(l.Entete, {"key id", "keys id", "id"});
        auto titre = Colonne(l.Entete, {"key name", "key title", "title", "name"});
        auto portee = Colonne(
            l.Entete, {"taxonomic scope", "taxonomic scope name", "scope", "taxon", "item"});
        const auto fichier = Colonne(l.Entete, {"file", "filename", "file name"});
        if (!id && !l.Entete.empty() && !l.Entete[0].empty() &&
            l.Entete[0].find_first_not_of("0123456789") == std::string::npos) {
            // No header: the id, the title and the taxon in their usual places.
            l.Rangees.insert(l.Rangees.begin(), RangeeTableau{1, l.Entete});
            id = 0;
            titre = 1;
            portee = 2;
        }
        if (!id) {
            r_.Refus.push_back("keys.tsv : pas de colonne key_id");
            return;
        }
        std::set<std::string> noms;
        for (const RangeeTableau &r : l.Rangees) {
            CleProjet c{Champ(r, id), Champ(r, titre), Champ(r, portee), {}, {}};
            for (const std::string &table :
                 {Champ(r, fichier), "key-" + c.Id + ".tsv", "key_" + c.Id + ".tsv", c.Id + ".tsv",
                  "key-" + c.Id + ".csv"})
                if (!table.empty() &&
                    f.Fichiers.count(std::filesystem::path(table).filename().string())) {
                    c.Table = std::filesystem::path(table).filename().string();
                    break;
                }
            if (c.Id.empty() || c.Table.empty()) {
                r_.Lignes.push_back("keys.tsv:" + std::to_string(r.Ligne) +
                                    ": avertissement: la clé « " + c.Id +
                                    " » n'a pas de tableau dans le projet : laissée de côté");
                continue;
            }
            const std::string base = NomDeFichier(c.Titre.empty() ? c.Portee : c.Titre);
            c.Fichier = base + ".cle";
            for (int n = 2; noms.count(c.Fichier); ++n)
                c.Fichier = base + "-" + std::to_string(n) + ".cle";
            noms.insert(c.Fichier);
            if (!c.Portee.empty()) portees_.try_emplace(c.Portee, cles_.size());
            cles_.push_back(std::move(c));
        }
    }

    void LitItems(const std::string &octets) {
        const Liste l = LitListe(octets);
        const auto nom = Colonne(
            l.Entete, {"item name", "name", "taxon", "taxon name", "item", "scientific name"});
        const auto url = Colonne(l.Entete, {"url", "item url", "link", "page", "web"});
        if (!nom || !url) return;
        for (const RangeeTableau &r : l.Rangees) {
            const std::string page = Champ(r, url);
            if (!page.empty() && page.find_first_of("\"$") == std::string::npos)
                pages_.try_emplace(Champ(r, nom), page);
        }
    }

    void Importe(CleProjet &c, const std::string &table) {
        OptionsImport o;
        o.Titre = c.Titre.empty() ? c.Portee : c.Titre;
        o.Complement = [&](const std::string &taxon) -> std::string {
            if (const auto k = portees_.find(taxon);
                k != portees_.end() && cles_[k->second].Id != c.Id) {
                cles_[k->second].Appelee = true;
                return "F\"" + cles_[k->second].Fichier + "\"";
            }
            if (options_.Pages)
                if (const auto p = pages_.find(taxon); p != pages_.end())
                    return "F\"" + p->second + "\"";
            return {};
        };
        TableauImporte t = LitTableauKeyBase(table, o);
        for (const ConstatImport &k : t.Constats)
            r_.Lignes.push_back(c.Table + ":" + std::to_string(k.Ligne) +
                                (k.Information ? ": information: " : ": avertissement: ") +
                                k.Message + (k.Terme.empty() ? "" : " [" + k.Terme + "]"));
        for (const ErreurTableau &e : t.Refus)
            r_.Lignes.push_back(c.Table + ":" + std::to_string(e.Ligne) + ": erreur: " + e.Message);
        if (!t.Refus.empty()) return;
        aEcrire_.push_back({c.Fichier, std::move(t.Octets), {}, false});
    }

    // Every key through the safe write, several at once: each write waits for its file to reach
    // the disk, and those waits, not the work, are most of a project's import.
    void EcritTout() {
        std::atomic<std::size_t> suivant{0};
        const auto ecrivain = [&] {
            for (std::size_t k; (k = suivant++) < aEcrire_.size();) {
                Ecriture &e = aEcrire_[k];
                // Nothing may leave a thread: a failure is this file's reason.
                try {
                    e.Faite =
                        EcritFichierSur(JointChemin(dossier_, e.Fichier), e.Octets, &e.Pourquoi);
                } catch (const std::exception &x) {
                    e.Pourquoi = x.what();
                } catch (...) {
                    e.Pourquoi = "erreur d'exécution";
                }
            }
        };
        std::vector<std::thread> ecrivains;
        for (int n = 0; n < EcrituresSimultanees; ++n)
            ecrivains.emplace_back(ecrivain);
        for (std::thread &t : ecrivains)
            t.join();
        for (const Ecriture &e : aEcrire_)
            if (e.Faite)
                r_.Ecrits.push_back(e.Fichier);
            else
                r_.Lignes.push_back("lamelix-outils: " + e.Fichier +
                                    " : écriture impossible : " + e.Pourquoi);
    }

    struct Ecriture {
        std::string Fichier, Octets, Pourquoi;
        bool Faite;
    };
    std::vector<Ecriture> aEcrire_;

    const std::string dossier_;
    const OptionsProjet options_;
    RapportProjet r_;
    std::vector<CleProjet> cles_;
    std::map<std::string, std::size_t> portees_; // taxon -> its key
    std::map<std::string, std::string> pages_;   // taxon -> its page
};

} // namespace

RapportProjet ImporteProjet(const std::string &projet, const std::string &dossier,
                            const OptionsProjet &options) {
    return Importation(dossier, options).Fait(projet);
}

} // namespace lamelix
