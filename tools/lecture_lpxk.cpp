// An LPXK document read back into a key file: libxml2 parses it once, bounded and without
// outside access, and the tree is walked once.

#include "platform/texte.hpp"
#include "tools/echange_lpxk.hpp"
#include "tools/lignes_fichier.hpp"

#include <algorithm>
#include <cstdlib>
#include <libxml/parser.h>
#include <libxml/tree.h>
#include <memory>
#include <unordered_map>
#include <utility>

namespace lamelix {

namespace {

const char *const FinLigneCle = "\r\n";

// No key needs more: a larger document is refused before it is parsed, a fuller one while it is
// walked. libxml2 refuses on its own a document nested deeper than 256 elements.
constexpr std::size_t TailleMax = 32u << 20;
constexpr long NoeudsMax = 400000;

using Document = std::unique_ptr<xmlDoc, decltype(&xmlFreeDoc)>;

std::string Nom(const xmlNode *n) {
    return reinterpret_cast<const char *>(n->name);
}

// An attribute's value, without namespace or in the program's: "" when absent. Only its text
// children are read, so that no entity is ever expanded.
std::string Valeur(const xmlNode *n, const char *nom, bool lamelix = false) {
    for (const xmlAttr *a = n->properties; a != nullptr; a = a->next) {
        if (Nom(reinterpret_cast<const xmlNode *>(a)) != nom) continue;
        const bool deLamelix =
            a->ns != nullptr && a->ns->href != nullptr &&
            std::string_view(reinterpret_cast<const char *>(a->ns->href)) == EspaceLpxkLamelix;
        if (deLamelix != lamelix) continue;
        std::string valeur;
        for (const xmlNode *t = a->children; t != nullptr; t = t->next)
            if (t->type == XML_TEXT_NODE && t->content != nullptr)
                valeur += reinterpret_cast<const char *>(t->content);
        return valeur;
    }
    return {};
}

std::string TexteDe(const xmlNode *n) {
    std::string texte;
    for (const xmlNode *t = n->children; t != nullptr; t = t->next)
        if ((t->type == XML_TEXT_NODE || t->type == XML_CDATA_SECTION_NODE) &&
            t->content != nullptr)
            texte += reinterpret_cast<const char *>(t->content);
    return texte;
}

std::vector<const xmlNode *> Enfants(const xmlNode *n, const char *nom) {
    std::vector<const xmlNode *> enfants;
    for (const xmlNode *e = n->children; e != nullptr; e = e->next)
        if (e->type == XML_ELEMENT_NODE && Nom(e) == nom) enfants.push_back(e);
    return enfants;
}

long Ligne(const xmlNode *n) {
    return xmlGetLineNo(n);
}

struct EtapeLue {
    const xmlNode *Noeud = nullptr;
    int Cle = 0;    // its part: 0 the main key, n secondary key n
    long Local = 0; // its number in its part
};

class Lecture {
  public:
    CleImportee Fait(std::string_view octets) {
        if (octets.size() > TailleMax) {
            Erreur(1, "le document dépasse " + std::to_string(TailleMax >> 20) + " Mo");
            return std::move(resultat_);
        }
        xmlResetLastError();
        const Document doc(xmlReadMemory(octets.data(), static_cast<int>(octets.size()), nullptr,
                                         nullptr,
                                         XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING),
                           xmlFreeDoc);
        const xmlNode *racine = doc ? xmlDocGetRootElement(doc.get()) : nullptr;
        if (racine == nullptr) {
            const xmlError *e = xmlGetLastError();
            Erreur(e != nullptr ? e->line : 1,
                   "XML mal formé" + (e != nullptr && e->message != nullptr
                                          ? " : " + SansBlancs(e->message)
                                          : std::string()));
        } else if (Nom(racine) != "PhoenixKey") {
            Erreur(Ligne(racine), "l'élément racine est " + Nom(racine) + ", pas PhoenixKey");
        } else if (Compte(racine) > NoeudsMax) {
            Erreur(1, "le document a plus de " + std::to_string(NoeudsMax) + " nœuds");
        } else {
            Lit(racine);
        }
        if (!resultat_.Erreurs.empty()) resultat_.Octets.clear();
        return std::move(resultat_);
    }

  private:
    void Erreur(long ligne, std::string message) {
        resultat_.Erreurs.push_back({ligne, std::move(message)});
    }

    // The nodes of the tree, an entity reference's declared content left out (it is never read).
    static long Compte(const xmlNode *n) {
        long nombre = 0;
        for (const xmlNode *e = n; e != nullptr && nombre <= NoeudsMax; e = e->next)
            nombre +=
                1 +
                (e->type == XML_ELEMENT_NODE && e->children != nullptr ? Compte(e->children) : 0);
        return nombre;
    }

    void Lit(const xmlNode *racine) {
        for (const xmlNode *id : Enfants(racine, "Identity"))
            identites_[Valeur(id, "id")] = SansBlancs(Valeur(id, "name"));
        const auto steps = Enfants(racine, "Steps");
        if (steps.empty()) {
            Erreur(Ligne(racine), "le document n'a pas d'élément Steps");
            return;
        }
        Numerote(steps.front());
        if (etapes_.empty()) {
            Erreur(Ligne(steps.front()), "le document n'a aucune étape");
            return;
        }
        std::string texte = std::string("rem$UTF8$") + FinLigneCle;
        if (const std::string titre = Valeur(racine, "title"); !titre.empty())
            texte += Ligne1("TITRE$" + titre);
        if (const std::string com = Valeur(racine, "commentaire", true); !com.empty())
            texte += Ligne1("COM$" + com);
        for (const EtapeLue &e : etapes_) {
            if (e.Local == 1 && e.Cle > 0)
                texte += "CS" + std::to_string(e.Cle) + ", 0 $" +
                         Ligne1(Valeur(e.Noeud, "entete", true));
            for (const xmlNode *lead : Enfants(e.Noeud, "Lead"))
                texte += Proposition(e, lead);
        }
        if (lignes_ > MaxLignesCle)
            Erreur(1, "le document donne " + std::to_string(lignes_) +
                          " lignes de clé : une clé en tient " + std::to_string(MaxLignesCle) +
                          " au plus");
        resultat_.Utf8 = true;
        resultat_.Octets = std::move(texte);
    }

