#pragma once

#include "platform/services.hpp"

#include <deque>
#include <string>
#include <vector>

namespace lamelix::test {

// Records every dialog as "message: ...", "question: ...", "presse-papier: ..." (unescaped) and
// answers questions from a script (Yes when the script is empty).
class ServicesFactices : public Services {
  public:
    std::vector<std::string> Journal;
    std::deque<int> Reponses;
    std::string PressePapier;

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
};

} // namespace lamelix::test
