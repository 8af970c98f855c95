#pragma once

#include "platform/services_sans_effet.hpp"

#include <chrono>
#include <string>
#include <vector>

namespace lamelix {

// One thing the page must show or do for the engine: a message, a question (answered already),
// a document or an address to open, a copy to the clipboard, an interrupted action.
struct MessageWeb {
    std::string Genre; // "message", "question", "ouvre", "presse-papier", "interruption"
    std::string Texte;
};

// The services of the page's engine: nothing is shown, opened or started here. Every dialog and
// every call for the desktop is recorded, in order, for the page to show after the action;
// questions get the answer chosen when the key was opened, as `parcours` gives them.
class ServicesWeb : public ServicesMuets {
  public:
    // Documents live under this folder; "ouvre" names them relative to it.
    explicit ServicesWeb(std::string dossier) : dossier_(std::move(dossier)) {}

    void Reponse(bool oui) { oui_ = oui; }
    // What was recorded since the last call, emptied.
    std::vector<MessageWeb> Releve();
    void Note(std::string genre, std::string texte);

    void Message(const std::string &texte, const std::string &titre = {}) override;
    void Signale(const std::string &texte) override { Message(texte); }
    int Question(const std::string &texte, const std::string &titre = {}) override;

    void PressePapierVide() override { pressePapier_.clear(); }
    void PressePapierTexte(const std::string &texte) override;
    std::string PressePapierLire() override { return pressePapier_; }

    bool ShellEx(const std::string &cible, const std::string &dossier) override;

    // Counted as connected, as the console does, so that a key's web addresses are offered and
    // the walk is the same as `parcours`'s; the page itself asks no server.
    bool ConnexionInternet() override { return true; }
    ReponseHttp Requete(const RequeteHttp &requete) override;

    double Chrono() override;

  private:
    std::string dossier_;
    bool oui_ = true;
    std::string pressePapier_;
    std::vector<MessageWeb> releve_;
    std::chrono::steady_clock::time_point depart_ = std::chrono::steady_clock::now();
};

} // namespace lamelix
