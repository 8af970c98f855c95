#include "ui/services_qt.hpp"

#include "ui/fenetre_aide.hpp"
#include "ui/filtres.hpp"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QUrl>
#include <QWidget>

namespace lamelix {

QString ServicesQt::titre(const std::string &t) const {
    if (!t.empty()) return QString::fromStdString(t);
    return fenetre_ ? fenetre_->windowTitle() : QStringLiteral("Lamelix");
}

void ServicesQt::Message(const std::string &texte, const std::string &t) {
    QMessageBox::information(fenetre_, titre(t), QString::fromStdString(texte));
}

int ServicesQt::Question(const std::string &texte, const std::string &t) {
    auto reponse = QMessageBox::question(fenetre_, titre(t), QString::fromStdString(texte),
                                         QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    return reponse == QMessageBox::Yes ? ReponseOui : ReponseNon;
}

void ServicesQt::PressePapierVide() {
    QApplication::clipboard()->clear();
}

void ServicesQt::PressePapierTexte(const std::string &texte) {
    QApplication::clipboard()->setText(QString::fromStdString(texte));
}

std::string ServicesQt::PressePapierLire() {
    return QApplication::clipboard()->text().toStdString();
}

// Keys name their documents with Windows separators, relative to the key's folder.
void ServicesQt::ShellEx(const std::string &cible, const std::string &dossier) {
    const QString texte = QString::fromStdString(cible).trimmed();
    if (texte.isEmpty()) return;
    QUrl adresse(texte);
    if (adresse.scheme().size() < 2) { // no scheme, or a drive letter
        QString chemin = texte;
        chemin.replace(QLatin1Char('\\'), QLatin1Char('/'));
        adresse =
            QUrl::fromLocalFile(QDir(QString::fromStdString(dossier)).absoluteFilePath(chemin));
    }
    QDesktopServices::openUrl(adresse);
}

void ServicesQt::Patiente() {
    if (AuRepos) AuRepos();
    QApplication::processEvents();
}

void ServicesQt::Bip() {
    QApplication::beep();
}

std::optional<std::string> ServicesQt::Saisie(const std::string &invite, const std::string &t,
                                              const std::string &defaut) {
    bool accepte = false;
    const QString texte =
        QInputDialog::getText(fenetre_, titre(t), QString::fromStdString(invite), QLineEdit::Normal,
                              QString::fromStdString(defaut), &accepte);
    if (!accepte) return std::nullopt;
    return texte.toStdString();
}

std::optional<std::string> ServicesQt::DialogueOuvrir(const std::string &filtre,
                                                      const std::string &dossier) {
    if (ReponseDialogue) return ReponseDialogue();
    const QString chemin = QFileDialog::getOpenFileName(
        fenetre_, QObject::tr("Ouvrir"), QString::fromStdString(dossier), FiltreQt(filtre));
    if (chemin.isEmpty()) return std::nullopt;
    return chemin.toStdString();
}

std::optional<std::string> ServicesQt::DialogueEnregistrer(const std::string &filtre,
                                                           const std::string &nomPropose,
                                                           const std::string &dossier) {
    if (ReponseDialogue) return ReponseDialogue();
    // The program itself replaces an existing file of that name without asking again.
    const QString chemin = QFileDialog::getSaveFileName(
        fenetre_, QObject::tr("Enregistrer"),
        QDir(QString::fromStdString(dossier)).filePath(QString::fromStdString(nomPropose)),
        FiltreQt(filtre), nullptr, QFileDialog::DontConfirmOverwrite);
    if (chemin.isEmpty()) return std::nullopt;
    return chemin.toStdString();
}

void ServicesQt::Sablier(bool occupe) {
    if (occupe == sablier_) return;
    sablier_ = occupe;
    if (occupe)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

double ServicesQt::Chrono() {
    static QElapsedTimer depart = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return static_cast<double>(depart.nsecsElapsed()) / 1e9;
}

void ServicesQt::Aide(const std::string &page) {
    FenetreAide::Montre(QString::fromStdString(page), fenetre_);
}

} // namespace lamelix
