// The window follows its key's file: saved by an editor that writes a new file and renames it
// over the old one, the key is loaded again, the path kept while it leads the same way, started
// again and said so otherwise; a broken save leaves the window as a failed load does until the
// next good one. A burst of saves loads the key once.
//
// LAMELIX_CAPTURE names a PNG file that receives the window after a load that started the path
// again ("-suivi-<screen>" in French, "-suivi-<screen>-english").

#include "tests/ui/banc_fenetre.hpp"
#include "ui/fenetre_outils.hpp"
#include "ui/veille_fichier.hpp"

#include <cstdio>

#include <QAction>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace lamelix;
using namespace lamelix::test;

namespace {

const QByteArray Cle = "TITRE$Champignons\r\n"
                       "1, 2 $Lames$\r\n"
                       "1, 0 $Tubes$Boletus\r\n"
                       "2, 3 $Anneau$\r\n"
                       "2, 0 $Sans anneau$Russula\r\n"
                       "3, 0 $Volve$Amanita phalloides\r\n"
                       "3, 0 $Sans volve$Amanita rubescens\r\n";

// As editors save: the whole text into a new file, renamed over the key.
bool enregistreParRenommage(const QString &chemin, const QByteArray &contenu) {
    const QString provisoire = chemin + ".tmp~";
    return ecrit(provisoire, contenu) &&
           std::rename(provisoire.toLocal8Bit().constData(), chemin.toLocal8Bit().constData()) == 0;
}

QString statut(FenetrePrincipale &fenetre) {
    return fenetre.findChild<QLabel *>("StatusBar1")->text();
}

} // namespace

class SuiviCleTest : public QObject {
    Q_OBJECT

  private slots:
    void enregistrementParRenommage() {
        BancFenetre<> banc(false);
        QVERIFY(banc.Anglais());
        const QString chemin = banc.dossier.filePath("champignons.cle");
        QVERIFY(ecrit(chemin, Cle));
        QVERIFY(banc.Ouvre(qPrintable(chemin)));
        FenetrePrincipale &fenetre = banc.fenetre;
        doubleClic(fenetre.List1(), 0);
        doubleClic(fenetre.List1(), 0);
        QCOMPARE(lignes(fenetre.List1()), QStringList({"Volve", "Sans volve"}));
        // The tools window shows a report: it is made again on each new key.
        fenetre.Action("MnOutil_10")->trigger();
        QTest::mouseClick(fenetre.Outils_()->Command1(OutVoirCompil), Qt::LeftButton);
        QVERIFY(!fenetre.Outils_()->Text10(0)->toPlainText().contains("Anneau membraneux"));

        // A reworded proposition: the path is kept and shows the new words.
        const uint64_t avant = banc.modele.ChargementsCle;
        QByteArray reformulee = Cle;
        reformulee.replace("$Anneau$", "$Anneau membraneux$");
        QVERIFY(enregistreParRenommage(chemin, reformulee));
        QTRY_COMPARE(statut(fenetre),
                     QString("Clé modifiée sur le disque : rechargée, parcours gardé"));
        QCOMPARE(banc.modele.ChargementsCle, avant + 1);
        QCOMPARE(lignes(fenetre.List1()), QStringList({"Volve", "Sans volve"}));
        QVERIFY(fenetre.Text1()->toPlainText().contains("Anneau membraneux"));
        QVERIFY(fenetre.Outils_()->Text10(0)->toPlainText().contains("Anneau membraneux"));
        fenetre.Outils_()->close();

        // Three saves in a row are one load; entity 3 renumbered, the path starts again.
        QByteArray renumerotee = reformulee;
        renumerotee.replace("2, 3 $", "2, 4 $").replace("3, 0 $", "4, 0 $");
        for (int i = 0; i < 3; ++i)
            QVERIFY(enregistreParRenommage(chemin, i < 2 ? Cle : renumerotee));
        QTRY_COMPARE(lignes(fenetre.List1()), QStringList({"Lames", "Tubes"}));
        QTest::qWait(3 * VeilleFichier::DelaiMs);
        QCOMPARE(banc.modele.ChargementsCle, avant + 2);
        QCOMPARE(statut(fenetre),
                 QString("Clé modifiée sur le disque, parcours repris au début : l'étape 2 "
                         "(entité 2) mène ailleurs"));
        captureEcrans(fenetre, "-suivi", "");

        // In English, the same again from the first entity's proposition.
        fenetre.Action("MnLang_5")->trigger();
        doubleClic(fenetre.List1(), 1);
        QVERIFY(
            enregistreParRenommage(chemin, QByteArray(renumerotee).replace("Boletus", "Suillus")));
        QTRY_VERIFY(statut(fenetre).startsWith("Key changed on disk, path started again: step 1 "));
        captureEcrans(fenetre, "-suivi", "-english");
    }

    void cleCasseePuisReparee() {
        BancFenetre<> banc(false);
        const QString chemin = banc.dossier.filePath("champignons.cle");
        QVERIFY(ecrit(chemin, Cle));
        QVERIFY(banc.Ouvre(qPrintable(chemin)));
        FenetrePrincipale &fenetre = banc.fenetre;
        doubleClic(fenetre.List1(), 0);

        QVERIFY(enregistreParRenommage(chemin, "1, 2 $Lames$\r\nzz, 0 $Tubes$Boletus\r\n"));
        QTRY_COMPARE(statut(fenetre),
                     QString::fromStdString(banc.modele.Msg(MsgProblemeChargement)) + chemin);
        QCOMPARE(fenetre.List1()->count(), 0);

        QVERIFY(enregistreParRenommage(chemin, Cle));
        QTRY_COMPARE(lignes(fenetre.List1()), QStringList({"Lames", "Tubes"}));
        QCOMPARE(statut(fenetre), QString("Clé modifiée sur le disque : rechargée"));
    }
};

QTEST_MAIN(SuiviCleTest)
#include "suivi_cle_test.moc"
