#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace lamelix {

// Answers of a Yes/No question box, as the program compares them.
inline constexpr int ReponseOui = 6;
inline constexpr int ReponseNon = 7;

// What the core asks of the system it runs on, one small interface per concern. The Qt skin
// gives the real thing, the command line a console version, the tests a fake that records every
// call. Every function but QuestionRisquee and Signale is pure virtual: a new implementation must
// answer each one. Nothing below the skin talks to a window system, a clipboard, a shell or the
// network in any other way.

// Modal dialogs, the beep and the busy pointer.
class Dialogues {
  public:
    virtual ~Dialogues() = default;
    // A modal message box with an OK button; the title is the window caption when empty.
    virtual void Message(const std::string &texte, const std::string &titre = {}) = 0;
    // A modal Yes/No question: ReponseOui or ReponseNon.
    virtual int Question(const std::string &texte, const std::string &titre = {}) = 0;
    // The same question before something hard to undo (a file rewritten): a box that answers
    // ReponseNon when the user just presses Return. Elsewhere it is the plain question.
    virtual int QuestionRisquee(const std::string &texte, const std::string &titre = {}) {
        return Question(texte, titre);
    }
    // A notice the window shows in its transient panel that no one may miss where no panel
    // shows: a link refused, a file a complement names that is missing. The panel says it in
    // the window, so there is nothing more to do by default; a console writes it.
    virtual void Signale(const std::string &) {}
    // A modal input box; nothing when the user cancels.
    virtual std::optional<std::string> Saisie(const std::string &invite, const std::string &titre,
                                              const std::string &defaut) = 0;
    // The open and save dialogs. The filter is written "caption|patterns|caption|patterns",
    // patterns separated by ";". Nothing when the user cancels.
    virtual std::optional<std::string> DialogueOuvrir(const std::string &filtre,
                                                      const std::string &dossier) = 0;
    virtual std::optional<std::string> DialogueEnregistrer(const std::string &filtre,
                                                           const std::string &nomPropose,
                                                           const std::string &dossier) = 0;
    virtual void Bip() = 0;
    // The busy pointer over the whole program while a long operation runs.
    virtual void Sablier(bool occupe) = 0;
};

// The system clipboard, as text.
class PressePapier {
  public:
    virtual ~PressePapier() = default;
    virtual void PressePapierVide() = 0;
    virtual void PressePapierTexte(const std::string &texte) = 0;
    virtual std::string PressePapierLire() = 0;
};

// The desktop shell and other programs.
class Shell {
  public:
    virtual ~Shell() = default;
    // Opens a file or a web address with the program the system associates with it, the
    // folder as working folder. False when the system could not hand it over.
    virtual bool ShellEx(const std::string &cible, const std::string &dossier) = 0;
    // Starts a program with its arguments: its process id, 0 when it could not start.
    virtual long LanceProgramme(const std::string &programme,
                                const std::vector<std::string> &arguments) = 0;
    // Ends a program started by LanceProgramme; false when no such program runs.
    virtual bool TermineProgramme(long id) = 0;
    // Shows the program's HTML help page.
    virtual void Aide(const std::string &page) = 0;
};

// An HTTP request: a method, an address, header lines and a body.
struct RequeteHttp {
    std::string Methode = "GET";
    std::string Adresse;
    std::vector<std::pair<std::string, std::string>> EnTetes;
    std::string Corps;
};

// What kept a request from bringing its answer back whole.
enum class PanneHttp {
    Aucune,
    Injoignable, // no connection to the server (no network, unknown host, refused)
    Delai,       // no answer in time
    Redirection, // the server sent the request on to another server: not followed
    TropLongue,  // the body went past TailleMaxReponse: reading stopped there
    Autre,       // any other fault of the transfer (the HTTP status says the server's errors)
};

// The answer: the HTTP status (0 when no answer came) and the body as UTF-8 text, or what went
// wrong: Panne its kind, Erreur its words (for a redirection not followed, the address it led
// to).
struct ReponseHttp {
    int Statut = 0;
    std::string Texte;
    std::string Erreur;
    PanneHttp Panne = PanneHttp::Aucune;
};

// No answer the program asks for comes near this size; a body past it is not read on.
inline constexpr std::size_t TailleMaxReponse = 1024 * 1024;

// The network: whether the machine is connected, and one request at a time.
class Reseau {
  public:
    virtual ~Reseau() = default;
    virtual bool ConnexionInternet() = 0;
    // Sends the request and waits for the answer (the event loop keeps running meanwhile). A
    // redirection is followed only to the same server: what the request carries (a service's
    // key) never goes anywhere else.
    virtual ReponseHttp Requete(const RequeteHttp &requete) = 0;
};

// Time and the event loop.
class Horloge {
  public:
    virtual ~Horloge() = default;
    // Lets the event loop run between steps of a long operation.
    virtual void Patiente() = 0;
    // Seconds since an arbitrary start, for timed displays.
    virtual double Chrono() = 0;
};

// Every service, as the main window and the commands hold them. A procedure that needs only one
// concern takes only that interface.
class Services : public Dialogues,
                 public PressePapier,
                 public Shell,
                 public Reseau,
                 public Horloge {};

} // namespace lamelix
