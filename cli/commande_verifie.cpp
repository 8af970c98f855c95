#include "cli/commande_verifie.hpp"

#include "app/application.hpp"
#include "cli/cle_chargee.hpp"
#include "cli/console.hpp"
#include "platform/fichiers.hpp"
#include "platform/piege.hpp"
#include "settings/fichier_ini.hpp"
#include "tools/lignes_fichier.hpp"
#include "tools/verdict.hpp"

#include <algorithm>
#include <map>
#include <memory>
#include <nlohmann/json.hpp>

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

// The verdict as one JSON document: the file, each diagnostic with its line and the columns of
// its field (counted in characters from 1, the end excluded), and the counts by severity.
void EcritJson(std::ostream &sortie, const std::string &chemin, bool charge,
               const std::vector<Diagnostic> &diagnostics, const std::vector<std::string> &citees,
               bool fautes) {
    const auto caracteres = [](std::string_view texte) {
        return static_cast<long>(std::count_if(texte.begin(), texte.end(), [](char c) {
            return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
        }));
    };
    nlohmann::ordered_json liste = nlohmann::ordered_json::array();
    std::map<std::string, long> comptes{{"error", 0}, {"warning", 0}, {"information", 0}};
    for (const Diagnostic &d : diagnostics) {
        long debut = 0, fin = 0;
        if (d.Ligne >= 1 && d.Ligne <= static_cast<long>(citees.size())) {
            const std::string &ligne = citees[static_cast<std::size_t>(d.Ligne - 1)];
            const auto [a, b] = PlageChamp(ligne, d.Sur);
            debut = caracteres(std::string_view(ligne).substr(0, a)) + 1;
            fin = debut + caracteres(std::string_view(ligne).substr(a, b - a));
        }
        ++comptes[NomGravite(d.Genre)];
        liste.push_back({{"line", d.Ligne},
                         {"column", debut},
                         {"end_column", fin},
                         {"severity", NomGravite(d.Genre)},
                         {"code", d.Code},
                         {"message", d.Message},
                         {"explanation", d.Explication}});
    }
    const nlohmann::ordered_json verdict = {{"file", chemin},
                                            {"diagnostics", liste},
                                            {"summary",
                                             {{"compiled", charge},
                                              {"errors", comptes["error"]},
                                              {"warnings", comptes["warning"]},
                                              {"information", comptes["information"]},
                                              {"status", fautes ? 1 : 0}}}};
    sortie << verdict.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << '\n';
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
        diagnostics = Verdict(ResultatChargement{dialogues.Textes, o.Cle(), charge, octets});
    });
    if (erreur) erreurs << "interruption: " << Echappe(*erreur) << '\n';
    bool fautes = !charge || erreur.has_value();
    for (const Diagnostic &d : diagnostics)
        fautes = fautes || d.Genre == Gravite::Erreur;
    if (appel.Valeur("--format", "texte") == "json") {
        EcritJson(sortie, chemin, charge, diagnostics, citees, fautes);
        return fautes ? 1 : 0;
    }
    for (const Diagnostic &d : diagnostics) {
        sortie << Echappe(chemin) << ':';
        if (d.Ligne > 0) sortie << d.Ligne << ':';
        sortie << ' '
               << (d.Genre == Gravite::Erreur        ? "erreur: "
                   : d.Genre == Gravite::Information ? "information: "
                                                     : "avertissement: ")
               << Echappe(d.Message);
        if (!d.Explication.empty()) sortie << " : " << Echappe(d.Explication);
        sortie << '\n';
        if (d.Ligne >= 1 && d.Ligne <= static_cast<long>(lignes.size()))
            sortie << "    " << Echappe(citees[static_cast<std::size_t>(d.Ligne - 1)]) << '\n';
    }
    return fautes ? 1 : 0;
}

} // namespace lamelix
