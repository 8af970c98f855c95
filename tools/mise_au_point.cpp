// "Analyse/Tests": the analysis report of the loaded key, section by section.

#include "key/requetes_cle.hpp"
#include "platform/erreur.hpp"
#include "platform/fichiers.hpp"
#include "platform/nombres.hpp"
#include "platform/texte.hpp"
#include "tools/lignes_fichier.hpp"
#include "tools/outils.hpp"
#include "tools/structure.hpp"

#include <cstdint>
#include <functional>
#include <map>
#include <vector>

namespace lamelix {

namespace {

const char *const Fleche = " |----------------- >";

// The report being written, with its counts. Counts are wide: the pairs of one section may
// exceed any 16-bit number.
class Rapport {
  public:
    explicit Rapport(const Outils &o) : o_(o), cle_(o.Principale.Cle()), fin_(o.FinLigne()) {}

    std::string Texte;
    long long Erreurs = 0;
    long Courant = 0; // the index the running section examines

    void Ligne(const std::string &morceau) { Texte += fin_ + morceau; }
    // The line reference of key line i.
    void Reference(long i) {
        Texte += fin_ + o_.Dit("@ligne ") + std::to_string(i) + " / " +
                 TexteNombre(cle_.TabLignes(i).LigneTexte) + " \\";
    }
    std::string Tete(long i) const {
        const LigneCle &l = cle_.TabLignes(i);
        std::string tete(1, '(');
        tete.append(std::to_string(l.E)).append(1, ',').append(std::to_string(l.S));
        return tete.append(1, ')');
    }

    // A section whose header shows only when it has hits; counted sections add their hits to
    // the error count.
    void Section(const std::string &entete, bool compte, bool amovible,
                 const std::function<long()> &parcours) {
        const std::size_t avant = Texte.size();
        Ligne(entete);
        const long touches = parcours();
        if (compte) Erreurs += touches;
        if (amovible && touches == 0) Texte.resize(avant);
    }

