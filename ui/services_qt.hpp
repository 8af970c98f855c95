#pragma once

#include "consult/libelles.hpp"
#include "platform/services.hpp"

#include <functional>
#include <memory>
#include <set>

#include <QElapsedTimer>
#include <QString>

class QNetworkAccessManager;
class QWidget;

namespace lamelix {

// The system services as the Qt skin gives them: real message boxes over the window that asked
// (the main window's caption as title unless the caller names one), the system clipboard, documents
// or web addresses opened with the program the desktop associates with them, programs started apart
// from this one, and HTTP requests waited for while the window keeps drawing.
class ServicesQt : public Services {
  public:
    ServicesQt();
    ~ServicesQt() override;
    ServicesQt(const ServicesQt &) = delete;
    ServicesQt &operator=(const ServicesQt &) = delete;

    void FixeFenetre(QWidget *fenetre) { fenetre_ = fenetre; }

    void Message(const std::string &texte, const std::string &titre = {}) override;
    int Question(const std::string &texte, const std::string &titre = {}) override;
    int QuestionRisquee(const std::string &texte, const std::string &titre = {}) override;
    std::optional<std::string> Saisie(const std::string &invite, const std::string &titre,
                                      const std::string &defaut) override;
    std::optional<std::string> DialogueOuvrir(const std::string &filtre,
                                              const std::string &dossier) override;
    std::optional<std::string> DialogueEnregistrer(const std::string &filtre,
                                                   const std::string &nomPropose,
                                                   const std::string &dossier) override;
    void Bip() override;
    void Sablier(bool occupe) override;

    void PressePapierVide() override;
    void PressePapierTexte(const std::string &texte) override;
    std::string PressePapierLire() override;

    bool ShellEx(const std::string &cible, const std::string &dossier) override;
    long LanceProgramme(const std::string &programme,
                        const std::vector<std::string> &arguments) override;
    bool TermineProgramme(long id) override;
    void Aide(const std::string &page) override;

    bool ConnexionInternet() override;
    ReponseHttp Requete(const RequeteHttp &requete) override;

    void Patiente() override;
    double Chrono() override;

    // When set, the open and save dialogs are not shown: the next path is taken from here (the
    // window tests drive the program without a person in front of it).
    std::function<std::optional<std::string>()> ReponseDialogue;

    // Called at each yield of a long operation, before the event loop runs: the window shows
    // the progress made so far.
    std::function<void()> AuRepos;
    // How long a request waits for its answer.
    int DelaiRequeteMs = 20000;

    // The captions of the dialogs, in the interface language (the main window's); the built-in
    // French ones while none is given.
    const LibellesFenetre *Libelles = nullptr;

  private:
    QString titre(const std::string &titre) const;
    QWidget *parent() const;
    int question(const std::string &texte, const std::string &titre, bool ouiParDefaut);
    const LibellesFenetre &libelles() const;
    bool sablier_ = false;
    static constexpr int IntervalleReposMs = 30;
    QElapsedTimer repos_;        // since the last yield to the event loop
    bool sondeCherchee_ = false; // the network information backends have been tried
    QWidget *fenetre_ = nullptr;
    // Created on the first request, so that a session that never asks the network opens nothing.
    std::unique_ptr<QNetworkAccessManager> reseau_;
    // The programs this session started: the only ones TermineProgramme may end.
    std::set<long> lances_;
};

} // namespace lamelix
