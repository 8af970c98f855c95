// The program as a user meets it, from start-up to quit and back: a key given on the command
// line, walked to a species, the result exported with a comment, the interface switched to
// English and back, "&Quitter" with its question, then a new start that restores the session.
// Real Qt services throughout; the questions are answered by clicking the message box's button.
//
// LAMELIX_CAPTURE names a PNG file that receives the window in the middle of the consultation,
// and the window at the sizes of small and large screens, in French and in English.

#include "consult/lamelix.hpp"
#include "tests/ui/banc_fenetre.hpp"
#include "ui/fenetre_aide.hpp"
#include "ui/fenetre_principale.hpp"
#include "ui/panneaux.hpp"
#include "ui/services_qt.hpp"

#include <memory>

#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTextEdit>
#include <QTimer>

using namespace lamelix;
using namespace lamelix::test;

namespace {

// Clicks the button (or OK when the box has no such button) in the next message box, as soon
// as it shows.
void repond(int *reponses, QMessageBox::StandardButton bouton) {
    QTimer::singleShot(50, [reponses, bouton] {
        auto *boite = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (boite == nullptr) return repond(reponses, bouton);
        QAbstractButton *choisi = boite->button(bouton);
        if (choisi == nullptr) choisi = boite->button(QMessageBox::Ok);
        ++*reponses;
        choisi->click();
    });
}

void repondOui(int *reponses) {
    repond(reponses, QMessageBox::Yes);
}

// One run of the program: its model, its window and its services on a program folder.
struct Programme_ {
    Programme_(const QString &dossier, const QString &ligneDeCommande) {
        modele.RepProgramme = dossier.toStdString();
        modele.LigneCommande = ligneDeCommande.toStdString();
        services.Libelles = &modele.Libelles;
        services.FixeFenetre(&fenetre);
        fenetre.AuTermine = [this] { termine = true; };
        fenetre.Demarre();
        fenetre.resize(1320, 760); // the size of the README's screenshot
        fenetre.show();
        fenetre.Active();
        QApplication::processEvents();
    }
    ServicesQt services;
    std::unique_ptr<Application> app = std::make_unique<Application>(services);
    Lamelix &modele = app->Principale();
    FenetrePrincipale fenetre{*app};
    bool termine = false;
};

QString lit(const QString &chemin) {
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(fichier.readAll());
}

} // namespace

class BoutEnBoutTest : public QObject {
    Q_OBJECT

