#include "tools/verdict.hpp"

#include "consult/libelles.hpp"
#include "key/requetes_cle.hpp"
#include "platform/erreur.hpp"
#include "platform/nombres.hpp"
#include "platform/texte.hpp"
#include "tools/lignes_fichier.hpp"
#include "tools/structure.hpp"

#include <algorithm>
#include <functional>
#include <optional>
#include <regex>

namespace lamelix {

namespace {

bool EstCS(const std::string &texte) {
    return std::regex_match(Majuscules(texte), std::regex("CS[0-9]+"));
}

// What is wrong with a key line's head, in plain words; "" when the head looks sound.
std::string ExpliqueTete(const std::string &ligne) {
    const std::string tete = SansBlancs(ligne.substr(0, ligne.find('$')));
    const std::size_t virgule = tete.find(',');
    if (virgule == std::string::npos)
        return "la tête « " + tete +
               " » n'a pas de virgule : une ligne de clé commence par « E, S $ »";
    const std::string e = SansBlancs(tete.substr(0, virgule));
    std::string s = SansBlancs(tete.substr(virgule + 1));
    s = SansBlancs(s.substr(0, s.find(',')));
    if (!EstNumerique(e) && !EstCS(e))
        return "le numéro d'entité « " + e + " » n'est pas un nombre (ni un en-tête CSn)";
    if (!EstNumerique(s) && !EstCS(s))
        return "l'entité appelée « " + s + " » n'est pas un nombre (ni une clé secondaire CSn)";
    if (e == s && EstNumerique(e))
        return "la ligne appelle sa propre entité " + e + " : la consultation y tournerait en rond";
    const auto dollars = std::count(ligne.begin(), ligne.end(), '$');
    if (dollars > 3)
        return "la ligne a " + std::to_string(dollars) +
               " « $ » : trois au plus séparent la tête, la description, le nom d'espèce et les "
               "compléments";
    return {};
}

// The compiler's messages, recognised by their words.
struct Motif {
    const char *contient;
    bool erreur;
    const char *code;
    Champ sur;
    const char *explication; // when the head says nothing
};

const Motif Motifs[] = {
    {"syntaxe incorrecte", true, "lamelix.syntaxe", Champ::Entite,
     "la tête de la ligne n'a pas la forme « E, S »"},
    {"(E=S)", true, "lamelix.appel-propre", Champ::Appel, "la ligne appelle sa propre entité"},
    {"erreur 96/", true, "lamelix.en-tete", Champ::Entite,
     "l'en-tête n'est ni un numéro d'entité ni un en-tête de clé secondaire"},
    {"erreur 20/CSX/", true, "lamelix.cle-secondaire-absente", Champ::Appel,
     "la clé secondaire appelée n'existe pas"},
    {"erreur dest. dans CS", true, "lamelix.appel-hors-cle-secondaire", Champ::Appel,
     "la ligne appelle une entité qui n'existe pas avant l'en-tête de clé secondaire suivant"},
    {"ne pas utiliser le caract", false, "lamelix.caractere-commande", Champ::Description,
     "la description contient un caractère de commande invisible (code 19)"},
    {"erreur 100/", true, "lamelix.arret", Champ::Ligne,
     "la compilation s'est arrêtée sur cette ligne"},
};

std::optional<long> Numero(const std::string &texte, const std::regex &motif) {
    std::smatch m;
    if (!std::regex_search(texte, m, motif)) return std::nullopt;
    return std::stol(m[1].str());
}

// The compiler's dialogs as diagnostics at the line they name.
void DuCompilateur(const ResultatChargement &c, const std::vector<std::string> &lignes,
                   std::vector<Diagnostic> &diagnostics) {
    for (const std::string &texte : c.Dialogues) {
        Diagnostic d;
        d.Code = "lamelix.compilation";
        d.Message = SansBlancs(texte.substr(0, texte.find('\r')));
        const Motif *motif = nullptr;
        for (const Motif &m : Motifs)
            if (texte.find(m.contient) != std::string::npos) motif = &m;
        if (motif == nullptr) {
            diagnostics.push_back(d); // about the whole file
            continue;
        }
        d.Genre = motif->erreur ? Gravite::Erreur : Gravite::Avertissement;
        d.Code = motif->code;
        d.Sur = motif->sur;
        std::optional<long> n;
        if (texte.find("ne pas utiliser") != std::string::npos) {
            // That message names the key line's index: its physical line is in the tables.
            if (auto i = Numero(texte, std::regex(" / ([0-9]+)$")); i && *i <= MaxLignesCle)
                n = static_cast<long>(c.Cle.TabLignes(*i).LigneTexte);
        } else {
            n = Numero(texte, std::regex("ligne ?\\s*([0-9]+)"));
        }
        d.Ligne = n.value_or(0);
        if (d.Ligne >= 1 && d.Ligne <= static_cast<long>(lignes.size()))
            d.Explication = ExpliqueTete(lignes[static_cast<std::size_t>(d.Ligne - 1)]);
        if (d.Explication.empty() || !motif->erreur) d.Explication = motif->explication;
        diagnostics.push_back(std::move(d));
    }
}

// Key lines of entity 0: the compiler keeps them as lines no choice reaches, and a key that
// starts with one does not load at all, without a word from the compiler.
void DesEntitesNulles(const std::vector<std::string> &lignes,
                      std::vector<Diagnostic> &diagnostics) {
    for (std::size_t k = 0; k < lignes.size(); ++k) {
        if (!LigneNumerotable(lignes[k])) continue;
        const std::string tete = TeteDeLigne(lignes[k]);
        const std::string e = SansBlancs(tete.substr(0, tete.find(',')));
        if (!EstNumerique(e) || Valeur(e) != 0) continue;
        Diagnostic d;
        d.Ligne = static_cast<long>(k) + 1;
        d.Sur = Champ::Entite;
        d.Code = "lamelix.entite-zero";
        d.Message = "entité 0 (" + tete + ")";
        d.Explication = "les entités sont numérotées à partir de 1 : aucun choix ne mène à cette "
                        "ligne, et une clé qui commence par elle ne se charge pas";
        diagnostics.push_back(std::move(d));
    }
}

// The analysis report's counted sections (and its sequence breaks, a warning), the lines each
// lists, with the same tests as the report. A run-time error stops them where the report stops.
void DuRapport(const CleCompilee &cle, std::vector<Diagnostic> &diagnostics) {
    const auto L = [&cle](long i) -> const LigneCle & { return cle.TabLignes(i); };
    struct Section {
        const char *titre, *code;
        bool erreur;
        Champ sur;
        std::function<bool(long)> touche;
        const char *explication;
    };
    const Section sections[] = {
        {"lignes en désordre", "lamelix.desordre", true, Champ::Entite,
         [&](long i) { return L(i).E > 0 && L(i).E < L(i - 1).E; },
         "l'entité est plus petite que celle de la ligne d'avant : les entités se suivent dans "
         "l'ordre croissant"},
        {"Branche appelée au delà de la dernière entité", "lamelix.appel-au-dela", true,
         Champ::Appel, [&](long i) { return L(i).S > cle.EntiteMaxCourante; },
         "la ligne appelle une entité plus grande que la dernière entité de la clé"},
        {"Appel de branche inexistante", "lamelix.appel-inexistant", true, Champ::Appel,
         [&](long i) {
             const int16_t s = L(i).S;
             return s > 0 && (s > MaxEntites || !EntiteDefinie(cle, s));
         },
         "aucune ligne ne porte l'entité que cette ligne appelle"},
        {"Description terminale absente", "lamelix.description-absente", true, Champ::Ligne,
         [&](long i) { return EstTerminale(L(i)) && SansBlancs(L(i).Description).empty(); },
         "la ligne mène à une espèce sans la décrire"},
        {"rupture de séquence", "lamelix.rupture-sequence", false, Champ::Appel,
         [&](long i) { return L(i).E > 0 && L(i).S > 0 && L(i).E >= L(i).S; },
         "la ligne appelle une entité qui n'est pas plus loin qu'elle : risque de boucle"},
    };
    try {
        for (const Section &s : sections) {
            for (long i = 1; i <= NombreLignesCle(cle); ++i) {
                if (!s.touche(i)) continue;
                Diagnostic d;
                d.Ligne = static_cast<long>(L(i).LigneTexte);
                d.Genre = s.erreur ? Gravite::Erreur : Gravite::Avertissement;
                d.Sur = s.sur;
                d.Code = s.code;
                d.Message = std::string(s.titre) + " (" + std::to_string(L(i).E) + "," +
                            std::to_string(L(i).S) + ")";
                d.Explication = s.explication;
                diagnostics.push_back(std::move(d));
            }
        }
    } catch (const ErreurExecution &) {
        // the report ends there too: what it listed so far stands
    }
}

struct Constat {
    const char *nom, *code;
    Champ sur;
};

Constat DuGenre(GenreConstat g) {
    switch (g) {
    case GenreConstat::EntiteInaccessible:
        return {"entité inaccessible", "lamelix.entite-inaccessible", Champ::Entite};
    case GenreConstat::Cycle:
        return {"cycle", "lamelix.cycle", Champ::Appel};
    case GenreConstat::PropositionUnique:
        return {"proposition unique", "lamelix.proposition-unique", Champ::Entite};
    case GenreConstat::EspeceRepetee:
        return {"espèce répétée", "lamelix.espece-repetee", Champ::Espece};
    case GenreConstat::EntiteAbsente:
        return {"entité absente", "lamelix.entite-absente", Champ::Appel};
    case GenreConstat::CleNonAppelee:
        return {"clé secondaire non appelée", "lamelix.cle-non-appelee", Champ::Entite};
    case GenreConstat::Polytomie:
        return {"polytomie", "lamelix.polytomie", Champ::Entite};
    case GenreConstat::Reticulation:
        return {"réticulation", "lamelix.reticulation", Champ::Appel};
    }
    return {"", "", Champ::Ligne};
}

// The checks of the key's graph: warnings, and the shapes keys often have on purpose as
// information; each named as KeyBase names it too, where it has a word for it.
void DeLaStructure(const CleCompilee &cle, std::vector<Diagnostic> &diagnostics) {
    const std::string cadre = LibellesFenetre().TermeKeyBase; // the verdict speaks French
    for (const ConstatStructure &c : VerifieStructure(cle)) {
        const LigneCle &l = cle.TabLignes(c.Ligne);
        const Constat genre = DuGenre(c.Genre);
        Diagnostic d;
        d.Ligne = static_cast<long>(l.LigneTexte);
        d.Genre = EstInformation(c.Genre) ? Gravite::Information : Gravite::Avertissement;
        d.Sur = genre.sur;
        d.Code = genre.code;
        d.Message = genre.nom + TermeKeyBaseEntre(c.Genre, cadre) + " (" + std::to_string(l.E) +
                    "," + std::to_string(l.S) + ")" + (c.Detail.empty() ? "" : " " + c.Detail);
        d.Explication = TitreConstat(c.Genre);
        diagnostics.push_back(std::move(d));
    }
}

} // namespace

std::vector<Diagnostic> Verdict(const ResultatChargement &chargement) {
    const std::vector<std::string> lignes = LignesSansRetour(chargement.Octets);
    std::vector<Diagnostic> diagnostics;
    DuCompilateur(chargement, lignes, diagnostics);
    DesEntitesNulles(lignes, diagnostics);
    if (!chargement.Charge) return diagnostics;
    DuRapport(chargement.Cle, diagnostics);
    DeLaStructure(chargement.Cle, diagnostics);
    return diagnostics;
}

std::pair<std::size_t, std::size_t> PlageChamp(std::string_view ligne, Champ champ) {
    // The bounds of the piece between two separators, blanks around it left out.
    const auto sansBlancs = [&ligne](std::size_t debut, std::size_t fin) {
        while (debut < fin && (ligne[debut] == ' ' || ligne[debut] == '\t'))
            ++debut;
        while (fin > debut &&
               (ligne[fin - 1] == ' ' || ligne[fin - 1] == '\t' || ligne[fin - 1] == '\r'))
            --fin;
        return std::pair{debut, fin};
    };
    const auto apres = [&ligne](char c, std::size_t depuis, std::size_t fin) {
        const std::size_t p = ligne.find(c, depuis);
        return p == std::string_view::npos || p > fin ? fin : p;
    };
    const std::size_t fin = ligne.size();
    const std::size_t dollar1 = apres('$', 0, fin);
    std::pair<std::size_t, std::size_t> plage = sansBlancs(0, fin);
    switch (champ) {
    case Champ::Ligne:
        break;
    case Champ::Entite:
        plage = sansBlancs(0, apres(',', 0, dollar1));
        break;
    case Champ::Appel: {
        const std::size_t virgule = apres(',', 0, dollar1);
        if (virgule < dollar1) plage = sansBlancs(virgule + 1, apres(',', virgule + 1, dollar1));
        break;
    }
    case Champ::Description:
    case Champ::Espece:
    case Champ::Complements: {
        std::size_t debut = dollar1;
        for (int k = 0;
             k < static_cast<int>(champ) - static_cast<int>(Champ::Description) && debut < fin; ++k)
            debut = apres('$', debut + 1, fin);
        if (debut < fin)
            plage = sansBlancs(debut + 1,
                               champ == Champ::Complements ? fin : apres('$', debut + 1, fin));
        break;
    }
    }
    if (plage.first >= plage.second) plage = sansBlancs(0, fin);
    return plage;
}

const char *NomGravite(Gravite g) {
    switch (g) {
    case Gravite::Erreur:
        return "error";
    case Gravite::Avertissement:
        return "warning";
    case Gravite::Information:
        return "information";
    }
    return "";
}

} // namespace lamelix
