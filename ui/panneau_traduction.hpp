#pragma once

#include "search/traduction.hpp"
#include "ui/liaison_controles.hpp"
#include "ui/panneaux.hpp"
#include "ui/suivi_controles.hpp"

#include <array>
#include <functional>
#include <string>

class QCheckBox;
class QComboBox;
class QLabel;
class QLayout;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTextBrowser;
class QTimer;

namespace lamelix {

// The translation panel Frame14, a window of its own that floats beside the main window: the
// two languages, what is translated, "Automatique", the translation, and the view w in which a
// translation page saved on this machine can be opened and read.
class PanneauTraduction : public Panneau {
    Q_OBJECT

  public:
    PanneauTraduction(Traduction &modele, SuiviControles &suivi, Agit agit, QWidget *parent);

    QComboBox *Lgs() const { return lgs_; }
    QComboBox *Lgr() const { return lgr_; }
    QPushButton *Bouton(int i) const { return boutons_.at(static_cast<std::size_t>(i)); }
    QPlainTextEdit *Result() const { return result_; }
    QPlainTextEdit *Source() const { return source_; }
    QTextBrowser *W() const { return w_; }
    QLabel *Etat() const { return etat_; }
    QCheckBox *Check4() const { return check4_; }
    QRadioButton *Option4(int i) const { return option4_.at(static_cast<std::size_t>(i)); }
    // Opens a saved translation page in the view, as "Ouvrir une page…" does once it is chosen.
    void OuvrePage(const QString &chemin);

  private:
    QLabel *etiquette(const std::string &texte);
    QLayout *langues();
    QLayout *quoi();
    QWidget *vues();
    QLayout *pied();
    void lieChoix();
    void lieVues();

    Traduction &t_;
    SuiviControles &suivi_;
    Agit agit_;
    QComboBox *lgs_, *lgr_;
    std::array<QRadioButton *, 2> option4_{};
    QCheckBox *check4_;
    std::array<QPushButton *, 3> boutons_{};
    QPushButton *ouvrirPage_;
    QPlainTextEdit *source_, *result_;
    QTextBrowser *w_;
    QLabel *tempsPasse_, *etat_;
    QTimer *timer1_;
};

} // namespace lamelix
