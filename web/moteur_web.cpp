// The consultation engine of the published page: the same window models and gestures as
// `lamelix-outils parcours`, driven from the page's script. Each call answers with the window's
// state as one JSON object (see etat_web.hpp); the page writes the keys into /cles/ first.

#include "app/gestes_parcours.hpp"
#include "platform/piege.hpp"
#include "web/etat_web.hpp"

#include <charconv>
#include <emscripten/emscripten.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>

namespace lamelix {

namespace {

// Where the page puts its keys, and where the engine keeps the interface language file.
const char *const DossierCles = "/cles/";
const char *const DossierProgramme = "/lamelix";

struct Moteur {
    std::unique_ptr<ServicesWeb> services;
    std::unique_ptr<Application> app;
    bool avecForm1 = false; // the last action was the comparison: its text is printed too
    std::string reponse;    // the last answer, alive until the next call
};

Moteur &moteur() {
    static Moteur m;
    return m;
}

// Runs a handler as the window does; a fault is told to the page and the state stays.
void gestionnaire(const std::function<void()> &action) {
    if (auto erreur = ExecuteGestionnaire(action)) moteur().services->Note("interruption", *erreur);
}

const char *repond(nlohmann::json etat) {
    Moteur &m = moteur();
    m.reponse = etat.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
    return m.reponse.c_str();
}

const char *etat(nlohmann::json supplement = nlohmann::json::object()) {
    Moteur &m = moteur();
    if (!m.app) return repond({{"erreur", "aucune clé ouverte"}});
    nlohmann::json e = EtatWeb(*m.app, m.services->Releve());
    e.update(supplement);
    return repond(std::move(e));
}

// The page's gestures beyond `parcours`'s vocabulary: "ligne:N", a click on line N of the path
// (Text1, from 0), which goes back to that step; "image", the "Image" button. Nothing for any
// other word.
std::function<void(Lamelix &)> GesteDeLaPage(const std::string &mot) {
    if (mot == "image")
        return [](Lamelix &f) {
            if (f.Command2.Visible && f.Command2.Enabled) Command2_Click(f);
        };
    if (mot.rfind("ligne:", 0) != 0) return {};
    int n = -1;
    const char *debut = mot.data() + 6, *fin = mot.data() + mot.size();
    const auto [lu, ec] = std::from_chars(debut, fin, n);
    if (ec != std::errc{} || lu != fin || debut == fin || n < 0) return {};
    return [n](Lamelix &f) {
        if (f.Text1.Visible) Text1_DblClick(f, n);
    };
}

void ecritLangue(const std::string &texte) {
    std::ofstream(std::string(DossierProgramme) + "/Lamelix_page.lng", std::ios::binary) << texte;
}

} // namespace

} // namespace lamelix

using namespace lamelix;

extern "C" {

EMSCRIPTEN_KEEPALIVE const char *lamelix_ouvre(const char *chemin, int oui, const char *langue) {
    try {
        Moteur &m = moteur();
        m.app.reset();
        m.services = std::make_unique<ServicesWeb>(DossierCles);
        m.services->Reponse(oui != 0);
        m.app = std::make_unique<Application>(*m.services);
        m.avecForm1 = false;
        Lamelix &f = m.app->Principale();
        NommeCle(f, chemin);
        // The window's start-up on the key, without settings file, as `parcours` opens it; the
        // language file, when the page has one, is read after the key as the start-up does.
        gestionnaire([&] {
            PrepareFenetre(f);
            OuvreCleDeDepart(f);
        });
        if (langue != nullptr && *langue != '\0') {
            std::filesystem::create_directories(DossierProgramme);
            ecritLangue(langue);
            f.RepProgramme = DossierProgramme;
            f.Options().LangueM = "page";
            gestionnaire([&] { ChargeLangue(f); });
        }
        return etat();
    } catch (const std::exception &e) {
        return repond({{"erreur", e.what()}});
    }
}

EMSCRIPTEN_KEEPALIVE const char *lamelix_agit(const char *texte) {
    try {
        Moteur &m = moteur();
        if (!m.app) return etat();
        const std::string mot = texte;
        if (mot == "plan") return etat({{"plan", PlanWeb(*m.app)}});
        if (const auto geste = GesteDeLaPage(mot)) {
            gestionnaire([&] { geste(m.app->Principale()); });
            m.avecForm1 = false;
            return etat();
        }
        const auto action = LitAction(mot);
        if (!action) return etat({{"erreur", "action inconnue : " + mot}});
        gestionnaire([&] { ExecuteAction(*m.app, *action); });
        m.avecForm1 = action->geste == Geste::Compare;
        return etat();
    } catch (const std::exception &e) {
        return repond({{"erreur", e.what()}});
    }
}

EMSCRIPTEN_KEEPALIVE const char *lamelix_etat_texte(const char *titre) {
    try {
        Moteur &m = moteur();
        if (!m.app) return "";
        m.reponse = EtatParcours(*m.app, titre, m.avecForm1);
        return m.reponse.c_str();
    } catch (const std::exception &) {
        moteur().reponse.clear();
        return "";
    }
}

} // extern "C"