  private:
    const Outils &o_;
    const CleCompilee &cle_;
    const std::string &fin_;
};

// The lines of the key that break a rule, each given by its test and its tail; the count.
long Parcourt(Rapport &r, const CleCompilee &cle, const std::function<bool(long)> &touche,
              const std::function<std::string(long)> &queue) {
    long touches = 0;
    for (r.Courant = 1; r.Courant <= NombreLignesCle(cle); ++r.Courant) {
        if (!touche(r.Courant)) continue;
        r.Reference(r.Courant);
        r.Texte += queue(r.Courant);
        ++touches;
    }
    return touches;
}

// A called entity that no line bears: its first line is not a line of that entity.
bool BrancheAbsente(const CleCompilee &cle, int16_t s) {
    if (s <= 0) return false;
    if (s > MaxEntites) return true;
    return !EntiteDefinie(cle, s);
}

// Every physical line of the file as the key's own encoding reads it, trimmed: decoded once for
// both text scans.
std::vector<std::string> LignesDecodees(const std::string &octets) {
    std::vector<std::string> lignes = LignesDecodeesCommeLaCle(octets);
    for (std::string &ligne : lignes)
        ligne = SansBlancs(ligne);
    return lignes;
}

// The text scans: every physical line of the file, numbered from 1.
long ScanneTexte(Rapport &r, const std::vector<std::string> &lignes,
                 const std::function<bool(const std::string &)> &touche,
                 const std::function<std::string(long, const std::string &)> &morceau) {
    long touches = 0;
    for (std::size_t n = 0; n < lignes.size(); ++n) {
        const std::string &texte = lignes[n];
        if (!touche(texte)) continue;
        r.Texte += morceau(static_cast<long>(n + 1), texte);
        ++touches;
    }
    return touches;
}

long NombreDollars(const std::string &texte) {
    long n = 0;
    for (char c : texte)
        n += c == '$';
    return n;
}

// Section 12: every pair i < j of lines calling the same entity, in the order of i then j.
long Mailles(Rapport &r, const CleCompilee &cle) {
    std::map<int16_t, std::vector<long>> appelants;
    for (long i = 1; i <= NombreLignesCle(cle); ++i)
        if (cle.TabLignes(i).S > 0) appelants[cle.TabLignes(i).S].push_back(i);
    long touches = 0;
    for (r.Courant = 1; r.Courant <= NombreLignesCle(cle); ++r.Courant) {
        const LigneCle &l = cle.TabLignes(r.Courant);
        if (l.S <= 0) continue;
        for (long j : appelants[l.S]) {
            if (j <= r.Courant) continue;
            r.Reference(r.Courant);
            r.Texte += r.Tete(r.Courant) + " \\ bis = " + r.Tete(j);
            ++touches;
        }
    }
    return touches;
}

// A finding's detail, its French words in the interface language.
std::string DetailTraduit(const Outils &o, std::string detail) {
    for (const char *francais : {" : déjà à la ligne ", "entité "})
        detail = Remplace(detail, francais, o.Dit(francais));
    return detail;
}

// The checks of the key's graph, after the report's own sections, shown only when they find
// something: each kind of finding under its title, each line with its reference.
long Structure(const Outils &o, Rapport &r, const CleCompilee &cle) {
    const std::vector<ConstatStructure> constats = VerifieStructure(cle);
    const ConstatStructure *precedent = nullptr;
    for (const ConstatStructure &c : constats) {
        if (precedent == nullptr || precedent->Genre != c.Genre)
            r.Ligne("  * " + o.Dit(TitreConstat(c.Genre)) +
                    TermeKeyBaseEntre(c.Genre, o.Principale.Libelles.TermeKeyBase) + " :");
        precedent = &c;
        r.Courant = c.Ligne;
        r.Reference(c.Ligne);
        r.Texte += r.Tete(c.Ligne) + "\\" + cle.TabLignes(c.Ligne).Description;
        if (!c.Detail.empty()) r.Texte += " \\ " + DetailTraduit(o, c.Detail);
    }
    if (!constats.empty()) r.Ligne(o.Dit("----fin des vérifications supplémentaires------"));
    return static_cast<long>(constats.size());
}

void Sections(Outils &o, Rapport &r) {
    const CleCompilee &cle = o.Cle();
    const auto L = [&cle](long i) -> const LigneCle & { return cle.TabLignes(i); };
    const auto simple = [&](long i) { return r.Tete(i) + "\\" + L(i).Description; };
    const auto etoile = [&](long i) {
        return r.Tete(i) + std::to_string(L(i).E) + "*\\" + L(i).Description;
    };
    const auto section = [&](const std::string &titre, bool compte, bool amovible,
                             const std::function<bool(long)> &touche,
                             const std::function<std::string(long)> &queue) {
        r.Section(titre, compte, amovible, [&] { return Parcourt(r, cle, touche, queue); });
    };
    const std::string tete = std::string(Fleche) + "    ";

    section(
        tete + o.Dit("lignes en désordre : "), true, true,
        [&](long i) { return L(i).E > 0 && L(i).E < L(i - 1).E; }, etoile);
    section(
        tete + o.Dit("Branche appelée au delà de la dernière entité : "), true, true,
        [&](long i) { return L(i).S > cle.EntiteMaxCourante; }, simple);
    section(
        tete + o.Dit("Appel de branche inexistante : "), true, true,
        [&](long i) { return BrancheAbsente(cle, L(i).S); }, simple);
    r.Section(tete + o.Dit("Noeud étiqueté : "), false, true, [&] {
        return Parcourt(
                   r, cle,
                   [&](long i) { return L(i).S > 0 && !SansBlancs(L(i).NomEspece).empty(); },
                   [&](long i) { return simple(i) + "..." + L(i).NomEspece; }) +
               Parcourt(
                   r, cle, [&](long i) { return L(i).E == L(i).S; },
                   [&](long i) {
                       return simple(i) + " " + L(i).NomEspece + " " + L(i).Complements;
                   });
    });
    section(
        tete + o.Dit("Description terminale absente : "), true, true,
        [&](long i) { return EstTerminale(L(i)) && SansBlancs(L(i).Description).empty(); },
        [&](long i) { return r.Tete(i) + "\\" + L(i).NomEspece; });
    section(
        tete + o.Dit("Nom d'espèce  absent : "), false, true,
        [&](long i) { return EstTerminale(L(i)) && L(i).NomEspece.empty() && !EstNote(cle, i); },
        simple);
    section(
        std::string(Fleche) + o.Msg(MsgRuptureSequence) + o.Msg(MsgRisqueBouclage), false, false,
        [&](long i) { return L(i).E > 0 && L(i).S > 0 && L(i).E >= L(i).S; }, etoile);
    // Both text scans read the loaded file by its full path.
    const std::vector<std::string> lignes = LignesDecodees(LitFichierOutils(cle.FichierCle));
    r.Section(tete + o.Dit("Lignes ignorées: "), false, false, [&] {
        return ScanneTexte(
            r, lignes,
            [](const std::string &t) {
                return t.empty() || Majuscules(PremiersCaracteres(t, 3)) == "REM";
            },
            [&](long n, const std::string &t) {
                return o.FinLigne() + std::to_string(n) + "\\" + t;
            });
    });
    section(
        Fleche + o.Dit("   Liste notes"), false, true, [&](long i) { return EstNote(cle, i); },
        simple);

    r.Ligne("-----------------------------");
    const std::string nombre = std::to_string(r.Erreurs);
    r.Ligne(nombre + o.Dit(r.Erreurs < 2 ? " erreur remarquée" : " erreurs possibles"));
    r.Texte += o.FinLigne();

    r.Section(tete + o.Dit("nb de séparateurs excessif"), false, true, [&] {
        return ScanneTexte(
            r, lignes, [](const std::string &t) { return NombreDollars(t) >= 4; },
            [&](long n, const std::string &t) {
                return o.FinLigne() + std::to_string(n) +
                       " \\ Nb= " + std::to_string(NombreDollars(t)) + " :" + t;
            });
    });
    r.Ligne(o.Dit("----fin d'analyse------"));
    r.Section(Fleche + o.Dit("    entités maillées"), false, true, [&] { return Mailles(r, cle); });
    r.Ligne(o.Dit("----fin d'analyse------"));
    r.Section(tete + o.Dit("Vérifications supplémentaires de la structure"), false, true,
              [&] { return Structure(o, r, cle); });
}

} // namespace

void MiseauPointFichierOutils(Outils &o) {
    // The report reads the compiled key alone: the consultation in the main window stays as it
    // is, its lists agreeing with its path.
    const CleCompilee &cle = o.Cle();
    Rapport r(o);
    try {
        r.Texte = o.Msg(MsgCompteRenduSyntaxe) + NomFichier(cle.FichierCle);
        r.Ligne(o.Dit(" nb de lignes vues :") + std::to_string(cle.NbLignesTexte));
        r.Ligne(o.Dit(" nb de lignes utiles :") + std::to_string(cle.EntiteMax));
        r.Ligne(o.Dit(" dernière entité     : ") + std::to_string(cle.EntiteMaxCourante));
        r.Ligne({});
        r.Ligne(o.Dit(" Listes des lignes comportant une erreur possible"));
        Sections(o, r);
    } catch (const ErreurExecution &) {
        const bool dansTable = r.Courant >= 0 && r.Courant <= MaxLignesCle;
        r.Texte += o.FinLigne() + o.FinLigne() + o.Dit("erreur fatale d'indexation à l'index  ") +
                   o.Dit("@ligne ") + std::to_string(r.Courant) + " / " +
                   (dansTable ? TexteNombre(cle.TabLignes(r.Courant).LigneTexte) : "?");
        r.Ligne(o.Dit("---- analyse interrompue ------"));
    }
    o.Text10[0].SetText(std::move(r.Texte));
}

} // namespace lamelix
