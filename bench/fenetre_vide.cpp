// The floor of the start-up measure: an empty Qt window with one list, started and timed as the
// program's window is (LAMELIX_CHRONO: until the list's line is drawn).

#include "ui/chrono_demarrage.hpp"

#include <QApplication>
#include <QListWidget>
#include <QMainWindow>

int main(int argc, char **argv) {
    QApplication application(argc, argv);
    QMainWindow fenetre;
    auto *liste = new QListWidget(&fenetre);
    liste->addItem(QStringLiteral("proposition"));
    fenetre.setCentralWidget(liste);
    fenetre.resize(1024, 700);
    lamelix::ChronoDemarrage::SiDemande(liste);
    fenetre.show();
    return application.exec();
}