    // The steps numbered in document order within their part, the first step of the key first.
    void Numerote(const xmlNode *steps) {
        std::vector<const xmlNode *> noeuds = Enfants(steps, "Step");
        const std::string premiere = Valeur(steps, "firstStepID");
        for (auto n = noeuds.begin(); n != noeuds.end(); ++n)
            if (Valeur(*n, "id") == premiere) {
                std::rotate(noeuds.begin(), n, n + 1);
                break;
            }
        int cle = 0;
        std::unordered_map<int, long> derniers;
        etapes_.reserve(noeuds.size());
        for (const xmlNode *n : noeuds) {
            // A step that opens a secondary key: it and the steps after it are that key's.
            if (const std::string v = Valeur(n, "cle", true); !v.empty()) {
                const long numero = std::strtol(v.c_str(), nullptr, 10);
                if (numero < 1 || numero > MaxClesSecondaires) {
                    Erreur(Ligne(n), "clé secondaire « " + v + " » hors de 1 à " +
                                         std::to_string(MaxClesSecondaires));
                    continue;
                }
                cle = static_cast<int>(numero);
            }
            const std::string id = Valeur(n, "id");
            if (parId_.count(id)) {
                Erreur(Ligne(n), "deux étapes portent l'identifiant « " + id + " »");
                continue;
            }
            etapes_.push_back({n, cle, ++derniers[cle]});
            parId_[id] = etapes_.size() - 1;
        }
        hors_ = std::move(derniers);
    }

    static std::string Ligne1(const std::string &texte) {
        return Remplace(texte, "\n", " ") + FinLigneCle;
    }

    // A lead's key line and its notes.
    std::string Proposition(const EtapeLue &e, const xmlNode *lead) {
        const std::vector<const xmlNode *> textes = Enfants(lead, "Text");
        std::string texte = textes.empty() ? Valeur(lead, "text") : TexteDe(textes.front());
        texte = Remplace(texte, "\r", "");
        const std::string vers = Valeur(lead, "goto");
        std::string nom = Valeur(lead, "nom", true);
        const std::string complements = Valeur(lead, "complements", true);
        std::string s = "0";
        if (const auto etape = parId_.find(vers); etape != parId_.end()) {
            const EtapeLue &cible = etapes_[etape->second];
            if (cible.Cle == e.Cle)
                s = std::to_string(cible.Local);
            else if (cible.Local == 1 && cible.Cle > 0)
                s = "CS" + std::to_string(cible.Cle);
            else
                Erreur(Ligne(lead), "la proposition mène au milieu d'une autre clé secondaire");
        } else if (const auto taxon = identites_.find(vers); taxon != identites_.end()) {
            nom = taxon->second;
        } else if (!vers.empty()) {
            // A lead to a step the document lacks: kept as a call of an entity no line bears.
            auto [numero, nouveau] = absentes_.try_emplace(vers, 0);
            if (nouveau) numero->second = ++hors_[e.Cle];
            s = std::to_string(numero->second);
        }
        for (const std::string *champ : {&std::as_const(texte), &std::as_const(nom), &complements})
            if (champ->find('$') != std::string::npos) {
                Erreur(Ligne(lead), "« $ » sépare les champs d'une ligne de clé : il ne peut pas "
                                    "figurer dans le texte");
                return {};
            }
        const std::vector<std::string> lignes = Decoupe(texte, '\n');
        lignes_ += static_cast<long>(lignes.size());
        const std::string entite = std::to_string(e.Local);
        std::string ligne = entite + ", " + s + " $" + Remplace(lignes[0], "\n", " ");
        if (!nom.empty() || !complements.empty()) ligne += "$" + Remplace(nom, "\n", " ");
        if (!complements.empty()) ligne += "$" + Remplace(complements, "\n", " ");
        ligne += FinLigneCle;
        for (std::size_t k = 1; k < lignes.size(); ++k)
            ligne += entite + ", 0, N $" + lignes[k] + FinLigneCle;
        return ligne;
    }

    CleImportee resultat_;
    std::unordered_map<std::string, std::string> identites_; // identity id to its name
    std::vector<EtapeLue> etapes_;
    std::unordered_map<std::string, std::size_t> parId_;
    std::unordered_map<std::string, long> absentes_; // a missing step's id to its entity
    std::unordered_map<int, long> hors_;             // each part's last entity number given
    long lignes_ = 0;
};

} // namespace

bool EstLpxk(std::string_view octets) {
    std::size_t debut = octets.rfind("\xEF\xBB\xBF", 0) == 0 ? 3 : 0;
    while (debut < octets.size() &&
           std::string_view(" \t\r\n").find(octets[debut]) != std::string_view::npos)
        ++debut;
    if (debut >= octets.size() || octets[debut] != '<') return false;
    return octets.substr(debut, 4096).find("<PhoenixKey") != std::string_view::npos;
}

CleImportee CleDuLpxk(std::string_view octets) {
    return Lecture().Fait(octets);
}

} // namespace lamelix
