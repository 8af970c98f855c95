#pragma once

#include "platform/services.hpp"

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace lamelix::test {

// Records every dialog as "message: ...", "question: ...", "presse-papier: ..." (unescaped),
// "ouvrir: <filter>", "enregistrer: <filter> | <proposed name>" and "aide: <page>"; answers
// questions from a script (Yes when the script is empty) and both file dialogs from another
// (cancelled when it is empty).
class ServicesFactices : public Services {
  public:
    std::vector<std::string> Journal;
    std::deque<int> Reponses;
    std::string PressePapier;
    std::deque<std::optional<std::string>> Fichiers;

    void Message(const std::string &texte, const std::string & = {}) override {
        Journal.push_back("message: " + texte);
    }
    int Question(const std::string &texte, const std::string & = {}) override {
        int reponse = ReponseOui;
        if (!Reponses.empty()) {
            reponse = Reponses.front();
            Reponses.pop_front();
        }
        Journal.push_back("question: " + texte + (reponse == ReponseOui ? " -> oui" : " -> non"));
        return reponse;
    }
    void PressePapierVide() override { PressePapier.clear(); }
    void PressePapierTexte(const std::string &texte) override {
        PressePapier = texte;
        Journal.push_back("presse-papier: " + texte);
    }
    std::string PressePapierLire() override { return PressePapier; }
    std::optional<std::string> DialogueOuvrir(const std::string &filtre,
                                              const std::string &) override {
        Journal.push_back("ouvrir: " + filtre);
        return FichierSuivant();
    }
    std::optional<std::string> DialogueEnregistrer(const std::string &filtre,
                                                   const std::string &nomPropose,
                                                   const std::string &) override {
        Journal.push_back("enregistrer: " + filtre + " | " + nomPropose);
        return FichierSuivant();
    }
    void Aide(const std::string &page) override { Journal.push_back("aide: " + page); }

  private:
    std::optional<std::string> FichierSuivant() {
        if (Fichiers.empty()) return std::nullopt;
        std::optional<std::string> chemin = Fichiers.front();
        Fichiers.pop_front();
        return chemin;
    }
};

} // namespace lamelix::test
