#include "ui/fenetre_form1.hpp"

#include "ui/geometrie.hpp"
#include "ui/liaison_controles.hpp"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace lamelix {

FenetreForm1::FenetreForm1(QWidget *parent) : QWidget(parent, Qt::Window) {
    setObjectName("Form1");

    texte_ = new QPlainTextEdit;
    texte_->setObjectName("Form1Texte");
    texte_->setReadOnly(true);
    QFont police = texte_->font();
    police.setPointSize(police.pointSize() + 1);
    texte_->setFont(police);

    // The words of the name, three a row, with the button that looks the chosen one up.
    cadreMots_ = new QGroupBox;
    cadreMots_->setObjectName("Option1");
    auto *grille = new QGridLayout;
    grille->setHorizontalSpacing(16);
    for (int i = 0; i < NombreDeMots; ++i) {
        auto *mot = new QRadioButton;
        mot->setObjectName(QString("Option1_%1").arg(i));
        // The model says which word is chosen: a click only asks for it.
        mot->setAutoExclusive(false);
        mots_[static_cast<std::size_t>(i)] = mot;
        grille->addWidget(mot, i / 3, i % 3);
    }
    boutons_[0] = bouton("Command1_0");
    auto *mots = new QVBoxLayout(cadreMots_);
    mots->addLayout(grille);
    auto *chercher = new QHBoxLayout;
    chercher->addStretch(1);
    chercher->addWidget(boutons_[0]);
    mots->addLayout(chercher);

    boutons_[1] = bouton("FermerForm1");
    auto *pied = new QHBoxLayout;
    pied->addStretch(1);
    pied->addWidget(boutons_[1]);

    auto *disposition = new QVBoxLayout(this);
    disposition->setContentsMargins(12, 12, 12, 12);
    disposition->setSpacing(10);
    disposition->addWidget(texte_, 1);
    disposition->addWidget(cadreMots_);
    disposition->addLayout(pied);
    OuvreDansLEcran(*this, {640, 460});
}

// A window with words and no text is only as large as its words.
void FenetreForm1::MontreTexte(const QString &texte) {
    texte_->setPlainText(texte);
    texte_->setVisible(!texte.isEmpty());
    ajuste();
}

void FenetreForm1::ajuste() {
    if (texte_->isVisibleTo(this) || !cadreMots_->isVisibleTo(this)) {
        if (height() < 460) resize(TailleDansLEcran(*this, {640, 460}));
        return;
    }
    resize(qMax(width(), 480), layout()->minimumSize().height());
}

void FenetreForm1::MontreMot(int i, const QString &mot, bool visible, bool choisi) {
    QRadioButton *bouton = Mot(i);
    const QSignalBlocker bloque(bouton);
    bouton->setText(mot);
    bouton->setVisible(visible);
    bouton->setChecked(choisi);
    // The chosen word stands out in bold.
    QFont police = bouton->font();
    if (police.bold() != choisi) {
        police.setBold(choisi);
        bouton->setFont(police);
    }
}

void FenetreForm1::MontreCadreMots(bool visible, const QString &titre) {
    cadreMots_->setTitle(titre);
    cadreMots_->setVisible(visible);
    ajuste();
}

void FenetreForm1::closeEvent(QCloseEvent *event) {
    event->accept();
    // The main window shows again before this one goes, so the program never has no window.
    if (AuFermer) AuFermer();
}

void FenetreForm1::keyPressEvent(QKeyEvent *event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace lamelix
