#include "cli/commande_verifie.hpp"

#include "app/application.hpp"
#include "cli/cle_chargee.hpp"
#include "cli/console.hpp"
#include "consult/libelles.hpp"
#include "platform/fichiers.hpp"
#include "platform/nombres.hpp"
#include "platform/piege.hpp"
#include "platform/texte.hpp"
#include "settings/fichier_ini.hpp"
#include "tools/lignes_fichier.hpp"
#include "tools/structure.hpp"

#include <algorithm>
#include <memory>
#include <optional>
#include <regex>

namespace lamelix {

namespace {

// The console dialogs, each message and question also kept for the diagnostics.
class DialoguesRetenus : public ServicesConsole {
  public:
    using ServicesConsole::ServicesConsole;
    std::vector<std::string> Textes;
    void Message(const std::string &texte, const std::string &titre = {}) override {
        Textes.push_back(texte);
        ServicesConsole::Message(texte, titre);
    }
    int Question(const std::string &texte, const std::string &titre = {}) override {
        Textes.push_back(texte);
        return ServicesConsole::Question(texte, titre);
    }
};

struct Diagnostic {
    long ligne = 0; // physical line, 0 for the whole file
    bool erreur = true;
    bool information = false; // neither error nor warning: a shape keys often have on purpose
    std::string message, explication;
};

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

struct Motif {
    const char *contient;
    bool erreur;
    const char *explication; // when the head says nothing
};

const Motif Motifs[] = {
    {"syntaxe incorrecte", true, "la tête de la ligne n'a pas la forme « E, S »"},
    {"(E=S)", true, "la ligne appelle sa propre entité"},
    {"erreur 96/", true, "l'en-tête n'est ni un numéro d'entité ni un en-tête de clé secondaire"},
    {"erreur 20/CSX/", true, "la clé secondaire appelée n'existe pas"},
    {"erreur dest. dans CS", true,
     "la ligne appelle une entité qui n'existe pas avant l'en-tête de clé secondaire suivant"},
    {"ne pas utiliser le caract", false,
     "la description contient un caractère de commande invisible (code 19)"},
    {"erreur 100/", true, "la compilation s'est arrêtée sur cette ligne"},
};

std::optional<long> Numero(const std::string &texte, const std::regex &motif) {
    std::smatch m;
    if (!std::regex_search(texte, m, motif)) return std::nullopt;
    return std::stol(m[1].str());
}

// The compiler's dialogs as diagnostics at the line they name.
std::vector<Diagnostic> DuCompilateur(const std::vector<std::string> &textes,
                                      const CleCompilee &cle,
                                      const std::vector<std::string> &lignes) {
    std::vector<Diagnostic> diagnostics;
    for (const std::string &texte : textes) {
        Diagnostic d;
        d.message = SansBlancs(texte.substr(0, texte.find('\r')));
        const Motif *motif = nullptr;
        for (const Motif &m : Motifs)
            if (texte.find(m.contient) != std::string::npos) motif = &m;
        if (motif == nullptr) {
            diagnostics.push_back(d); // about the whole file
            continue;
        }
        d.erreur = motif->erreur;
        std::optional<long> n;
        if (texte.find("ne pas utiliser") != std::string::npos) {
            // That message names the key line's index: its physical line is in the tables.
            if (auto i = Numero(texte, std::regex(" / ([0-9]+)$")); i && *i <= MaxLignesCle)
                n = static_cast<long>(cle.TabLignes(*i).LigneTexte);
        } else {
            n = Numero(texte, std::regex("ligne ?\\s*([0-9]+)"));
        }
        d.ligne = n.value_or(0);
        if (d.ligne >= 1 && d.ligne <= static_cast<long>(lignes.size()))
            d.explication = ExpliqueTete(lignes[static_cast<std::size_t>(d.ligne - 1)]);
        if (d.explication.empty() || !motif->erreur) d.explication = motif->explication;
        diagnostics.push_back(d);
    }
    return diagnostics;
}

// The lines of the analysis report that its counted sections list, and its loop warnings.
std::vector<Diagnostic> DuRapport(const std::string &rapport) {
    const std::pair<const char *, const char *> sections[] = {
        {"lignes en désordre",
         "l'entité est plus petite que celle de la ligne d'avant : les entités se suivent dans "
         "l'ordre croissant"},
        {"Branche appelée au delà de la dernière entité",
         "la ligne appelle une entité plus grande que la dernière entité de la clé"},
        {"Appel de branche inexistante", "aucune ligne ne porte l'entité que cette ligne appelle"},
        {"Description terminale absente", "la ligne mène à une espèce sans la décrire"},
        {"rupture de séquence",
         "la ligne appelle une entité qui n'est pas plus loin qu'elle : risque de boucle"}};
    std::vector<Diagnostic> diagnostics;
    const std::regex reference("^@ligne [0-9]+ / ([0-9]+) \\\\\\((-?[0-9]+),(-?[0-9]+)\\)");
    const std::pair<const char *, const char *> *section = nullptr;
    for (const std::string &ligne : LignesTexte(rapport)) {
        if (ligne.rfind(" |-", 0) == 0) {
            section = nullptr;
            for (const auto &s : sections)
                if (ligne.find(s.first) != std::string::npos) section = &s;
            continue;
        }
        std::smatch m;
        if (section == nullptr || !std::regex_search(ligne, m, reference)) continue;
        Diagnostic d;
        d.ligne = std::stol(m[1].str());
        d.erreur = std::string(section->first) != "rupture de séquence";
        d.message = std::string(section->first) + " (" + m[2].str() + "," + m[3].str() + ")";
        d.explication = section->second;
        diagnostics.push_back(d);
    }
    return diagnostics;
}

// The checks of the key's graph: warnings, and the shapes keys often have on purpose as
// information; each named as KeyBase names it too, where it has a word for it.
std::vector<Diagnostic> DeLaStructure(const CleCompilee &cle) {
    const auto nom = [](GenreConstat g) -> std::string {
        switch (g) {
        case GenreConstat::EntiteInaccessible:
            return "entité inaccessible";
        case GenreConstat::Cycle:
            return "cycle";
        case GenreConstat::PropositionUnique:
            return "proposition unique";
        case GenreConstat::EspeceRepetee:
            return "espèce répétée";
        case GenreConstat::EntiteAbsente:
            return "entité absente";
        case GenreConstat::CleNonAppelee:
            return "clé secondaire non appelée";
        case GenreConstat::Polytomie:
            return "polytomie";
        case GenreConstat::Reticulation:
            return "réticulation";
        }
        return "";
    };
    const std::string cadre = LibellesFenetre().TermeKeyBase; // the command line speaks French
    std::vector<Diagnostic> diagnostics;
    for (const ConstatStructure &c : VerifieStructure(cle)) {
        const LigneCle &l = cle.TabLignes(c.Ligne);
        Diagnostic d;
        d.ligne = static_cast<long>(l.LigneTexte);
        d.erreur = false;
        d.information = EstInformation(c.Genre);
        d.message = nom(c.Genre) + TermeKeyBaseEntre(c.Genre, cadre) + " (" + std::to_string(l.E) +
                    "," + std::to_string(l.S) + ")" + (c.Detail.empty() ? "" : " " + c.Detail);
        d.explication = TitreConstat(c.Genre);
        diagnostics.push_back(std::move(d));
    }
    return diagnostics;
}

// Key lines of entity 0: the compiler keeps them as lines no choice reaches, and a key that
// starts with one does not load at all, without a word from the compiler.
std::vector<Diagnostic> DesEntitesNulles(const std::vector<std::string> &lignes) {
    std::vector<Diagnostic> diagnostics;
    for (std::size_t k = 0; k < lignes.size(); ++k) {
        if (!LigneNumerotable(lignes[k])) continue;
        const std::string tete = TeteDeLigne(lignes[k]);
        const std::string e = SansBlancs(tete.substr(0, tete.find(',')));
        if (!EstNumerique(e) || Valeur(e) != 0) continue;
        Diagnostic d;
        d.ligne = static_cast<long>(k) + 1;
        d.message = "entité 0 (" + tete + ")";
        d.explication = "les entités sont numérotées à partir de 1 : aucun choix ne mène à cette "
                        "ligne, et une clé qui commence par elle ne se charge pas";
        diagnostics.push_back(std::move(d));
    }
    return diagnostics;
}

} // namespace

int CommandeVerifie(const Appel &appel, std::ostream &sortie, std::ostream &erreurs) {
    const std::string &chemin = appel.fichier;
    const std::string octets = LireOctets(chemin).value_or("");
    const std::vector<std::string> lignes = LignesSansRetour(octets);
    const std::vector<std::string> citees = LignesDecodeesCommeLaCle(octets);

    DialoguesRetenus dialogues(erreurs, appel.oui);
    auto app = std::make_unique<Application>(dialogues);
    Outils &o = app->Outil();
    bool charge = false;
    std::vector<Diagnostic> diagnostics;
    const auto erreur = ExecuteGestionnaire([&] {
        MontreOutils(o);
        charge = ChargeCleOuDit(o, chemin, erreurs);
        diagnostics = DuCompilateur(dialogues.Textes, o.Cle(), lignes);
        for (Diagnostic &d : DesEntitesNulles(lignes))
            diagnostics.push_back(std::move(d));
        if (!charge) return;
        Command1_Click(o, OutAnalyse);
        for (Diagnostic &d : DuRapport(o.Text10[0].Text))
            diagnostics.push_back(std::move(d));
        for (Diagnostic &d : DeLaStructure(o.Cle()))
            diagnostics.push_back(std::move(d));
    });
    if (erreur) erreurs << "interruption: " << Echappe(*erreur) << '\n';
    bool fautes = !charge || erreur.has_value();
    for (const Diagnostic &d : diagnostics) {
        fautes = fautes || d.erreur;
        sortie << Echappe(chemin) << ':';
        if (d.ligne > 0) sortie << d.ligne << ':';
        sortie << ' '
               << (d.erreur        ? "erreur: "
                   : d.information ? "information: "
                                   : "avertissement: ")
               << Echappe(d.message);
        if (!d.explication.empty()) sortie << " : " << Echappe(d.explication);
        sortie << '\n';
        if (d.ligne >= 1 && d.ligne <= static_cast<long>(lignes.size()))
            sortie << "    " << Echappe(citees[static_cast<std::size_t>(d.ligne - 1)]) << '\n';
    }
    return fautes ? 1 : 0;
}

} // namespace lamelix
