#pragma once

#include "platform/services.hpp"

#include <functional>

#include <QString>

class QWidget;

namespace lamelix {

// The system services as the Qt skin gives them: real message boxes over the main window (with
// its caption as title unless the caller names one), the system clipboard, and documents or web
// addresses opened with the program the desktop associates with them.
class ServicesQt : public Services {
  public:
    void FixeFenetre(QWidget *fenetre) { fenetre_ = fenetre; }

    void Message(const std::string &texte, const std::string &titre = {}) override;
    int Question(const std::string &texte, const std::string &titre = {}) override;
    void PressePapierVide() override;
    void PressePapierTexte(const std::string &texte) override;
    std::string PressePapierLire() override;
    void ShellEx(const std::string &cible, const std::string &dossier) override;
    void Patiente() override;
    void Bip() override;

    // Called at each yield of a long operation, before the event loop runs: the window shows
    // the progress made so far.
    std::function<void()> AuRepos;

  private:
    QString titre(const std::string &titre) const;
    QWidget *fenetre_ = nullptr;
};

} // namespace lamelix
