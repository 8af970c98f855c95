#pragma once

#include "platform/services.hpp"

#include <QString>

class QWidget;

namespace lamelix {

// The system services as the Qt skin gives them: real message boxes over the main window (with
// its caption as title unless the caller names one) and the system clipboard.
class ServicesQt : public Services {
  public:
    void FixeFenetre(QWidget *fenetre) { fenetre_ = fenetre; }

    void Message(const std::string &texte, const std::string &titre = {}) override;
    int Question(const std::string &texte, const std::string &titre = {}) override;
    void PressePapierVide() override;
    void PressePapierTexte(const std::string &texte) override;
    std::string PressePapierLire() override;
    void Patiente() override;
    void Bip() override;

  private:
    QString titre(const std::string &titre) const;
    QWidget *fenetre_ = nullptr;
};

} // namespace lamelix
