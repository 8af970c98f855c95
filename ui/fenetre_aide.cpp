#include "ui/fenetre_aide.hpp"

#include "ui/accessibilite.hpp"
#include "ui/geometrie.hpp"

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
    navigateur_ = new QTextBrowser;
    navigateur_->setObjectName("NavigateurAide");
    navigateur_->setOpenExternalLinks(true);
    auto *precedent = precedent_ = new QPushButton;
    auto *sommaire = sommaire_ = new QPushButton;
    auto *fermer = fermer_ = new QPushButton;
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
    OuvreDansLEcran(*this, {860, 720});
}

FenetreAide *FenetreAide::Instance() {
    return instance;
}

void FenetreAide::Montre(const QString &page, QWidget *proprietaire,
                         const LibellesFenetre &libelles) {
    if (!instance) {
        instance = new FenetreAide(proprietaire);
        instance->setAttribute(Qt::WA_DeleteOnClose, false);
    }
    const auto qs = [](const std::string &texte) { return QString::fromStdString(texte); };
    instance->setWindowTitle(qs(libelles.TitreAide));
    instance->precedent_->setText(qs(libelles.Precedent));
    instance->sommaire_->setText(qs(libelles.Sommaire));
    instance->fermer_->setText(qs(libelles.Fermer));
    if (QFileInfo::exists(page)) {
        instance->navigateur_->setSource(QUrl::fromLocalFile(QFileInfo(page).absoluteFilePath()));
    } else {
        instance->navigateur_->setHtml("<h2>" + qs(libelles.AideIntrouvable).toHtmlEscaped() +
                                       "</h2><p>" +
                                       qs(libelles.PageAbsente)
                                           .toHtmlEscaped()
                                           .arg("<code>" + page.toHtmlEscaped() + "</code>") +
                                       "</p>");
    }
    NommeControles(*instance);
    instance->show();
    instance->raise();
    instance->activateWindow();
}

} // namespace lamelix
