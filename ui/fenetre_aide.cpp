#include "ui/fenetre_aide.hpp"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QPointer>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace lamelix {

namespace {
QPointer<FenetreAide> instance;
}

FenetreAide::FenetreAide(QWidget *parent) : QWidget(parent, Qt::Window) {
    setObjectName("FenetreAide");
    setWindowTitle(tr("Aide de Lamelix"));
    navigateur_ = new QTextBrowser;
    navigateur_->setObjectName("NavigateurAide");
    navigateur_->setOpenExternalLinks(true);
    auto *precedent = new QPushButton(tr("Précédent"));
    auto *sommaire = new QPushButton(tr("Sommaire"));
    auto *fermer = new QPushButton(tr("Fermer"));
    connect(precedent, &QPushButton::clicked, navigateur_, &QTextBrowser::backward);
    connect(navigateur_, &QTextBrowser::backwardAvailable, precedent, &QPushButton::setEnabled);
    connect(sommaire, &QPushButton::clicked, navigateur_, &QTextBrowser::home);
    connect(fermer, &QPushButton::clicked, this, &QWidget::close);
    precedent->setEnabled(false);
    auto *barre = new QHBoxLayout;
    barre->addWidget(precedent);
    barre->addWidget(sommaire);
    barre->addStretch(1);
    barre->addWidget(fermer);
    auto *disposition = new QVBoxLayout(this);
    disposition->addLayout(barre);
    disposition->addWidget(navigateur_, 1);
    resize(860, 720);
}

FenetreAide *FenetreAide::Instance() {
    return instance;
}

void FenetreAide::Montre(const QString &page, QWidget *proprietaire) {
    if (!instance) {
        instance = new FenetreAide(proprietaire);
        instance->setAttribute(Qt::WA_DeleteOnClose, false);
    }
    if (QFileInfo::exists(page)) {
        instance->navigateur_->setSource(QUrl::fromLocalFile(QFileInfo(page).absoluteFilePath()));
    } else {
        instance->navigateur_->setHtml(tr("<h2>Aide introuvable</h2><p>La page d'aide "
                                          "<code>%1</code> n'est pas installée.</p>")
                                           .arg(page.toHtmlEscaped()));
    }
    instance->show();
    instance->raise();
    instance->activateWindow();
}

} // namespace lamelix
