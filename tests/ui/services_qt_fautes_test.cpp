// The Qt dialogs as the user meets them: a question opens over the window the user acted in,
// not over the main window, and Return answers it with its default button (No before a file is
// rewritten).

#include "ui/services_qt.hpp"

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QWidget>

using namespace lamelix;

class ServicesQtFautesTest : public QObject {
    Q_OBJECT

  private slots:
    void questionSurLaFenetreQuiDemandeEtReponseParDefaut() {
        QWidget principale;
        QWidget outils(nullptr, Qt::Window);
        principale.show();
        outils.show();
        ServicesQt services;
        services.FixeFenetre(&principale);

        struct Cas {
            bool risquee;
            int attendue;
        };
        for (const Cas &cas : {Cas{false, ReponseOui}, Cas{true, ReponseNon}}) {
            outils.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&outils));
            QWidget *parent = nullptr;
            // Return pressed in the box as soon as it is open.
            QTimer::singleShot(0, [&parent] {
                QWidget *boite = QApplication::activeModalWidget();
                if (boite == nullptr) return;
                parent = boite->parentWidget();
                QTest::keyClick(boite, Qt::Key_Return);
            });
            const int reponse = cas.risquee ? services.QuestionRisquee("Remplacer ?")
                                            : services.Question("Continuer ?");
            QCOMPARE(reponse, cas.attendue);
            QCOMPARE(parent, &outils);
        }
    }
};

QTEST_MAIN(ServicesQtFautesTest)
#include "services_qt_fautes_test.moc"
