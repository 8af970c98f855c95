// The open panels in a small window: each takes the place of what it stands in for, so that the
// propositions keep their rows and no column leaves the window. A large window keeps them all.

#include "ui/conversions.hpp"
#include "ui/fenetre_principale.hpp"
#include "ui/panneau_mots_cles.hpp"

#include <QGroupBox>
#include <QPushButton>
#include <QSplitter>

namespace lamelix {

void FenetrePrincipale::placePanneaux() {
    suivi_.Lie({&modele_.Frame6, &modele_.Text2, &plan_.Cadre, &modele_.Frame11},
               [this] { disposePanneaux(); });
}

void FenetrePrincipale::disposePanneaux() {
    const bool etroite = width() < LargeurEtroite;
    if (frame6_) frame6_->Dispose(etroite);
    ajusteBoutonsChoix();
    // The keyword search empties the species box: in a low window the panel takes the box's
    // room for as long as no species is reached.
    const bool basse = height() < HauteurBasse;
    const bool recherche = frame6_ != nullptr && modele_.Frame6.Visible;
    cadreEspece_->setVisible(!(recherche && basse && qs(modele_.Text2.Text).trimmed().isEmpty()));
    // The opened keys show while the user picks one: in a low window they take the room of the
    // comparison buttons for that time.
    cadreComparaison_->setVisible(comparaison_ && !(basse && modele_.Frame11.Visible));
    // The map shows the path taken as the rows it opens: in a narrow window it takes the place
    // of the path column.
    colonneHistorique_->setVisible(!(etroite && plan_.Cadre.Visible));
}

// The desktop style gives every button with a caption a least width well above "<==" or "RAZ":
// in a narrow window the choices' buttons take their caption's width instead, so that the
// choices and the names columns both fit. Done again whenever the captions change.
void FenetrePrincipale::ajusteBoutonsChoix() {
    const bool etroite = width() < LargeurEtroite;
    for (QPushButton *b : {bouton_[0], bouton_[1], motCle_, command2_})
        b->setMinimumWidth(etroite ? b->fontMetrics().horizontalAdvance(b->text()) + 24 : 0);
}

// What the window can give the key map with its columns whole: its width less the columns' least
// width, the window's margins and the map's separator.
int FenetrePrincipale::largeurPourLePlan() const {
    const int marges = 2 * 10 + 12;
    return width() - separation_->minimumSizeHint().width() - marges;
}

} // namespace lamelix
