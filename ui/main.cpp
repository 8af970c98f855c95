// lamelix: the main window on the key named on the command line, or on the bundled key.

#include "consult/lamelix.hpp"
#include "ui/fenetre_principale.hpp"
#include "ui/services_qt.hpp"

#include <memory>

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QTimer>

namespace {

// The bundled key: beside the executable in the build folder, else in the installed data folder.
QString cleParDefaut() {
    const QString dossier = QCoreApplication::applicationDirPath();
    for (const QString &candidat :
         {dossier + "/defaut.cle", dossier + "/../share/lamelix/defaut.cle"}) {
        if (QFileInfo::exists(candidat)) return QFileInfo(candidat).absoluteFilePath();
    }
    return dossier + "/defaut.cle";
}

} // namespace

int main(int argc, char **argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("Lamelix");
    QApplication::setApplicationVersion(lamelix::NomProgrammeVersion().c_str());

    const QStringList arguments = QApplication::arguments();
    const QString cle =
        arguments.size() > 1 ? QFileInfo(arguments.at(1)).absoluteFilePath() : cleParDefaut();

    lamelix::ServicesQt services;
    auto programme = std::make_unique<lamelix::Programme>();
    lamelix::Lamelix modele(*programme, services);
    lamelix::FenetrePrincipale fenetre(modele);
    services.FixeFenetre(&fenetre);
    services.AuRepos = [&fenetre] { fenetre.Rafraichit(); };
    fenetre.show();
    // Compile once the window is on screen, so that the compiler's messages appear over it.
    QTimer::singleShot(0, &fenetre, [&fenetre, cle] { fenetre.OuvreCle(cle); });
    return application.exec();
}
