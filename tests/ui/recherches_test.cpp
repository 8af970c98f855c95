// The look-ups of the species reached, in the real window: the button bar and the addresses it
// hands to the desktop, the bibliography words in Form1, the documentation set-up panel, a
// documentation search stopped half-way while the window keeps answering, and the files a key
// links to reaching the desktop's opener (and a program never reaching it).
//
// LAMELIX_CAPTURE names a PNG file; the captures add "-barre-<screen>[-english]", "-cfgdoc" and
// "-form1-mots", "-motcle-<screen>[-english]" before ".png".

#include "tests/ui/banc_fenetre.hpp"
#include "ui/bandeau_flash.hpp"
#include "ui/fenetre_form1.hpp"
#include "ui/panneau_mots_cles.hpp"
#include "ui/panneaux.hpp"
#include "ui/services_qt.hpp"

#include <QAction>
#include <QCheckBox>
#include <QDesktopServices>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTextEdit>
#include <QTimer>
#include <QUrl>

using namespace lamelix;
using namespace lamelix::test;

namespace {

// Recording services whose yields run the event loop, as the real ones do: the window shows the
// progress of a long operation and answers clicks meanwhile.
class ServicesPatients : public ServicesFactices {
  public:
    std::function<void()> AuRepos;
    void Patiente() override {
        ServicesFactices::Patiente();
        if (AuRepos) AuRepos();
        QApplication::processEvents();
    }
};

struct Banc : BancFenetre<ServicesPatients> {
    Banc() {
        services.AuRepos = [this] { fenetre.Rafraichit(); };
    }
};

QStringList lignesDuFichier(const QString &chemin) {
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(fichier.readAll()).split('\n', Qt::SkipEmptyParts);
}

// The bar's buttons that the user can press now.
QList<int> actifs(const FenetrePrincipale &fenetre) {
    QList<int> liste;
    for (int i = 0; i < 9; ++i)
        if (fenetre.Command6(i)->isEnabled()) liste << i;
    return liste;
}

// Chooses the species of each row of a two-species key with real services, and returns what
// the desktop was handed to open, once it is there.
void choisitLesDeux(const QString &dossierCle, const std::function<QStringList()> &ouverts) {
    QTemporaryDir programme;
    ServicesQt services;
    Application app(services);
    Lamelix &modele = app.Principale();
    modele.RepProgramme = programme.path().toStdString();
    FenetrePrincipale fenetre(app);
    services.FixeFenetre(&fenetre);
    services.AuRepos = [&fenetre] { fenetre.Rafraichit(); };
    // A message box (the settings file created at the first start) would wait for a person.
    QTimer veille;
    QObject::connect(&veille, &QTimer::timeout, [] {
        if (auto *boite = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
            boite->reject();
    });
    veille.start(50);
    fenetre.Demarre();
    fenetre.show();
    QVERIFY(QTest::qWaitForWindowExposed(&fenetre));
    fenetre.ChargeCle(QDir(dossierCle).filePath("fiches.cle").toStdString());
    QCOMPARE(fenetre.List1()->count(), 2);

    // Choosing a species opens what it links to, the species staying reached. The program
    // first: refused, with the notice that says so.
    doubleClic(fenetre.List1(), 1);
    QVERIFY(QString::fromStdString(modele.LblflashX.Caption).contains("outil.sh"));
    QCOMPARE(fenetre.List1()->count(), 0);
    QTest::mouseClick(fenetre.Bouton(0), Qt::LeftButton);
    QCOMPARE(fenetre.List1()->count(), 2);
    doubleClic(fenetre.List1(), 0);
    const QString attendu =
        QUrl::fromLocalFile(QDir(dossierCle).filePath("fiche.pdf")).toString(QUrl::FullyEncoded);
    QTRY_VERIFY_WITH_TIMEOUT(!ouverts().isEmpty(), 5000);
    QTest::qWait(300); // a second opener would have come by now
    QCOMPARE(ouverts(), QStringList{attendu});
}

// A key whose two species link a document and a program, in a folder with a blank and accents.
QString preparesFiches(const QTemporaryDir &racine) {
    const QString dossier = racine.filePath("fiches d'été");
    if (!QDir().mkpath(dossier)) return {};
    if (!ecrit(dossier + "/fiche.pdf", "%PDF-1.4\n") ||
        !ecrit(dossier + "/outil.sh", "#!/bin/sh\necho lance > \"$0.trace\"\n") ||
        !ecrit(dossier + "/fiches.cle", "1, 0 $Avec fiche$Espece A$F\"fiche.pdf\"\r\n"
                                        "1, 0 $Avec outil$Espece B$F\"outil.sh\"\r\n"))
        return {};
    QFile(dossier + "/outil.sh")
        .setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return dossier;
}

} // namespace

// Collects what QDesktopServices is asked to open for the schemes it is registered for.
class Receveur : public QObject {
    Q_OBJECT
  public:
    QStringList Recus;
  public slots:
    void ouvre(const QUrl &adresse) { Recus << adresse.toString(QUrl::FullyEncoded); }
};

class RecherchesTest : public QObject {
    Q_OBJECT