  private slots:
    void deLaLigneDeCommandeALaSessionRestauree() {
        QTemporaryDir programmeDir, clesDir;
        const QString dossier = programmeDir.path();
        QVERIFY(QFile::copy(LAMELIX_LANGUES "/Lamelix_en.lng", dossier + "/Lamelix_en.lng"));
        QVERIFY(QDir().mkpath(dossier + "/aide"));
        QVERIFY(QFile::copy(LAMELIX_AIDE "/index.html", dossier + "/aide/index.html"));
        const QString cle = clesDir.filePath("champignons.cle");
        QVERIFY(QFile::copy(LAMELIX_CLES "/defaut.cle", cle));

        int reponses = 0;
        int16_t entite = 0;
        QStringList propositions;
        QString historique; // the path at the step the session records
        {
            // First start: the settings file is created (a message says so), the key named on
            // the command line between quotes is loaded.
            repondOui(&reponses);
            Programme_ p(dossier, "\"" + cle + "\"");
            QCOMPARE(reponses, 1);
            QCOMPARE(QString::fromStdString(p.modele.Label18.Caption), "fichier actuel : " + cle);

            // Walk to the death cap; the window is captured half-way.
            const int chemin[] = {0, 0, 0, 0, 1, 0};
            for (int pas = 0; pas < 6; ++pas) {
                doubleClic(p.fenetre.List1(), chemin[pas]);
                if (pas == 3) capture(&p.fenetre, "");
            }
            QVERIFY(p.fenetre.Text2()->text().startsWith("Amanita phalloides"));

            // Export the result with a comment.
            p.fenetre.Action("mnuFileItem_2")->trigger();
            Panneaux *panneaux = p.fenetre.Panneaux_();
            QVERIFY(panneaux->Export()->isVisible());
            QCOMPARE(panneaux->Export()->focusWidget(), panneaux->Text7());
            QTest::keyClicks(panneaux->Text7(), "Sous les ");
            panneaux->Text7()->insertPlainText("chênes"); // typed through an input method
            capture(panneaux->Export(), "-export");
            const QString resultat = clesDir.filePath("resultat.txt");
            p.services.ReponseDialogue = [&resultat] { return resultat.toStdString(); };
            QTest::mouseClick(panneaux->Export()->findChild<QPushButton *>("Command7_3"),
                              Qt::LeftButton);
            QVERIFY(!panneaux->Export()->isVisible());
            // The comment typed, its accented letter included, reaches the file.
            QVERIFY(lit(resultat).contains("\r\nSous les chênes\r\n"));

            // Back one step: that entity is the one the session must bring back.
            QTest::mouseClick(p.fenetre.Bouton(0), Qt::LeftButton);
            entite = p.modele.Parcours.EntiteCourante;
            historique = QString::fromStdString(p.modele.Text1.Text);
            for (int i = 0; i < p.fenetre.List1()->count(); ++i)
                propositions << p.fenetre.List1()->item(i)->text();
            QVERIFY(entite > 1);

            // The help opens on the program's own pages.
            p.fenetre.Action("MnuAide")->trigger();
            QTRY_VERIFY(FenetreAide::Instance() && FenetreAide::Instance()->isVisible());
            QVERIFY(FenetreAide::Instance()->Navigateur()->toPlainText().contains("clé"));
            capture(FenetreAide::Instance(), "-aide");
            FenetreAide::Instance()->close();

            // English, then French again: menus and messages follow.
            QAction *quitter = p.fenetre.Action("mnuFileItem_4");
            captureEcrans(p.fenetre, "", "");
            p.fenetre.Action("MnLang_5")->trigger();
            QCOMPARE(quitter->text(), QString("&Quit"));
            capture(&p.fenetre, "-english");
            captureEcrans(p.fenetre, "", "-english");
            QVERIFY(p.fenetre.Action("MnLang_5")->isChecked());
            p.fenetre.Action("MnLang_1")->trigger();
            QCOMPARE(quitter->text(), QString("&Quitter"));

            // "&Quitter", answered Yes: the session is saved and the program ends.
            repondOui(&reponses);
            quitter->trigger();
            QTRY_VERIFY(p.termine);
            QCOMPARE(reponses, 2);
            QVERIFY(!p.fenetre.isVisible());
            QVERIFY(lit(dossier + "/Lamelix.ini")
                        .contains("SESSION=" + cle + ";" + QString::number(entite) + ";"));
        }
        {
            // Second start, without a key: no default key in the program folder, which the
            // window says, offering another key (declined); then "Session précédente" brings
            // the consultation back.
            repond(&reponses, QMessageBox::No);
            Programme_ p(dossier, {});
            QCOMPARE(reponses, 3); // the settings file exists now: only the missing key asks
            QCOMPARE(p.fenetre.List1()->count(), 0);
            p.fenetre.Action("mnuFileItem_3")->trigger();
            QCOMPARE(p.modele.Parcours.EntiteCourante, entite);
            QStringList revues;
            for (int i = 0; i < p.fenetre.List1()->count(); ++i)
                revues << p.fenetre.List1()->item(i)->text();
            QCOMPARE(revues, propositions);
            QCOMPARE(QString::fromStdString(p.modele.Text1.Text), historique);
            capture(&p.fenetre, "-session");

            // The close box asks too; No keeps everything.
            QTimer::singleShot(50, [] {
                auto *boite = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
                if (boite) boite->button(QMessageBox::No)->click();
            });
            p.fenetre.close();
            QVERIFY(p.fenetre.isVisible());
            QCOMPARE(p.modele.Parcours.EntiteCourante, entite);
        }
    }
};

QTEST_MAIN(BoutEnBoutTest)
#include "bout_en_bout_test.moc"
