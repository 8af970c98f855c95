// The tools window as a key author uses it: opened from "Outils > Mise au point", a key loaded
// with "Charger", its analysis, its renumbering and the save confirmed, all through the real
// buttons; the report box in a fixed-width font, copied whole, the printable page exported, and
// a double click that opens the editor at the line it names.
//
// LAMELIX_CAPTURE names a PNG file that receives the tools window after the analysis (at
// 800x600, and with "-grand" at 1600x1000).

#include "tests/services_factices.hpp"
#include "tests/ui/gestes.hpp"
#include "ui/fenetre_outils.hpp"
#include "ui/fenetre_principale.hpp"
#include "ui/geometrie.hpp"

#include <fstream>
#include <functional>
#include <memory>
#include <sstream>

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>

using namespace lamelix;

namespace {

std::string lis(const std::string &chemin) {
    std::ifstream flux(chemin, std::ios::binary);
    std::ostringstream tout;
    tout << flux.rdbuf();
    return tout.str();
}

const char *const Cle = "TITRE$Essai\r\n1, 2 $Lames\r\n1, 3 $Tubes\r\n2, 0 $Blanc$Alba\r\n"
                        "2, 0 $$Rosea\r\n3, 0 $Jaune$Lutea\r\n3, 0 $Vert$Viridis\r\n";

// Calls back at each paint of the widget it watches: what the user sees while a handler runs.
struct EspionPeinture : QObject {
    std::function<void()> AuPeint;
    bool eventFilter(QObject *, QEvent *event) override {
        if (event->type() == QEvent::Paint) AuPeint();
        return false;
    }
};

} // namespace

class OutilsTest : public QObject {
    Q_OBJECT

  private slots:
    void analyseRenumerotationEtSauvegarde() {
        QTemporaryDir dossier;
        const std::string chemin = dossier.filePath("essai.cle").toStdString();
        std::ofstream(chemin, std::ios::binary) << Cle;
        test::ServicesFactices services;
        Application app(services);
        app.Principale().RepProgramme = dossier.path().toStdString();
        app.Prog().Options.Editeur = "editeur-essai +%l %f";
        FenetrePrincipale fenetre(app);
        fenetre.Demarre();

        QVERIFY(fenetre.Outils_() == nullptr); // made on first use
        fenetre.Action("MnOutil_10")->trigger();
        FenetreOutils *outils = fenetre.Outils_();
        QVERIFY(outils != nullptr);
        QVERIFY(outils->isVisible());
        // Every button within reach on the 800×600 screen, frame included.
        QVERIFY(outils->screen()->availableGeometry().contains(
            outils->geometry().marginsAdded(CadreEstime())));
        QVERIFY(!outils->Command1(OutAnalyse)->isEnabled());
        // Fixed width as the user sees it, whatever fonts the machine has.
        const QFontMetrics mesure(outils->Text10(0)->font());
        QCOMPARE(mesure.horizontalAdvance('i'), mesure.horizontalAdvance('M'));

        services.Fichiers.push_back(chemin);
        QTest::mouseClick(outils->Command1(OutCharger), Qt::LeftButton);
        QCOMPARE(outils->Label2()->text(), QString("essai.cle"));
        QVERIFY(outils->Command1(OutAnalyse)->isEnabled());
        QCOMPARE(outils->windowTitle(), QString(" Mise au point de  essai.cle"));

        // While the analysis runs the pointer waits and the status line says what runs; then
        // it tells how the report ended.
        QStringList vus;
        EspionPeinture espion;
        espion.AuPeint = [&] {
            vus << outils->Etat()->text() +
                       (outils->cursor().shape() == Qt::WaitCursor ? " ..." : "");
        };
        outils->Etat()->installEventFilter(&espion);
        QVERIFY(QTest::qWaitForWindowExposed(outils));
        QTest::mouseClick(outils->Command1(OutAnalyse), Qt::LeftButton);
        outils->Etat()->removeEventFilter(&espion);
        QVERIFY2(vus.contains("Analyse/Tests : en cours… ..."), qPrintable(vus.join('|')));
        QCOMPARE(
            outils->Etat()->text(),
            QString("Analyse/Tests : terminé, %1 lignes").arg(outils->Text10(0)->blockCount()));
        QCOMPARE(outils->cursor().shape(), Qt::ArrowCursor);
        const QString rapport = outils->Text10(0)->toPlainText();
        QVERIFY2(rapport.startsWith("Compte rendu analyse de syntaxe de essai.cle\n"),
                 qPrintable(rapport));
        outils->resize(800, 600);
        test::capture(outils, "");
        outils->resize(1600, 1000);
        test::capture(outils, "-grand");
        // Copied whole, CR LF kept as the report writes them.
        QTest::mouseClick(outils->Copie(0), Qt::LeftButton);
        QCOMPARE(QString::fromStdString(services.PressePapier),
                 QString(rapport).replace("\n", "\r\n"));

        // "Exporter > Imprimable" writes the printable page where the save dialog says.
        auto *imprimable = outils->findChild<QAction *>("Imprimable");
        QVERIFY(imprimable != nullptr);
        const std::string page = dossier.filePath("essai.html").toStdString();
        services.Fichiers.push_back(page);
        imprimable->trigger();
        QVERIFY(QString::fromStdString(lis(page)).startsWith("<!DOCTYPE html>\n"));
        QVERIFY(QString::fromStdString(lis(page)).contains("<i>Viridis</i>"));
        // "Exporter > LPXK" the same way.
        const std::string lpxk = dossier.filePath("essai.lpxk").toStdString();
        services.Fichiers.push_back(lpxk);
        outils->findChild<QAction *>("ExportLpxk")->trigger();
        QVERIFY(QString::fromStdString(lis(lpxk)).contains("name=\"Viridis\""));

        // A double click on the line of the faulty key line opens the editor there.
        int ligne = 0;
        for (QTextBlock b = outils->Text10(0)->document()->begin(); b.isValid();
             b = b.next(), ++ligne)
            if (b.text().startsWith("@ligne 4 / 5")) break;
        outils->DoubleClicLigne(0, ligne);
        QCOMPARE(QString::fromStdString(services.Appels.back()),
                 QString::fromStdString("programme: editeur-essai +5 " + chemin));

        QTest::keyClicks(outils->Text1(0), "0");
        QTest::mouseClick(outils->Command1(OutTestNumerotation), Qt::LeftButton);
        QVERIFY(outils->Text10(1)->toPlainText().contains("1,2$  => 10,11"));
        QVERIFY(outils->Command1(OutSauverRenum)->isEnabled());
        QTest::mouseClick(outils->Command1(OutSauverRenum), Qt::LeftButton);
        QCOMPARE(
            QString::fromStdString(services.Journal.end()[-2]),
            QString::fromStdString("question: le fichier " + chemin + " va être modifié  -> oui"));
        QVERIFY(lis(chemin).starts_with("TITRE$Essai\r\n10,11$Lames\r\n"));
        QVERIFY(!outils->Command1(OutSauverRenum)->isEnabled());

        // Closing the window ends the editor it started.
        outils->close();
        QVERIFY(!app.Outil().Moi.Visible);
        QCOMPARE(QString::fromStdString(services.Appels.back()), QString("termine: 1000"));
    }
};

QTEST_MAIN(OutilsTest)
#include "fenetre_outils_test.moc"