  private slots:
    // The look-ups wait for a species; once it shows, a button hands its address to the desktop
    // after the connection test. The bar's captions follow the language.
    void barreDesRecherches() {
        Banc banc;
        FenetrePrincipale &fenetre = banc.fenetre;
        QVERIFY(fenetre.Frame9()->isVisible());
        QCOMPARE(actifs(fenetre), (QList<int>{4, 5, 6, 7}));
        QVERIFY(banc.Descend());
        QCOMPARE(actifs(fenetre), (QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8}));
        auto &appels = banc.services.Appels;
        QTest::mouseClick(fenetre.Command6(0), Qt::LeftButton);
        QCOMPARE(appels.size(), 2u);
        QVERIFY(appels[1].rfind("shell: https://www.google.com/images?", 0) == 0);
        QTest::mouseClick(fenetre.Bouton(1), Qt::LeftButton);
        QCOMPARE(actifs(fenetre), (QList<int>{4, 5, 6, 7}));

        QVERIFY(banc.Anglais());
        QVERIFY(banc.Descend());
        QTRY_VERIFY_WITH_TIMEOUT(!fenetre.Flash()->isVisible(), BandeauFlash::DureeMs + 2000);
        captureEcrans(fenetre, "-barre", "");
        fenetre.Action("MnLang_5")->trigger();
        QCOMPARE(fenetre.Command6(4)->text(), QString("Translate"));
        QCOMPARE(fenetre.Command6(2)->toolTip(),
                 QString("The files of the documentation folder that name the species"));
        captureEcrans(fenetre, "-barre", "-english");
        fenetre.Action("MnLang_1")->trigger();
        QCOMPARE(fenetre.Command6(4)->text(), QString("Traduire"));
    }

    // Ctrl+F opens the keyword panel with the keyboard in the first box; Enter searches and the
    // hits replace the propositions; a double click on one goes on from there. Esc gives up.
    void rechercheParMotCle() {
        Banc banc;
        FenetrePrincipale &fenetre = banc.fenetre;
        QVERIFY(fenetre.Frame6() == nullptr); // made when first shown
        QTest::keyClick(fenetre.List1(), Qt::Key_F, Qt::ControlModifier);
        PanneauMotsCles *panneau = fenetre.Frame6();
        QVERIFY(panneau != nullptr && panneau->isVisible());
        QTRY_COMPARE(QApplication::focusWidget(), panneau->Textcle(0));
        QTest::keyClicks(panneau->Textcle(0), "volve");
        QTest::keyClick(panneau->Textcle(0), Qt::Key_Return);
        QCOMPARE(lignes(fenetre.List1()).size(), banc.modele.List1.ListCount());
        QVERIFY(fenetre.List1()->item(0)->text().contains("volve"));
        QVERIFY(!fenetre.Command4(Cmd4Suiv)->isVisible());
        captureEcrans(fenetre, "-motcle", "");

        doubleClic(fenetre.List1(), 0);
        QVERIFY(!panneau->isVisible());
        QVERIFY(fenetre.Command4(Cmd4Suiv)->isVisible());
        const int etapes = banc.modele.Parcours.NbEtapes;
        QVERIFY(etapes >= 2);

        // "MotClé" opens it again; the search button reaches its handler; Esc gives up.
        QTest::mouseClick(fenetre.MotCle(), Qt::LeftButton);
        QVERIFY(panneau->isVisible());
        panneau->Option3(DansListe)->click();
        QTest::keyClicks(panneau->Textcle(0), "Amanita");
        QTest::mouseClick(panneau->MoCle(0), Qt::LeftButton);
        QCOMPARE(lignes(fenetre.List2()).size(), banc.modele.List2.ListCount());
        QTest::keyClick(panneau->Textcle(0), Qt::Key_Escape);
        QVERIFY(!panneau->isVisible());
        QCOMPARE(banc.modele.Parcours.NbEtapes, etapes);

        QVERIFY(banc.Anglais());
        fenetre.Action("MnLang_5")->trigger();
        QTest::mouseClick(fenetre.MotCle(), Qt::LeftButton);
        QCOMPARE(panneau->MoCle(0)->text(), QString("&Search"));
        QCOMPARE(panneau->title(), QString("Keyword search"));
        captureEcrans(fenetre, "-motcle", "-english");
        fenetre.Action("MnLang_1")->trigger();
    }

