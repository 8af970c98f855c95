#pragma once

#include "platform/echappement.hpp"
#include "platform/services_sans_effet.hpp"

#include <chrono>
#include <ostream>
#include <string>

namespace lamelix {

// Dialogs of the command line: messages, questions and copies to the clipboard are each a line
// on the error stream, in the order they happen; questions get the answer chosen on the command
// line. No one sits in front of a console run to type or pick a file, and it opens nothing: the
// other calls answer "cancelled", "failed" or "offline" and write nothing.
class ServicesConsole : public ServicesMuets {
  public:
    ServicesConsole(std::ostream &sortie, bool reponseOui) : sortie_(sortie), oui_(reponseOui) {}

    void Message(const std::string &texte, const std::string &titre = {}) override;
    // The window's notices of refused links and missing files are messages here.
    void Signale(const std::string &texte) override { Message(texte); }
    int Question(const std::string &texte, const std::string &titre = {}) override;

    void PressePapierVide() override { pressePapier_.clear(); }
    void PressePapierTexte(const std::string &texte) override;
    std::string PressePapierLire() override { return pressePapier_; }

    // What the window would hand to the desktop: one line "ouvre: CIBLE"; nothing is opened.
    bool ShellEx(const std::string &cible, const std::string &dossier) override;

    // Counted as connected, so that the web addresses of a key are listed like its documents.
    bool ConnexionInternet() override { return true; }
    ReponseHttp Requete(const RequeteHttp &requete) override;

    double Chrono() override;

  private:
    std::ostream &sortie_;
    bool oui_;
    std::string pressePapier_;
    std::chrono::steady_clock::time_point depart_ = std::chrono::steady_clock::now();
};

} // namespace lamelix
