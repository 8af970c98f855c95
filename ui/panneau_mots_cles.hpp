#pragma once

#include "search/recherche_mot_cle.hpp"
#include "ui/liaison_controles.hpp"
#include "ui/suivi_controles.hpp"

#include <array>
#include <functional>

#include <QGroupBox>

class QCheckBox;
class QGridLayout;
class QLabel;
class QLayout;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace lamelix {

// The keyword panel Frame6, in the choices column above the propositions: the two word boxes with
// "or"/"and" between them, where to search, how to compare, and its three buttons. Enter in the
// first box searches, Ctrl+V pastes through the model, Esc gives up.
class PanneauMotsCles : public QGroupBox {
    Q_OBJECT

  public:
    PanneauMotsCles(RechercheMotCle &modele, SuiviControles &suivi, Agit agit,
                    QWidget *parent = nullptr);

    // Gives the keyboard to the word box the model asks for.
    void Focalise();
    // In a narrow window the places to search go two a row, the buttons under the check boxes.
    void Dispose(bool etroit);

    QLineEdit *Textcle(int i) const { return textcle_.at(static_cast<std::size_t>(i)); }
    QPushButton *MoCle(int i) const { return mocle_.at(static_cast<std::size_t>(i)); }
    QRadioButton *Option3(int i) const { return option3_.at(static_cast<std::size_t>(i)); }
    QCheckBox *Check(int i) const { return i == 1 ? check1_ : check2_; }

  protected:
    bool eventFilter(QObject *objet, QEvent *event) override;

  private:
    QLayout *mots();
    QLayout *portees();
    QLayout *pied();
    void lie();
    void lieMots();
    void lieChoix();
    // The selection of a word box into its model, in bytes of its UTF-8 text.
    void litSelection(int i);

    RechercheMotCle &r_;
    SuiviControles &suivi_;
    Agit agit_;
    std::array<QLineEdit *, 2> textcle_{};
    std::array<QPushButton *, 3> mocle_{};
    QRadioButton *option1_, *option2_;
    std::array<QRadioButton *, 4> option3_{};
    QCheckBox *check1_, *check2_;
    QLabel *label2_;
    QGridLayout *portees_ = nullptr, *pied_ = nullptr;
    int etroit_ = -1; // laid out narrow (1) or wide (0)
};

} // namespace lamelix
