// The key's graph of entities, built once from the compiled tables and walked once.

#include "tools/structure.hpp"

#include "key/requetes_cle.hpp"
#include "platform/texte.hpp"

#include <algorithm>
#include <cstdint>
#include <unordered_map>
#include <utility>

namespace lamelix {

namespace {

// A cycle shown in full up to this many entities; longer ones are cut in the middle.
constexpr std::size_t EntitesMontrees = 12;

long LignePhysique(const CleCompilee &cle, long i) {
    return static_cast<long>(cle.TabLignes(i).LigneTexte);
}

// The propositions of every entity (continuation lines left out), as one array of line indexes
// grouped by entity, with where each entity's group starts.
struct Graphe {
    std::vector<long> Debut; // entity e's lines are Lignes[Debut[e] .. Debut[e + 1])
    std::vector<long> Lignes;
    std::vector<long> Premiere; // entity e's first line, 0 when no line bears it
    std::vector<int> Partie;    // the secondary key of each line, 0 for the main key
    long Haut = 0;              // the highest entity a proposition bears: the arrays stop there
    bool Porte(long e) const { return e >= 1 && e <= Haut && Premiere[e] != 0; }
};

bool EstProposition(const CleCompilee &cle, long i) {
    const int16_t e = cle.TabLignes(i).E;
    return e >= 1 && e <= MaxEntites && !EstNote(cle, i);
}

Graphe Construit(const CleCompilee &cle) {
    const long n = NombreLignesCle(cle);
    Graphe g;
    for (long i = 1; i <= n; ++i)
        if (EstProposition(cle, i)) g.Haut = std::max<long>(g.Haut, cle.TabLignes(i).E);
    g.Debut.assign(static_cast<std::size_t>(g.Haut) + 2, 0);
    g.Premiere.assign(static_cast<std::size_t>(g.Haut) + 1, 0);
    g.Partie.assign(static_cast<std::size_t>(n) + 1, 0);
    int partie = 0;
    for (long i = 1; i <= n; ++i) {
        const int16_t e = cle.TabLignes(i).E;
        if (e < 0) partie = -e;
        g.Partie[i] = partie;
        if (!EstProposition(cle, i)) continue;
        ++g.Debut[e + 1];
        if (g.Premiere[e] == 0) g.Premiere[e] = i;
    }
    for (long e = 1; e <= g.Haut + 1; ++e)
        g.Debut[e] += g.Debut[e - 1];
    g.Lignes.resize(static_cast<std::size_t>(g.Debut[g.Haut + 1]));
    std::vector<long> place(g.Debut.begin(), g.Debut.end() - 1);
    for (long i = 1; i <= n; ++i)
        if (EstProposition(cle, i)) g.Lignes[place[cle.TabLignes(i).E]++] = i;
    return g;
}

std::string TexteCycle(const std::vector<long> &pile, std::size_t depuis, long retour) {
    std::string texte;
    const std::size_t longueur = pile.size() - depuis;
    for (std::size_t k = depuis; k < pile.size(); ++k) {
        const std::size_t rang = k - depuis;
        if (longueur > EntitesMontrees && rang == EntitesMontrees / 2) {
            texte += "… → ";
            k = pile.size() - EntitesMontrees / 2 - 1;
            continue;
        }
        texte += std::to_string(pile[k]) + " → ";
    }
    return texte + std::to_string(retour);
}

// The depth-first walk, without recursion: white entities are unseen, grey ones are on the
// path being walked, black ones are done. A line leading to a grey entity closes a cycle.
class Parcours {
  public:
    Parcours(const CleCompilee &cle, const Graphe &g)
        : cle_(cle), g_(g), couleur_(static_cast<std::size_t>(g.Haut) + 1, Blanc),
          rang_(static_cast<std::size_t>(g.Haut) + 1, 0) {}

