#pragma once

#include <string>

namespace lamelix {

// Answers of a Yes/No question box, as the program compares them.
inline constexpr int ReponseOui = 6;
inline constexpr int ReponseNon = 7;

// What the core asks of the system it runs on. The Qt skin shows real dialogs, the command line
// writes them to standard error, the tests record them. Nothing below the skin talks to a
// window system, a clipboard or a shell in any other way.
class Services {
  public:
    virtual ~Services() = default;

    // A modal message box with an OK button; the title is the window caption when given.
    virtual void Message(const std::string &texte, const std::string &titre = {}) = 0;
    // A modal Yes/No question: ReponseOui or ReponseNon.
    virtual int Question(const std::string &texte, const std::string &titre = {}) = 0;

    virtual void PressePapierVide() = 0;
    virtual void PressePapierTexte(const std::string &texte) = 0;
    virtual std::string PressePapierLire() = 0;

    // Opens a file or a web address with the program the system associates with it.
    virtual void ShellEx(const std::string & /*cible*/, const std::string & /*dossier*/) {}

    // Lets the event loop run between steps of a long operation.
    virtual void Patiente() {}
    virtual void Bip() {}
};

} // namespace lamelix
