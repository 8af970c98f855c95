// The key map: its rows computed from the compiled key, the filter, the path taken, and the
// jump of the consultation to a row.

#include "search/plan_cle.hpp"

#include "key/requetes_cle.hpp"
#include "platform/nombres.hpp"
#include "platform/texte.hpp"
#include "search/mots_cherches.hpp"

#include <algorithm>

namespace lamelix {

namespace {

// Rows of the map opened at once by a filter, at most this deep: a faulty key can loop.
constexpr std::size_t ProfondeurFiltre = 200;

const CleCompilee &cle(const PlanCle &p) {
    return p.Principale.Prog.Cle;
}

// The last key line, 0 when no key is loaded.
int derniere(const PlanCle &p) {
    const CleCompilee &c = cle(p);
    if (c.ErreurCle) return 0;
    return std::clamp(c.NbLignesM1 + 1, 0, MaxLignesCle - 1);
}

bool retenue(const PlanCle &p, int ligne) {
    return !p.Filtrant() ||
           (ligne >= 0 && ligne < static_cast<int>(p.Retenues.size()) && p.Retenues[ligne]);
}

// The propositions of an entity: its consecutive lines, notes left out.
template <typename F> void pourPropositions(const PlanCle &p, int16_t entite, F &&fait) {
    const CleCompilee &c = cle(p);
    if (entite <= 0 || entite >= MaxEntites) return;
    const LignesEntite lignes = LignesDeLEntite(c, entite, derniere(p));
    for (long i = lignes.Premiere; i < lignes.Fin(); ++i)
        if (!PorteMarqueNote(c.TabLignes(i))) fait(static_cast<int16_t>(i));
}

bool entiteRetenue(const PlanCle &p, int16_t entite) {
    bool oui = false;
    pourPropositions(p, entite, [&](int16_t i) { oui = oui || retenue(p, i); });
    return oui;
}

// The proposition a note continues.
int16_t propositionDe(const PlanCle &p, int16_t ligne) {
    const CleCompilee &c = cle(p);
    while (ligne > 1 && PorteMarqueNote(c.TabLignes(ligne)))
        --ligne;
    return ligne;
}

bool dansChemin(const Lamelix &f, int16_t ligne) {
    for (int i = 1; i <= f.Parcours.NbEtapes; ++i)
        if (f.Parcours.Hist(i) == ligne) return true;
    return false;
}

bool entiteDuChemin(const Lamelix &f, int16_t entite) {
    const CleCompilee &c = f.Prog.Cle;
    for (int i = 1; i <= f.Parcours.NbEtapes; ++i) {
        const LigneCle &l = c.TabLignes(f.Parcours.Hist(i));
        if (l.E == entite || l.S == entite) return true;
    }
    return false;
}

// Marks the line and every line above it on the way up from the first entity.
void marqueAvecAncetres(PlanCle &p, int ligne) {
    const CleCompilee &c = cle(p);
    const int16_t premiere = c.TabLignes(1).E;
    const int n = derniere(p);
    for (long pas = 0; ligne >= 1 && ligne <= n && !p.Retenues[ligne] && pas < MaxLignesCle;
         ++pas) {
        p.Retenues[ligne] = true;
        const LigneCle &l = c.TabLignes(ligne);
        if (PorteMarqueNote(l)) {
            --ligne;
            continue;
        }
        if (l.E <= 0 || l.E == premiere) return;
        ligne = VersEntier16(l.Prec);
    }
}

std::string remplace(std::string modele, const std::string &par) {
    const std::size_t ici = modele.find("%1");
    if (ici != std::string::npos) modele.replace(ici, 2, par);
    return modele;
}

} // namespace

void PreparePlan(PlanCle &p) {
    p.Retenues.clear();
    p.Trouvees.clear();
    const std::string mot = SansBlancs(p.Filtre.Text);
    const int n = derniere(p);
    if (mot.empty() || n < 1) return;
    const std::string cherche = SansAccentNiCasse(mot);
    const CleCompilee &c = cle(p);
    p.Retenues.assign(static_cast<std::size_t>(n) + 1, false);
    p.Trouvees.assign(static_cast<std::size_t>(n) + 1, false);
    std::string texte;
    for (int i = 1; i <= n; ++i) {
        const LigneCle &l = c.TabLignes(i);
        texte = l.Description;
        texte += '\n';
        texte += l.NomEspece;
        texte += '\n';
        texte += c.TitreSection(i);
        if (SansAccentNiCasse(texte).find(cherche) == std::string::npos) continue;
        p.Trouvees[static_cast<std::size_t>(i)] = true;
        marqueAvecAncetres(p, i);
    }
}

std::vector<NoeudPlan> RacinesPlan(const PlanCle &p) {
    std::vector<NoeudPlan> racines;
    const CleCompilee &c = cle(p);
    const int n = derniere(p);
    if (n < 1) return racines;
    const auto garde = [&](NoeudPlan r) {
        if (!p.Filtrant() || (r.Ligne > 0 && retenue(p, r.Ligne)) || entiteRetenue(p, r.Entite))
            racines.push_back(r);
    };
    if (c.TabLignes(1).E > 0) garde({GenrePlan::Cle, 0, c.TabLignes(1).E});
    for (int h = 1; h <= n; ++h) {
        if (c.TabLignes(h).E >= 0) continue;
        const int16_t premiere = h < n ? std::max<int16_t>(c.TabLignes(h + 1).E, 0) : 0;
        garde({GenrePlan::Cle, static_cast<int16_t>(h), premiere});
    }
    return racines;
}

std::vector<NoeudPlan> EnfantsPlan(const PlanCle &p, const NoeudPlan &n) {
    std::vector<NoeudPlan> enfants;
    const CleCompilee &c = cle(p);
    switch (n.Genre) {
    case GenrePlan::Cle:
    case GenrePlan::Entite:
        pourPropositions(p, n.Entite, [&](int16_t i) {
            if (!retenue(p, i)) return;
            if (!SansBlancs(c.TitreSection(i)).empty())
                enfants.push_back({GenrePlan::Section, i, 0});
            enfants.push_back({GenrePlan::Proposition, i, 0});
        });
        break;
    case GenrePlan::Proposition: {
        const int fin = derniere(p);
        for (int j = n.Ligne + 1; j <= fin && PorteMarqueNote(c.TabLignes(j)); ++j)
            if (retenue(p, j)) enfants.push_back({GenrePlan::Note, static_cast<int16_t>(j), 0});
        const LigneCle &l = c.TabLignes(n.Ligne);
        if (l.S > 0) {
            if (!p.Filtrant() || entiteRetenue(p, l.S))
                enfants.push_back({GenrePlan::Entite, 0, l.S});
        } else if (!QueDesBlancs(l.NomEspece)) {
            enfants.push_back({GenrePlan::Espece, n.Ligne, 0});
        }
        break;
    }
    default:
        break;
    }
    return enfants;
}

bool APourEnfants(const PlanCle &p, const NoeudPlan &n) {
    return !EnfantsPlan(p, n).empty();
}

std::string TextePlan(const PlanCle &p, const NoeudPlan &n) {
    const CleCompilee &c = cle(p);
    const LibellesFenetre &l = p.Principale.Libelles;
    const LigneCle &ligne = c.TabLignes(n.Ligne);
    switch (n.Genre) {
    case GenrePlan::Cle: {
        if (n.Ligne == 0) return c.TitreCle.empty() ? l.ClePrincipale : SansBlancs(c.TitreCle);
        std::string titre = remplace(l.CleSecondaire, TexteNombre(-ligne.E));
        const std::string description = SansBlancs(ligne.Description);
        return description.empty() ? titre : titre + " : " + description;
    }
    case GenrePlan::Entite:
        return remplace(l.EntitePlan, TexteNombre(n.Entite));
    case GenrePlan::Proposition:
        return SansBlancs(ligne.Description);
    case GenrePlan::Note:
        return l.NotePlan + " " + SansBlancs(ligne.Description);
    case GenrePlan::Section:
        return "§ " + SansBlancs(c.TitreSection(n.Ligne));
    case GenrePlan::Espece:
        return SansBlancs(ligne.NomEspece);
    }
    return {};
}

EtatPlan EtatNoeud(const PlanCle &p, const NoeudPlan &n) {
    const Lamelix &f = p.Principale;
    EtatPlan e;
    if (n.Genre == GenrePlan::Cle || n.Genre == GenrePlan::Entite) {
        e.SurChemin = n.Entite > 0 && entiteDuChemin(f, n.Entite);
        e.Courant = n.Entite > 0 && n.Entite == f.Parcours.EntiteCourante;
    } else {
        const int16_t ligne = n.Genre == GenrePlan::Note ? propositionDe(p, n.Ligne) : n.Ligne;
        e.SurChemin = dansChemin(f, ligne);
        e.Courant = n.Genre == GenrePlan::Espece && f.Parcours.EntiteCourante == 0 &&
                    f.Parcours.NbEtapes > 0 && f.Parcours.Hist(f.Parcours.NbEtapes) == ligne;
    }
    if (n.Genre != GenrePlan::Entite && !(n.Genre == GenrePlan::Cle && n.Ligne == 0) &&
        n.Ligne < static_cast<int>(p.Trouvees.size()))
        e.Trouve = p.Trouvees[static_cast<std::size_t>(n.Ligne)];
    return e;
}

std::vector<NoeudPlan> CheminPlan(const PlanCle &p) {
    const Lamelix &f = p.Principale;
    const CleCompilee &c = cle(p);
    const int fin = derniere(p);
    std::vector<NoeudPlan> chemin;
    int16_t attendue =
        f.Parcours.NbEtapes > 0 && f.Parcours.Hist(1) >= 1 && f.Parcours.Hist(1) <= fin
            ? c.TabLignes(f.Parcours.Hist(1)).E
            : f.Parcours.EntiteCourante;
    for (const NoeudPlan &r : RacinesPlan(p))
        if (r.Entite == attendue && attendue > 0) chemin.push_back(r);
    if (chemin.empty()) return chemin;
    chemin.resize(1);
    for (int k = 1; k <= f.Parcours.NbEtapes; ++k) {
        const int16_t ligne = f.Parcours.Hist(k);
        if (ligne < 1 || ligne > fin) break;
        const LigneCle &l = c.TabLignes(ligne);
        if (PorteMarqueNote(l)) continue;
        if (l.E != attendue) break;
        chemin.push_back({GenrePlan::Proposition, ligne, 0});
        if (l.S <= 0) {
            if (!QueDesBlancs(l.NomEspece)) chemin.push_back({GenrePlan::Espece, ligne, 0});
            break;
        }
        attendue = l.S;
        chemin.push_back({GenrePlan::Entite, 0, attendue});
    }
    return chemin;
}

bool OuvertParFiltre(const PlanCle &p, const NoeudPlan &n, const std::vector<NoeudPlan> &ancetres) {
    if (!p.Filtrant() || ancetres.size() >= ProfondeurFiltre) return false;
    if (n.Genre == GenrePlan::Entite) {
        for (const NoeudPlan &a : ancetres)
            if ((a.Genre == GenrePlan::Entite || a.Genre == GenrePlan::Cle) && a.Entite == n.Entite)
                return false;
    }
    return APourEnfants(p, n);
}

void MnuPlan_Click(PlanCle &p) {
    p.Cadre.SetVisible(!p.Cadre.Visible);
}

void Plan_DblClick(PlanCle &p, const NoeudPlan &n) {
    const int fin = derniere(p);
    if (n.Ligne < 1 || n.Ligne > fin) return;
    switch (n.Genre) {
    case GenrePlan::Proposition:
    case GenrePlan::Section:
    case GenrePlan::Espece:
        ChoisitLigne(p.Principale, n.Ligne, true);
        break;
    case GenrePlan::Note:
        ChoisitLigne(p.Principale, propositionDe(p, n.Ligne), true);
        break;
    default:
        break;
    }
}

} // namespace lamelix
