// The main window for the keyboard and for screen readers: every control named in the interface
// language, a focus order that follows the walk, Esc and Backspace, the species reached told.

#include "ui/accessibilite.hpp"
#include "ui/conversions.hpp"
#include "ui/fenetre_form1.hpp"
#include "ui/fenetre_outils.hpp"
#include "ui/fenetre_principale.hpp"
#include "ui/panneau_mots_cles.hpp"
#include "ui/panneau_plan.hpp"
#include "ui/panneau_traduction.hpp"

#include <vector>

#include <QAccessible>
#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QTreeWidget>

namespace lamelix {

void FenetrePrincipale::rendAccessible() {
    Lamelix &f = modele_;
    // The names follow the captions they are made of.
    suivi_.Lie({&f.Libelles, &f.Label5, &f.Frame8, &f.Frame11}, [this] { nomsAJour_ = false; });
    suivi_.Lie({&f.Text2, &f.Libelles}, [this] { annonceEspece(); });
    ordreTabulation();
    list1_->setFocus(Qt::OtherFocusReason); // the walk starts on the propositions
}

// After a refresh that changed a caption or made a window: every window's controls named again.
void FenetrePrincipale::nommeFenetres() {
    if (nomsAJour_) return;
    nomsAJour_ = true;
    ajusteBoutonsChoix();
    ordreTabulation();
    NommeControles(*this);
    for (QWidget *fenetre :
         {static_cast<QWidget *>(form1_.get()), static_cast<QWidget *>(outils_.get()),
          static_cast<QWidget *>(frame14_.get())})
        if (fenetre) NommeControles(*fenetre);
}

// The propositions first, with the buttons under them, or the keyword panel above them while it
// shows; then the species' look-ups, the path, the display options and the names.
void FenetrePrincipale::ordreTabulation() {
    std::vector<QWidget *> ordre;
    if (frame6_)
        for (QWidget *w : frame6_->findChildren<QWidget *>())
            if (w->focusPolicy() != Qt::NoFocus && !w->objectName().startsWith("qt_"))
                ordre.push_back(w);
    ordre.insert(ordre.end(), {list1_, bouton_[0], bouton_[1], motCle_, command40_, command2_});
    ordre.insert(ordre.end(), command6_.begin(), command6_.end());
    ordre.insert(ordre.end(), {text1_, text5_, chkFnote_, checkSautLigne_, checkOption0_,
                               checkCompare_, list2_});
    for (QPushButton *b : command4_)
        if (b) ordre.push_back(b);
    ordre.push_back(list3_);
    if (framePlan_) ordre.insert(ordre.end(), {framePlan_->Filtre(), framePlan_->Arbre()});
    for (std::size_t i = 0; i + 1 < ordre.size(); ++i)
        QWidget::setTabOrder(ordre[i], ordre[i + 1]);
}

// The species box carries the species reached as its name; a new one is told as it comes.
void FenetrePrincipale::annonceEspece() {
    const QString espece = qs(modele_.Text2.Text).trimmed();
    const QString titre = qs(modele_.Libelles.TitreEspece);
    text2_->setAccessibleName(espece.isEmpty() ? titre : titre + ", " + espece);
    const bool nouvelle = !espece.isEmpty() && espece != especeAnnoncee_;
    especeAnnoncee_ = espece;
    if (!nouvelle) return;
    QAccessibleEvent nom(text2_, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&nom);
    QAccessibleEvent alerte(text2_, QAccessible::Alert);
    QAccessible::updateAccessibility(&alerte);
}

// The open panel closes the way it closes itself: the opened keys when their list loses the
// keyboard, the map as its menu item does, the keyword search as its "Annuler".
bool FenetrePrincipale::fermePanneau() {
    if (modele_.Frame11.Visible && list3_->isVisible()) {
        list1_->setFocus(Qt::TabFocusReason);
        return true;
    }
    if (plan_.Cadre.Visible) return agit([this] { MnuPlan_Click(plan_); });
    if (frame6_ && modele_.Frame6.Visible) return agit([this] { MoCle_Click(motsCles_, 2); });
    return false;
}

void FenetrePrincipale::keyPressEvent(QKeyEvent *event) {
    if (event->modifiers() == Qt::NoModifier) {
        if (event->key() == Qt::Key_Escape && fermePanneau()) return;
        if (event->key() == Qt::Key_Backspace && bouton_[0]->isVisible() &&
            bouton_[0]->isEnabled()) {
            bouton_[0]->click();
            return;
        }
    }
    QMainWindow::keyPressEvent(event);
}

} // namespace lamelix
