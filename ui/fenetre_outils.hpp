#pragma once

#include "tools/outils.hpp"
#include "ui/liaison_controles.hpp"
#include "ui/suivi_controles.hpp"

#include <array>
#include <functional>

#include <QWidget>

class QAction;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace lamelix {

// The key authors' tools window "outils": the report box and the correspondence box in a
// fixed-width font, each with its copy and save buttons, the two number boxes, the buttons
// Command1, "Suite >>" and "Liste liens". Bound once to its model in the window's shared
// tracker; every action runs through the main window's handler runner.
class FenetreOutils : public QWidget {
    Q_OBJECT

  public:
    FenetreOutils(Outils &modele, SuiviControles &suivi, Agit agit, QWidget *parent = nullptr);
    ~FenetreOutils() override;

    QPlainTextEdit *Text10(int i) const { return text10_.at(static_cast<std::size_t>(i)); }
    QLineEdit *Text1(int i) const { return text1_.at(static_cast<std::size_t>(i)); }
    QPushButton *Command1(int i) const { return command1_.at(static_cast<std::size_t>(i)); }
    QPushButton *Command2() const { return command2_; }
    QPushButton *Command3() const { return command3_; }
    QPushButton *Copie(int i) const { return copie_.at(static_cast<std::size_t>(i)); }
    QPushButton *Enregistre(int i) const { return enregistre_.at(static_cast<std::size_t>(i)); }
    QLabel *Label2() const { return label2_; }
    // The status line: what report runs, then how it ended.
    QLabel *Etat() const { return etat_; }
    // The report line under a point of a box, as a double click there takes it.
    void DoubleClicLigne(int boite, int ligne);

  protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *objet, QEvent *evenement) override;

  private:
    QWidget *boutons();
    void lie(SuiviControles &suivi);
    // Runs a report's handler with the window busy, then tells how it ended.
    void travaille(const QPushButton *bouton, const std::function<void()> &rapport);

    Outils &modele_;
    Agit agit_;
    bool ferme_ = false; // the model closed the window: no closing action to run
    std::array<QPlainTextEdit *, 2> text10_{};
    std::array<QLineEdit *, 2> text1_{};
    std::array<QLabel *, 2> label1_{};
    std::array<QPushButton *, 15> command1_{};
    std::array<QPushButton *, 2> copie_{}, enregistre_{};
    QPushButton *command2_ = nullptr, *command3_ = nullptr, *exporter_ = nullptr;
    QAction *imprimable_ = nullptr;
    QAction *pageWeb_ = nullptr;         // the key as one web page
    std::array<QAction *, 3> formats_{}; // "Exporter": table, KeyBase table, LPXK
    QLabel *label2_ = nullptr, *etat_ = nullptr;
};

} // namespace lamelix
