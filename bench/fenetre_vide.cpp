// The floor of the start-up measure: an empty Qt window with one list, started and timed as the
// program's window is (LAMELIX_CHRONO prints when it is on screen and the memory peak, then
// ends).

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include <QApplication>
#include <QListWidget>
#include <QMainWindow>
#include <QTimer>

int main(int argc, char **argv) {
    QApplication application(argc, argv);
    QMainWindow fenetre;
    auto *liste = new QListWidget(&fenetre);
    liste->addItem(QStringLiteral("proposition"));
    fenetre.setCentralWidget(liste);
    fenetre.resize(1024, 700);
    fenetre.show();
    QTimer::singleShot(0, &fenetre, [&fenetre, liste] {
        QTimer::singleShot(0, &fenetre, [liste] {
            long kio = 0;
            std::ifstream statut("/proc/self/status");
            for (std::string ligne; std::getline(statut, ligne);)
                if (ligne.rfind("VmHWM:", 0) == 0)
                    kio = std::strtol(ligne.c_str() + 6, nullptr, 10);
            const auto maintenant = std::chrono::system_clock::now().time_since_epoch();
            std::printf("propositions %d %.6f %ld\n", liste->count(),
                        std::chrono::duration<double>(maintenant).count(), kio);
            std::fflush(stdout);
            std::_Exit(0);
        });
    });
    return application.exec();
}
