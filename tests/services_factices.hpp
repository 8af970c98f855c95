#pragma once

#include "platform/services.hpp"

#include <deque>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace lamelix::test {

// Services that record what the program asks and answer from scripts.
//
// Journal holds the dialogs the user sees, as "message: ...", "question: ... -> oui|non",
// "presse-papier: ..." (unescaped), "ouvrir: <filter>", "enregistrer: <filter> | <proposed name>"
// and "aide: <page>". Appels holds every other call, one entry each in call order: "bip",
// "sablier: oui|non", "saisie: <prompt> | <title> | <default>", "shell: <target> | <folder>",
// "programme: <program> <arguments>...", "termine: <id>", "connexion" and
// "requete: <METHOD> <address>". Patiente is only counted, since long loops call it thousands of
// times; each call moves the clock that Chrono reads forward by 0.05 s.
//
// Questions are answered Yes, and the file dialogs and the input box cancelled, once their
// scripts are empty; a request with no scripted answer gets no answer at all.
class ServicesFactices : public Services {
  public:
    std::vector<std::string> Journal;
    std::vector<std::string> Appels;

    std::deque<int> Reponses;
    std::string PressePapier;
    std::deque<std::optional<std::string>> Fichiers;
    std::deque<std::optional<std::string>> Saisies;
    std::deque<ReponseHttp> ReponsesHttp;
    std::vector<RequeteHttp> Requetes; // every request, as it was sent
    bool Connecte = true;
    bool ShellReussit = true;

    int Patientes = 0;
    double Temps = 0;

    // True when Appels holds exactly that entry.
    bool AAppele(const std::string &entree) const {
        for (const std::string &appel : Appels)
            if (appel == entree) return true;
        return false;
    }

    void Message(const std::string &texte, const std::string & = {}) override {
        Journal.push_back("message: " + texte);
    }
    int Question(const std::string &texte, const std::string & = {}) override {
        const int reponse = Suivant(Reponses, ReponseOui);
        Journal.push_back("question: " + texte + (reponse == ReponseOui ? " -> oui" : " -> non"));
        return reponse;
    }
    std::optional<std::string> Saisie(const std::string &invite, const std::string &titre,
                                      const std::string &defaut) override {
        Appels.push_back("saisie: " + invite + " | " + titre + " | " + defaut);
        return Suivant(Saisies, std::optional<std::string>());
    }
    std::optional<std::string> DialogueOuvrir(const std::string &filtre,
                                              const std::string &) override {
        Journal.push_back("ouvrir: " + filtre);
        return Suivant(Fichiers, std::optional<std::string>());
    }
    std::optional<std::string> DialogueEnregistrer(const std::string &filtre,
                                                   const std::string &nomPropose,
                                                   const std::string &) override {
        Journal.push_back("enregistrer: " + filtre + " | " + nomPropose);
        return Suivant(Fichiers, std::optional<std::string>());
    }
    void Bip() override { Appels.push_back("bip"); }
    void Sablier(bool occupe) override {
        Appels.push_back(occupe ? "sablier: oui" : "sablier: non");
    }

    void PressePapierVide() override { PressePapier.clear(); }
    void PressePapierTexte(const std::string &texte) override {
        PressePapier = texte;
        Journal.push_back("presse-papier: " + texte);
    }
    std::string PressePapierLire() override { return PressePapier; }

    bool ShellEx(const std::string &cible, const std::string &dossier) override {
        Appels.push_back("shell: " + cible + " | " + dossier);
        return ShellReussit;
    }
    long LanceProgramme(const std::string &programme,
                        const std::vector<std::string> &arguments) override {
        std::string appel = "programme: " + programme;
        for (const std::string &argument : arguments)
            appel += " " + argument;
        Appels.push_back(appel);
        const long id = prochainId_++;
        lances_.insert(id);
        return id;
    }
    bool TermineProgramme(long id) override {
        Appels.push_back("termine: " + std::to_string(id));
        return lances_.erase(id) == 1;
    }
    void Aide(const std::string &page) override { Journal.push_back("aide: " + page); }

    bool ConnexionInternet() override {
        Appels.push_back("connexion");
        return Connecte;
    }
    ReponseHttp Requete(const RequeteHttp &requete) override {
        Appels.push_back("requete: " + requete.Methode + " " + requete.Adresse);
        Requetes.push_back(requete);
        return Suivant(ReponsesHttp, ReponseHttp{0, {}, "pas de réponse"});
    }

    void Patiente() override {
        ++Patientes;
        Temps += 0.05;
    }
    double Chrono() override { return Temps; }

  private:
    template <typename T> static T Suivant(std::deque<T> &script, T siVide) {
        if (script.empty()) return siVide;
        T valeur = std::move(script.front());
        script.pop_front();
        return valeur;
    }

    long prochainId_ = 1000;
    std::set<long> lances_;
};

} // namespace lamelix::test