    // "Biblio" offers the words of the name in Form1 as option buttons; the one chosen is
    // looked up.
    void motsDeLaBibliographie() {
        Banc banc;
        FenetrePrincipale &fenetre = banc.fenetre;
        banc.modele.Text2.SetText("Amanita phalloides alba");
        fenetre.Rafraichit();
        QTest::mouseClick(fenetre.Command6(3), Qt::LeftButton);
        FenetreForm1 *form1 = fenetre.Form1();
        QVERIFY(form1->isVisible() && form1->CadreMots()->isVisible());
        QStringList mots;
        for (int i = 0; i < FenetreForm1::NombreDeMots; ++i)
            if (form1->Mot(i)->isVisible()) mots << form1->Mot(i)->text();
        QCOMPARE(mots, (QStringList{"AMANITA", "PHALLOIDES", "ALBA"}));
        QVERIFY(form1->Mot(0)->isChecked());
        form1->Mot(1)->click();
        QVERIFY(!form1->Mot(0)->isChecked());
        QVERIFY(banc.app->Biblio().Option1[1].Value);
        form1->Mot(1)->click(); // clicking the chosen word again keeps it chosen
        QVERIFY(form1->Mot(1)->isChecked());
        capture(form1, "-form1-mots");

        QTest::mouseClick(form1->Bouton(0), Qt::LeftButton);
        QVERIFY(banc.services.Appels.back().find("PHALLOIDES") != std::string::npos);
        QVERIFY(!form1->isVisible() && fenetre.isVisible());
    }

    // The set-up panel's controls write their models; the number boxes take the model's range.
    void reglageDeLaDocumentation() {
        Banc banc;
        FenetrePrincipale &fenetre = banc.fenetre;
        RechercheDocumentation &doc = banc.app->Documentation();
        QVERIFY(fenetre.Panneaux_() == nullptr); // made when one of them first shows
        fenetre.Action("MnuOptFic_xy_2")->trigger();
        Panneaux *panneaux = fenetre.Panneaux_();
        QVERIFY(panneaux != nullptr && panneaux->CfgDoc()->isVisible());
        int cases = 0;
        for (int i = 0; i < 11; ++i)
            cases += panneaux->Check3(i) != nullptr;
        QCOMPARE(cases, 7);
        QCOMPARE(panneaux->Check3(DocNomFichier)->text(), QString("extrait nom fichier"));

        panneaux->Check3(DocTous)->click();
        QCOMPARE(doc.Check3[DocTous].Value, 1);
        panneaux->Text8(0)->setValue(3);
        QCOMPARE(doc.Text8[0].Text, std::string("3"));
        panneaux->Text8(1)->setValue(50); // beyond the longest filter: the model's bound shows
        QCOMPARE(panneaux->Text8(1)->value(), 20);
        panneaux->Text8(0)->setValue(0);
        QCOMPARE(panneaux->Text8(0)->value(), 1);
        QTest::keyClicks(panneaux->Text9(), "ods");
        QCOMPARE(doc.Text9.Text, std::string("xyzods"));
        capture(panneaux->CfgDoc(), "-cfgdoc");

        QTest::mouseClick(panneaux->CfgDoc()->findChild<QPushButton *>("Command9"), Qt::LeftButton);
        QVERIFY(!panneaux->CfgDoc()->isVisible());
        QVERIFY(!banc.modele.FrameCfgDoc.Visible);
    }

