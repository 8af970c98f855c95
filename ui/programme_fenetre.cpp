// lamelix: the main window. It starts on the key named on the command line (as a file manager
// or a shell gives it), or on the default key of the settings.

#include "app/application.hpp"
#include "platform/nom_programme.hpp"
#include "ui/chrono_demarrage.hpp"
#include "ui/fenetre_principale.hpp"
#include "ui/services_qt.hpp"

#include <memory>
#include <string>

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QTimer>

namespace {

// The program folder holds the program's data (sample keys, language files, help): beside the
// executable in the build folder, else the installed data folder.
QString dossierProgramme() {
    const QString executable = QCoreApplication::applicationDirPath();
    for (const QString &candidat : {executable, executable + "/../share/lamelix"}) {
        if (QFileInfo::exists(candidat + "/defaut.cle") ||
            QFileInfo::exists(candidat + "/Lamelix_fr.lng"))
            return QDir::cleanPath(QFileInfo(candidat).absoluteFilePath());
    }
    return executable;
}

// The key named on the command line, made absolute when it names a file from the current folder.
std::string ligneDeCommande(const QStringList &arguments) {
    if (arguments.size() < 2) return {};
    const QString argument = arguments.mid(1).join(QLatin1Char(' '));
    const QFileInfo fichier(argument);
    if (fichier.exists()) return QDir::cleanPath(fichier.absoluteFilePath()).toStdString();
    return argument.toStdString();
}

} // namespace

int main(int argc, char **argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("Lamelix");
    QApplication::setApplicationVersion(lamelix::NomProgrammeVersion().c_str());
    // The desktop links the window to its menu entry and icon once the program is installed.
    QApplication::setDesktopFileName("org.lamelix.Lamelix");
    QApplication::setWindowIcon(QIcon::fromTheme("org.lamelix.Lamelix"));

    lamelix::ServicesQt services;
    auto app = std::make_unique<lamelix::Application>(services);
    lamelix::Lamelix &modele = app->Principale();
    modele.RepProgramme = dossierProgramme().toStdString();
    modele.LigneCommande = ligneDeCommande(QApplication::arguments());
    services.Libelles = &modele.Libelles;

    lamelix::FenetrePrincipale fenetre(*app);
    services.FixeFenetre(&fenetre);
    services.AuRepos = [&fenetre] { fenetre.Rafraichit(); };
    fenetre.AuTermine = [] { QCoreApplication::quit(); };
    fenetre.Demarre();
    fenetre.show();
    // The start-up sequence runs once the window is on screen, so that the compiler's messages
    // appear over it; the window's own activation comes too late on some desktops, or never
    // without a window manager.
    lamelix::ChronoDemarrage::SiDemande(fenetre.List1());
    QTimer::singleShot(0, &fenetre, [&fenetre] { fenetre.Active(); });
    return application.exec();
}
