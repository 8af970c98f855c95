#pragma once

#include "platform/services.hpp"

#include <chrono>
#include <ostream>
#include <string>
#include <vector>

namespace lamelix {

// Text fields on one line: TAB, backslash, CR and LF written as \t, \\, \r and \n.
std::string Echappe(const std::string &texte);

// The check both commands make before loading: false, with the one `lamelix-outils:` line, when
// the file cannot be read.
bool FichierLisibleOuSignale(const std::string &chemin, std::ostream &erreurs);

// Dialogs of the command line: messages, questions and copies to the clipboard are each a line
// on the error stream, in the order they happen; questions get the answer chosen on the command
// line. No one sits in front of a console run to type or pick a file, and it opens nothing: the
// other calls answer "cancelled", "failed" or "offline" and write nothing.
class ServicesConsole : public Services {
  public:
    ServicesConsole(std::ostream &sortie, bool reponseOui) : sortie_(sortie), oui_(reponseOui) {}

    void Message(const std::string &texte, const std::string &titre = {}) override;
    int Question(const std::string &texte, const std::string &titre = {}) override;
    std::optional<std::string> Saisie(const std::string &, const std::string &,
                                      const std::string &) override {
        return std::nullopt;
    }
    std::optional<std::string> DialogueOuvrir(const std::string &, const std::string &) override {
        return std::nullopt;
    }
    std::optional<std::string> DialogueEnregistrer(const std::string &, const std::string &,
                                                   const std::string &) override {
        return std::nullopt;
    }
    void Bip() override {}
    void Sablier(bool) override {}

    void PressePapierVide() override { pressePapier_.clear(); }
    void PressePapierTexte(const std::string &texte) override;
    std::string PressePapierLire() override { return pressePapier_; }

    bool ShellEx(const std::string &, const std::string &) override { return false; }
    long LanceProgramme(const std::string &, const std::vector<std::string> &) override {
        return 0;
    }
    bool TermineProgramme(long) override { return false; }
    void Aide(const std::string &) override {}

    bool ConnexionInternet() override { return false; }
    ReponseHttp Requete(const RequeteHttp &requete) override;

    void Patiente() override {}
    double Chrono() override;

  private:
    std::ostream &sortie_;
    bool oui_;
    std::string pressePapier_;
    std::chrono::steady_clock::time_point depart_ = std::chrono::steady_clock::now();
};

} // namespace lamelix
