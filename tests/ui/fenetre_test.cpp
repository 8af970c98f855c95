// The real main window, driven as a user would: the bundled key shown, propositions followed by
// double clicks down to a species, and compiler diagnostics reaching the window's dialogs.

#include "consult/lamelix.hpp"
#include "tests/services_factices.hpp"
#include "ui/fenetre_principale.hpp"

#include <memory>

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QTest>

using namespace lamelix;

class FenetreTest : public QObject {
    Q_OBJECT

    static void doubleClic(QListWidget *liste, int ligne) {
        QApplication::processEvents(); // lets the list lay out its wrapped items
        QRect zone = liste->visualItemRect(liste->item(ligne));
        // A double click on a list row is a press (which selects it) followed by the double click.
        QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, zone.center());
        QTest::mouseDClick(liste->viewport(), Qt::LeftButton, {}, zone.center());
    }

  private slots:
    void parcoursJusquaUneEspece() {
        test::ServicesFactices services;
        auto programme = std::make_unique<Programme>();
        Lamelix modele(*programme, services);
        FenetrePrincipale fenetre(modele);
        fenetre.show();
        fenetre.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&fenetre));
        fenetre.ChargeCle(LAMELIX_CLES "/defaut.cle");

        QVERIFY(services.Journal.empty());
        QCOMPARE(fenetre.windowTitle(),
                 QString::fromStdString("Lamelix 2.06 " + programme->Cle.TitreCle));
        QListWidget *liste = fenetre.List1();
        QCOMPARE(liste->count(), modele.List1.ListCount());
        QVERIFY(liste->count() >= 2);
        QCOMPARE(liste->item(0)->text(),
                 QString::fromStdString(modele.List1.Items[0].Texte).trimmed());

        // The first proposition, then always the second: the path must end at a species.
        // LAMELIX_CAPTURE names a PNG file that receives the window after the first choice.
        const QByteArray capture = qgetenv("LAMELIX_CAPTURE");
        int16_t entite = modele.EntiteCourante;
        for (int pas = 0; fenetre.Text2()->text().isEmpty() && pas < 100; ++pas) {
            QVERIFY(liste->count() > 0);
            doubleClic(liste, pas > 0 && liste->count() > 1 ? 1 : 0);
            QVERIFY(modele.EntiteCourante != entite); // one double click, one step
            entite = modele.EntiteCourante;
            if (pas == 0 && !capture.isEmpty())
                fenetre.grab().save(QString::fromLocal8Bit(capture));
        }
        QCOMPARE(fenetre.Text2()->text(), QString::fromStdString(modele.Text2.Text).trimmed());
        QVERIFY(!fenetre.Text2()->text().isEmpty());
        QCOMPARE(liste->count(), 0);
    }

    void diagnosticsVersLesDialogues() {
        test::ServicesFactices services;
        auto programme = std::make_unique<Programme>();
        Lamelix modele(*programme, services);
        FenetrePrincipale fenetre(modele);
        fenetre.ChargeCle(LAMELIX_CLES "/erreur-syntaxe.cle");
        QVERIFY(!services.Journal.empty());
        QVERIFY(services.Journal.front().rfind("message:  syntaxe incorrecte ligne ", 0) == 0);
        QVERIFY(!services.PressePapier.empty());
        // A stopped compilation leaves no half-compiled key on screen.
        QCOMPARE(fenetre.List1()->count(), 0);
    }
};

QTEST_MAIN(FenetreTest)
#include "fenetre_test.moc"
