#include "ui/fenetre_form1.hpp"

#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
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

    auto *boutons = new QDialogButtonBox(QDialogButtonBox::Close);
    fermer_ = boutons->button(QDialogButtonBox::Close);
    fermer_->setObjectName("FermerForm1");
    connect(boutons, &QDialogButtonBox::rejected, this, &QWidget::close);

    auto *disposition = new QVBoxLayout(this);
    disposition->setContentsMargins(12, 12, 12, 12);
    disposition->setSpacing(10);
    disposition->addWidget(texte_, 1);
    disposition->addWidget(boutons);
    resize(640, 460);
}

void FenetreForm1::MontreTexte(const QString &texte) {
    texte_->setPlainText(texte);
}

void FenetreForm1::FixeFermer(const QString &texte) {
    fermer_->setText(texte);
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
