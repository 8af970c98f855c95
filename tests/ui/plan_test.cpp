// The key map docked beside the window, and the double click on a step of the path, on the
// bundled key under the offscreen platform.
// LAMELIX_CAPTURE names a PNG file; the captures add "-plan-<screen>[-english]" before ".png".

#include "tests/ui/banc_fenetre.hpp"
#include "ui/panneau_plan.hpp"

#include <QAction>
#include <QLineEdit>
#include <QTextBlock>
#include <QTextEdit>
#include <QTreeWidget>

using namespace lamelix;
using namespace lamelix::test;

namespace {

using Banc = BancFenetre<>;

// The first row built whose text holds the word.
QTreeWidgetItem *rangAvec(QTreeWidgetItem *rang, const QString &mot) {
    if (rang->text(0).contains(mot)) return rang;
    for (int i = 0; i < rang->childCount(); ++i)
        if (QTreeWidgetItem *trouve = rangAvec(rang->child(i), mot)) return trouve;
    return nullptr;
}

QTreeWidgetItem *rangAvec(QTreeWidget *arbre, const QString &mot) {
    for (int i = 0; i < arbre->topLevelItemCount(); ++i)
        if (QTreeWidgetItem *trouve = rangAvec(arbre->topLevelItem(i), mot)) return trouve;
    return nullptr;
}

} // namespace

class PlanTest : public QObject {
    Q_OBJECT

  private slots:
    // Ctrl+M opens the map down to the current entity; a filtered row double-clicked moves the
    // consultation there, and the map follows it.
    void ouvreFiltreEtSaute() {
        Banc banc;
        FenetrePrincipale &fenetre = banc.fenetre;
        doubleClic(fenetre.List1(), 0);
        doubleClic(fenetre.List1(), 1);
        QVERIFY(fenetre.FramePlan() == nullptr); // made when first shown
        QTest::keyClick(fenetre.List1(), Qt::Key_M, Qt::ControlModifier);
        PanneauPlan *plan = fenetre.FramePlan();
        QVERIFY(plan != nullptr && plan->isVisible());
        QCOMPARE(plan->windowTitle(), QString("Plan de la clé"));
        QVERIFY(plan->Courant() != nullptr);
        QCOMPARE(plan->Courant()->text(0),
                 QString("Entité %1").arg(banc.modele.Parcours.EntiteCourante));
        captureEcrans(fenetre, "-plan", "");

        QTest::keyClicks(plan->Filtre(), "MIEL");
        QTreeWidgetItem *rang = rangAvec(plan->Arbre(), "jaune miel");
        QVERIFY(rang != nullptr);
        QVERIFY(rangAvec(plan->Arbre(), "Sporée rose") == nullptr);
        plan->Arbre()->scrollToItem(rang);
        const QPoint point = plan->Arbre()->visualItemRect(rang).center();
        QVERIFY(plan->Arbre()->viewport()->rect().contains(point));
        QTest::mouseClick(plan->Arbre()->viewport(), Qt::LeftButton, {}, point);
        QTest::mouseDClick(plan->Arbre()->viewport(), Qt::LeftButton, {}, point);
        QCOMPARE(fenetre.Text2()->text(),
                 QString("Armillaria mellea (armillaire couleur de miel)"));
        QVERIFY(fenetre.Text1()->toPlainText().contains("Champignon en touffes serrées"));

        // Without the filter, the map shows the species reached as the current row.
        plan->Filtre()->clear();
        QVERIFY(plan->Courant() != nullptr);
        QCOMPARE(plan->Courant()->text(0), fenetre.Text2()->text());

        // In English, for the screenshots; Ctrl+M closes it.
        QVERIFY(banc.Anglais());
        fenetre.Action("MnLang_5")->trigger();
        QCOMPARE(plan->windowTitle(), QString("Key map"));
        captureEcrans(fenetre, "-plan", "-english");
        fenetre.Action("MnLang_1")->trigger();
        QTest::keyClick(fenetre.List1(), Qt::Key_M, Qt::ControlModifier);
        QVERIFY(!plan->isVisible());
    }

    // A double click on the first step of the path goes back to it.
    void retourParLeChemin() {
        Banc banc;
        FenetrePrincipale &fenetre = banc.fenetre;
        for (int i = 0; i < 3; ++i)
            doubleClic(fenetre.List1(), 0);
        QCOMPARE(banc.modele.Parcours.NbEtapes, 3);
        QTextEdit *chemin = fenetre.Text1();
        QVERIFY(chemin->toolTip().contains("revenir"));
        const QRect premier =
            chemin->cursorRect(QTextCursor(chemin->document()->findBlockByNumber(0)));
        QTest::mouseDClick(chemin->viewport(), Qt::LeftButton, {}, premier.center());
        QCOMPARE(banc.modele.Parcours.NbEtapes, 1);
        QCOMPARE(banc.modele.Parcours.EntiteCourante, 2);
        QCOMPARE(chemin->document()->blockCount(), 2); // the step and the empty line after it
    }
};

QTEST_MAIN(PlanTest)
#include "plan_test.moc"
