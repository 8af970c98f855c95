#pragma once

// The real main window on its own model and services, in a program folder of its own (no
// default key, a fresh settings file), as the window tests drive it.

#include "tests/services_factices.hpp"
#include "tests/ui/gestes.hpp"
#include "ui/fenetre_principale.hpp"
#include "ui/geometrie.hpp"

#include <algorithm>
#include <functional>
#include <memory>

#include <QCoreApplication>
#include <QFile>
#include <QListWidget>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace lamelix::test {

template <typename S = ServicesFactices> struct BancFenetre {
    QTemporaryDir dossier;
    std::unique_ptr<S> possedes;
    S &services;
    std::unique_ptr<Application> app = std::make_unique<Application>(services);
    Lamelix &modele = app->Principale();
    FenetrePrincipale fenetre{*app};

    // Started, shown and on the bundled key unless told otherwise; `services` may be given.
    explicit BancFenetre(bool ouvre = true, std::unique_ptr<S> s = std::make_unique<S>())
        : possedes(std::move(s)), services(*possedes) {
        modele.RepProgramme = dossier.path().toStdString();
        fenetre.Demarre();
        if (ouvre) Ouvre();
    }

    // Shows the window active, as the user sees it, on the key.
    bool Ouvre(const char *cle = LAMELIX_CLES "/defaut.cle") {
        fenetre.show();
        fenetre.activateWindow();
        const bool active = QTest::qWaitForWindowActive(&fenetre);
        fenetre.Active();
        QApplication::processEvents();
        services.Journal.clear(); // the settings file was created
        fenetre.ChargeCle(cle);
        services.Appels.clear();
        return active && fenetre.List1()->count() >= 2;
    }

    // Follows the proposition `choix` names at each step until a species is reached.
    bool Descend(const std::function<int(int pas)> &choix = [](int) { return 0; }) {
        QListWidget *liste = fenetre.List1();
        for (int pas = 0; fenetre.Text2()->text().isEmpty() && pas < 100; ++pas) {
            if (liste->count() == 0) return false;
            doubleClic(liste, std::min(choix(pas), liste->count() - 1));
        }
        return !fenetre.Text2()->text().isEmpty();
    }

    // Puts the English language file in the program folder, for the "MnLang_5" menu.
    bool Anglais() {
        return QFile::copy(LAMELIX_LANGUES "/Lamelix_en.lng", dossier.filePath("Lamelix_en.lng"));
    }
};

inline bool ecrit(const QString &chemin, const QByteArray &contenu) {
    QFile fichier(chemin);
    return fichier.open(QIODevice::WriteOnly) && fichier.write(contenu) == contenu.size();
}

inline QStringList lignes(const QListWidget *liste) {
    QStringList textes;
    for (int i = 0; i < liste->count(); ++i)
        textes << liste->item(i)->text();
    return textes;
}

// With LAMELIX_CAPTURE: the window at the size it takes on a screen of 800 x 600 and on one of
// 1600 x 900 (suffixes "<quoi>-800x600<langue>" and "<quoi>-1600x900<langue>").
inline void captureEcrans(QWidget &fenetre, const char *quoi, const char *langue) {
    if (!qEnvironmentVariableIsSet("LAMELIX_CAPTURE")) return;
    const QSize avant = fenetre.size();
    for (const QSize ecran : {QSize(800, 600), QSize(1600, 900)}) {
        fenetre.resize(
            GeometrieFenetre(QRect(QPoint(), ecran), CadreEstime(), QSize(1320, 100000)).size());
        QTest::qWait(50);
        capture(&fenetre, qPrintable(QString("%1-%2x%3%4")
                                         .arg(quoi)
                                         .arg(ecran.width())
                                         .arg(ecran.height())
                                         .arg(langue)));
    }
    fenetre.resize(avant);
    QTest::qWait(50);
}

// Runs the test function `test` of this test program again in a process of its own, on an
// offscreen screen of that size ("800x600"), with LAMELIX_ECRAN naming it: the offscreen
// platform's screen is chosen at start. Returns what went wrong, or nothing.
inline QString SurEcran(const QString &ecran, const char *test) {
    const QStringList cotes = ecran.split('x');
    QTemporaryDir dossier;
    QFile config(dossier.filePath("ecran.json"));
    if (!config.open(QIODevice::WriteOnly)) return "ecran.json";
    config.write(QString(R"({"screens":[{"name":"ecran","x":0,"y":0,"width":%1,"height":%2,)"
                         R"("logicalDpi":96,"logicalBaseDpi":96,"dpr":1}]})")
                     .arg(cotes[0], cotes[1])
                     .toUtf8());
    config.close();
    QProcess essai;
    QProcessEnvironment environnement = QProcessEnvironment::systemEnvironment();
    environnement.insert("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName());
    environnement.insert("LAMELIX_ECRAN", ecran);
    essai.setProcessEnvironment(environnement);
    essai.setProcessChannelMode(QProcess::MergedChannels);
    essai.start(QCoreApplication::applicationFilePath(), {test});
    if (!essai.waitForFinished(120000)) return ecran + ": too slow";
    if (essai.exitStatus() == QProcess::NormalExit && essai.exitCode() == 0) return {};
    QStringList fautes; // what the test said, without Qt's notes
    for (const QString &ligne : QString::fromUtf8(essai.readAll()).split('\n'))
        if (!ligne.startsWith("QWARN") && !ligne.startsWith("PASS")) fautes << ligne;
    return ecran + "\n" + fautes.join('\n');
}

} // namespace lamelix::test
