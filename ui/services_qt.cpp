#include "ui/services_qt.hpp"

#include <QApplication>
#include <QClipboard>
#include <QMessageBox>
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

void ServicesQt::Patiente() {
    QApplication::processEvents();
}

void ServicesQt::Bip() {
    QApplication::beep();
}

} // namespace lamelix
