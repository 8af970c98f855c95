#pragma once

#include "search/plan_cle.hpp"
#include "ui/liaison_controles.hpp"
#include "ui/suivi_controles.hpp"

#include <functional>
#include <vector>

#include <QDockWidget>

class QLabel;
class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;

namespace lamelix {

// The key map "Plan de la clé", docked beside the columns: a filter box over the tree of the
// key. The tree is built lazily, a row's children the first time it opens; every rebuild opens
// it down to the current entity, or, while filtering, on every row the filter keeps.
class PanneauPlan : public QDockWidget {
    Q_OBJECT

  public:
    PanneauPlan(PlanCle &modele, SuiviControles &suivi, Agit agit, QWidget *parent = nullptr);

    // The width the window can give the map docked beside its columns (none: any).
    std::function<int()> LargeurPossible;

    QTreeWidget *Arbre() const { return arbre_; }
    QLineEdit *Filtre() const { return filtre_; }
    // The row of the current entity (or of the species reached), nullptr when none shows.
    QTreeWidgetItem *Courant() const { return courant_; }

  protected:
    void closeEvent(QCloseEvent *event) override;
    // The window resized: the map keeps its share of it.
    bool eventFilter(QObject *objet, QEvent *event) override;

  private:
    void lie();
    void elargit();
    void reconstruit();
    void remplit();
    QTreeWidgetItem *cree(QTreeWidgetItem *parent, const NoeudPlan &n);
    // Creates the children of a row once.
    void peuple(QTreeWidgetItem *item);
    // Opens the rows the filter keeps, below item, within a budget of rows.
    void ouvreFiltre(QTreeWidgetItem *item, std::vector<NoeudPlan> &ancetres, int &budget);

    PlanCle &p_;
    SuiviControles &suivi_;
    Agit agit_;
    QLineEdit *filtre_;
    QTreeWidget *arbre_;
    QLabel *vide_;
    QTreeWidgetItem *courant_ = nullptr;
};

} // namespace lamelix
