#pragma once

#include "consult/libelles.hpp"

#include <QWidget>

class QPushButton;
class QTextBrowser;

namespace lamelix {

// The program's help: its HTML pages shown in a window of their own, with links between them
// followed inside the window and outside addresses handed to the browser.
class FenetreAide : public QWidget {
    Q_OBJECT

  public:
    // Shows the page in the one help window, created at first use, with the captions of the
    // interface language.
    static void Montre(const QString &page, QWidget *proprietaire, const LibellesFenetre &libelles);
    QTextBrowser *Navigateur() const { return navigateur_; }
    static FenetreAide *Instance();

  private:
    explicit FenetreAide(QWidget *parent);
    QTextBrowser *navigateur_;
    QPushButton *precedent_, *sommaire_, *fermer_;
};

} // namespace lamelix