    void Depuis(long racine, std::vector<ConstatStructure> &cycles) {
        if (!g_.Porte(racine) || couleur_[racine] != Blanc) return;
        Entre(racine);
        while (!pile_.empty()) {
            const long e = pile_.back();
            long &suivant = suivants_.back();
            if (suivant == g_.Debut[e + 1]) {
                couleur_[e] = Noir;
                pile_.pop_back();
                suivants_.pop_back();
                continue;
            }
            const long i = g_.Lignes[suivant++];
            const long s = cle_.TabLignes(i).S;
            if (!g_.Porte(s)) continue;
            if (couleur_[s] == Gris)
                cycles.push_back({GenreConstat::Cycle, i, TexteCycle(pile_, rang_[s], s)});
            else if (couleur_[s] == Blanc)
                Entre(s);
        }
    }
    bool Vue(long e) const { return couleur_[e] != Blanc; }

  private:
    enum Couleur : uint8_t { Blanc, Gris, Noir };
    void Entre(long e) {
        couleur_[e] = Gris;
        rang_[e] = pile_.size();
        pile_.push_back(e);
        suivants_.push_back(g_.Debut[e]);
    }
    const CleCompilee &cle_;
    const Graphe &g_;
    std::vector<Couleur> couleur_;
    std::vector<std::size_t> rang_; // the place of a grey entity on the path
    std::vector<long> pile_, suivants_;
};

} // namespace

const char *TitreConstat(GenreConstat genre) {
    switch (genre) {
    case GenreConstat::EntiteInaccessible:
        return "entité qu'aucune proposition n'atteint depuis la première entité";
    case GenreConstat::Cycle:
        return "cycle : la consultation reviendrait à une entité déjà vue";
    case GenreConstat::PropositionUnique:
        return "entité à une seule proposition";
    case GenreConstat::EspeceRepetee:
        return "espèce atteinte par plusieurs chemins (pour information)";
    case GenreConstat::EntiteAbsente:
        return "proposition menant à une entité qui n'existe pas";
    case GenreConstat::CleNonAppelee:
        return "clé secondaire jamais appelée";
    case GenreConstat::Polytomie:
        return "entité à plus de deux propositions (pour information)";
    case GenreConstat::Reticulation:
        return "entité atteinte par plusieurs propositions (pour information)";
    }
    return "";
}

std::string TermeKeyBaseEntre(GenreConstat genre, const std::string &cadre) {
    const std::string terme = TermeKeyBase(genre);
    if (terme.empty()) return {};
    return " [" + Remplace(cadre, "%1", terme) + "]";
}

bool EstInformation(GenreConstat genre) {
    return genre == GenreConstat::EspeceRepetee || genre == GenreConstat::Polytomie ||
           genre == GenreConstat::Reticulation;
}

const char *TermeKeyBase(GenreConstat genre) {
    switch (genre) {
    case GenreConstat::EntiteInaccessible:
        return "orphan";
    case GenreConstat::Cycle:
        return "loop";
    case GenreConstat::PropositionUnique:
        return "singleton";
    case GenreConstat::EntiteAbsente:
        return "dead end";
    case GenreConstat::Polytomie:
        return "polytomy";
    case GenreConstat::Reticulation:
        return "reticulation";
    case GenreConstat::EspeceRepetee:
    case GenreConstat::CleNonAppelee:
        return "";
    }
    return "";
}

std::vector<ConstatStructure> VerifieStructure(const CleCompilee &cle) {
    const long n = NombreLignesCle(cle);
    const Graphe g = Construit(cle);
    std::vector<ConstatStructure> constats, cycles;

    // The secondary keys no line calls: their entities are not reported one by one.
    std::vector<bool> appelee(MaxEntites + 1, false);
    for (long i = 1; i <= n; ++i)
        if (const long s = cle.TabLignes(i).S; s >= 1 && s <= MaxEntites) appelee[s] = true;
    std::vector<bool> partieMorte(MaxClesSecondaires + 2, false);
    std::vector<ConstatStructure> clesMortes;
    for (long i = 1; i < n; ++i) {
        const int16_t e = cle.TabLignes(i).E;
        const int16_t premiere = cle.TabLignes(i + 1).E;
        if (e >= 0 || premiere < 1 || premiere > MaxEntites || appelee[premiere]) continue;
        if (-e <= MaxClesSecondaires + 1) partieMorte[-e] = true;
        clesMortes.push_back({GenreConstat::CleNonAppelee, i, "CS" + std::to_string(-e)});
    }

    Parcours p(cle, g);
    long racine = 0;
    for (long i = 1; i <= n && racine == 0; ++i)
        if (EstProposition(cle, i)) racine = cle.TabLignes(i).E;
    p.Depuis(racine, cycles);
    for (long e = 1; e <= g.Haut; ++e) {
        if (!g.Porte(e) || p.Vue(e)) continue;
        const int partie = g.Partie[g.Premiere[e]];
        if (partie > MaxClesSecondaires + 1 || !partieMorte[partie])
            constats.push_back({GenreConstat::EntiteInaccessible, g.Premiere[e], {}});
    }
    // The cycles of the parts no walk from the first entity reaches.
    for (long e = 1; e <= g.Haut; ++e)
        p.Depuis(e, cycles);
    std::sort(cycles.begin(), cycles.end(),
              [](const auto &a, const auto &b) { return a.Ligne < b.Ligne; });
    constats.insert(constats.end(), cycles.begin(), cycles.end());

    for (long e = 1; e <= g.Haut; ++e)
        if (g.Debut[e + 1] - g.Debut[e] == 1)
            constats.push_back({GenreConstat::PropositionUnique, g.Premiere[e], {}});

    std::unordered_map<std::string, long> especes;
    for (long i = 1; i <= n; ++i) {
        const LigneCle &l = cle.TabLignes(i);
        if (!EstTerminale(l) || !EstProposition(cle, i)) continue;
        const std::string nom = SansBlancs(l.NomEspece);
        if (nom.empty()) continue;
        const auto [deja, nouvelle] = especes.try_emplace(nom, i);
        if (!nouvelle)
            constats.push_back(
                {GenreConstat::EspeceRepetee, i,
                 nom + " : déjà à la ligne " + std::to_string(LignePhysique(cle, deja->second))});
    }

    for (long i = 1; i <= n; ++i)
        if (const long s = cle.TabLignes(i).S; s > 0 && !g.Porte(s))
            constats.push_back({GenreConstat::EntiteAbsente, i, "entité " + std::to_string(s)});

    constats.insert(constats.end(), clesMortes.begin(), clesMortes.end());

    for (long e = 1; e <= g.Haut; ++e)
        if (const long nombre = g.Debut[e + 1] - g.Debut[e]; nombre > 2)
            constats.push_back(
                {GenreConstat::Polytomie, g.Premiere[e], std::to_string(nombre) + " propositions"});

    // Each call of an entity after its first; a line closing a cycle is a loop, not a second
    // way in.
    std::vector<bool> boucle(static_cast<std::size_t>(n) + 1, false);
    for (const ConstatStructure &c : cycles)
        boucle[static_cast<std::size_t>(c.Ligne)] = true;
    std::vector<long> premierAppel(static_cast<std::size_t>(g.Haut) + 1, 0);
    for (long i = 1; i <= n; ++i) {
        const long s = cle.TabLignes(i).S;
        if (!EstProposition(cle, i) || !g.Porte(s) || boucle[static_cast<std::size_t>(i)]) continue;
        if (premierAppel[s] == 0)
            premierAppel[s] = i;
        else
            constats.push_back({GenreConstat::Reticulation, i,
                                "entité " + std::to_string(s) + " : déjà appelée à la ligne " +
                                    std::to_string(LignePhysique(cle, premierAppel[s]))});
    }
    return constats;
}

} // namespace lamelix
