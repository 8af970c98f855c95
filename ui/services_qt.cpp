#include "ui/services_qt.hpp"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
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

} // namespace lamelix
