#pragma once

#include <optional>
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

    // A modal input box; nothing when the user cancels.
    virtual std::optional<std::string> Saisie(const std::string & /*invite*/,
                                              const std::string & /*titre*/,
                                              const std::string & /*defaut*/) {
        return std::nullopt;
    }
    // The open and save dialogs. The filter is written "caption|patterns|caption|patterns",
    // patterns separated by ";". Nothing when the user cancels.
    virtual std::optional<std::string> DialogueOuvrir(const std::string & /*filtre*/,
                                                      const std::string & /*dossier*/) {
        return std::nullopt;
    }
    virtual std::optional<std::string> DialogueEnregistrer(const std::string & /*filtre*/,
                                                           const std::string & /*nomPropose*/,
                                                           const std::string & /*dossier*/) {
        return std::nullopt;
    }
    // The busy pointer over the whole program while a long operation runs.
    virtual void Sablier(bool /*occupe*/) {}
    // Seconds since an arbitrary start, for timed displays.
    virtual double Chrono() { return 0; }
    // Shows the program's HTML help page.
    virtual void Aide(const std::string &page) { ShellEx(page, {}); }
};

} // namespace lamelix
