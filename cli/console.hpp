#pragma once

#include "platform/services.hpp"

#include <ostream>
#include <string>

namespace lamelix {

// Text fields on one line: TAB, backslash, CR and LF written as \t, \\, \r and \n.
std::string Echappe(const std::string &texte);

// The check both commands make before loading: false, with the one `lamelix-outils:` line, when
// the file cannot be read.
bool FichierLisibleOuSignale(const std::string &chemin, std::ostream &erreurs);

// Dialogs of the command line: each one is a line on the error stream, in the order they
// happen; questions get the answer chosen on the command line.
class ServicesConsole : public Services {
  public:
    ServicesConsole(std::ostream &sortie, bool reponseOui) : sortie_(sortie), oui_(reponseOui) {}

    void Message(const std::string &texte, const std::string &titre = {}) override;
    int Question(const std::string &texte, const std::string &titre = {}) override;
    void PressePapierVide() override { pressePapier_.clear(); }
    void PressePapierTexte(const std::string &texte) override;
    std::string PressePapierLire() override { return pressePapier_; }

  private:
    std::ostream &sortie_;
    bool oui_;
    std::string pressePapier_;
};

} // namespace lamelix