    // A search of a large tree stopped from the window while it runs: the stop button answers
    // although the search's handler is still running, the rows and the folder counter show as
    // the walk goes, and the search ends at the confirmation.
    void arretDeLaRecherche() {
        QTemporaryDir arbre;
        Banc banc;
        FenetrePrincipale &fenetre = banc.fenetre;
        QVERIFY(banc.Descend());
        const QString genre = fenetre.Text2()->text().section(' ', 0, 0).toLower();
        constexpr int Dossiers = 30, ParDossier = 300;
        for (int d = 0; d < Dossiers; ++d) {
            QDir racine(arbre.path());
            const QString nom = QString("dossier-%1").arg(d, 2, 10, QChar('0'));
            QVERIFY(racine.mkdir(nom));
            for (int i = 0; i < ParDossier; ++i)
                QVERIFY(
                    ecrit(racine.filePath(QString("%1/%2-%3.txt").arg(nom, genre).arg(i)), "x"));
        }
        banc.modele.Options().RepDoc = arbre.path().toStdString();
        fenetre.Action("MnuOptFic_xy_2")->trigger();
        fenetre.Panneaux_()->Check3(DocTous)->click();
        QTest::mouseClick(fenetre.Panneaux_()->CfgDoc()->findChild<QPushButton *>("Command9"),
                          Qt::LeftButton);
        QVERIFY(!fenetre.Command40()->isVisible());

        // Every 20 ms: what the window shows; the stop button once two folders are listed.
        int tours = 0, lignesAuClic = -1;
        QSet<QString> compteurs;
        QTimer regard;
        QObject::connect(&regard, &QTimer::timeout, [&] {
            ++tours;
            compteurs << fenetre.findChild<QLabel *>("Label1")->text();
            if (lignesAuClic < 0 && fenetre.List1()->count() >= 2 * ParDossier) {
                QVERIFY(fenetre.Command40()->isVisible());
                lignesAuClic = fenetre.List1()->count();
                QTest::mouseClick(fenetre.Command40(), Qt::LeftButton);
            }
        });
        regard.start(20);
        QTest::mouseClick(fenetre.Command6(2), Qt::LeftButton); // runs until the search ends
        regard.stop();

        QVERIFY(tours > 0);
        QVERIFY(lignesAuClic >= 2 * ParDossier);
        QCOMPARE(banc.services.Journal,
                 std::vector<std::string>{"question: arrêt recherche ? -> oui"});
        const int trouves = fenetre.List1()->count() - 1; // the last row counts them
        QVERIFY2(trouves >= lignesAuClic && trouves < lignesAuClic + ParDossier,
                 qPrintable(QString("%1 rows, %2 at the click").arg(trouves).arg(lignesAuClic)));
        QVERIFY(trouves < Dossiers * ParDossier);
        QCOMPARE(fenetre.List1()->item(trouves)->text(),
                 QString("Recherche de documentation terminée : %1 fichiers trouvés").arg(trouves));
        QVERIFY2(compteurs.size() >= 2, qPrintable(QStringList(compteurs.values()).join(",")));
        QVERIFY(!fenetre.Command40()->isVisible());
        // The window takes clicks again: a row of the list opens its file.
        banc.services.Appels.clear();
        doubleClic(fenetre.List1(), 0);
        QCOMPARE(banc.services.Appels.size(), 1u);
        QVERIFY(banc.services.Appels[0].rfind("shell: " + arbre.path().toStdString(), 0) == 0);
    }

    // A document a key links to reaches the desktop's opener as the address of that very file;
    // a program the key links to never does. Under the offscreen platform Qt has no desktop
    // services (QDesktopServices reaches no opener at all), so the addresses are taken where
    // QDesktopServices hands them on; with Xvfb the same runs again on the X11 platform, where
    // Qt starts xdg-open, here a stand-in first on the PATH that writes down its arguments.
    void documentsVersLeBureau() {
        QTemporaryDir racine;
        const QString dossier = preparesFiches(racine);
        QVERIFY(!dossier.isEmpty());
        const QString trace = racine.filePath("xdg-open.txt");

        if (qEnvironmentVariableIsSet("LAMELIX_BUREAU")) {
            // The child run, on X11: xdg-open is the stand-in.
            const QString bin = racine.filePath("bin");
            QVERIFY(QDir().mkpath(bin));
            QVERIFY(ecrit(bin + "/xdg-open",
                          "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\" >> '" +
                              trace.toUtf8() + "'; done\n"));
            QFile(bin + "/xdg-open")
                .setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                QFileDevice::ExeOwner);
            qputenv("PATH", bin.toLocal8Bit() + ":" + qgetenv("PATH"));
            choisitLesDeux(dossier, [&trace] { return lignesDuFichier(trace); });
            QVERIFY(!QFile::exists(dossier + "/outil.sh.trace"));
            return;
        }

        Receveur receveur;
        QDesktopServices::setUrlHandler("file", &receveur, "ouvre");
        choisitLesDeux(dossier, [&receveur] { return receveur.Recus; });
        QDesktopServices::unsetUrlHandler("file");
        QVERIFY(!QFile::exists(dossier + "/outil.sh.trace"));

        const QString xvfb = QStandardPaths::findExecutable("xvfb-run");
        if (xvfb.isEmpty()) QSKIP("xvfb-run is not installed: xdg-open itself was not reached");
        QProcess essai;
        QProcessEnvironment environnement = QProcessEnvironment::systemEnvironment();
        environnement.insert("QT_QPA_PLATFORM", "xcb");
        environnement.insert("LAMELIX_BUREAU", "1");
        environnement.remove("LAMELIX_CAPTURE");
        essai.setProcessEnvironment(environnement);
        essai.setProcessChannelMode(QProcess::MergedChannels);
        essai.start(xvfb, {"-a", QCoreApplication::applicationFilePath(), "documentsVersLeBureau"});
        QVERIFY(essai.waitForFinished(60000));
        QVERIFY2(essai.exitStatus() == QProcess::NormalExit && essai.exitCode() == 0,
                 essai.readAll().constData());
    }
};

QTEST_MAIN(RecherchesTest)
#include "recherches_test.moc"
