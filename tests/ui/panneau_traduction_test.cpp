// The translation panel in the real window, on the real network stack, against HTTP servers that
// the test itself runs on the loopback address: what the server receives for each source of
// text, what the panel shows of each answer, a server too slow to answer, and a saved
// translation page opened in the panel's view.

#include "tests/ui/gestes.hpp"
#include "ui/bandeau_flash.hpp"
#include "ui/conversions.hpp"
#include "ui/fenetre_principale.hpp"
#include "ui/geometrie.hpp"
#include "ui/panneau_traduction.hpp"
#include "ui/services_qt.hpp"

#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QUrlQuery>

using namespace lamelix;
using namespace lamelix::test;

namespace {

// One request as the server read it off the wire.
struct Recue {
    QByteArray ligne;                     // "POST /m?... HTTP/1.1"
    QMap<QByteArray, QByteArray> entetes; // names in lower case
    QByteArray corps;
};

// A tiny HTTP/1.1 server on 127.0.0.1: it records each request and answers with the next
// scripted answer (status, body), or never answers when asked to be slow.
class Serveur : public QObject {
  public:
    Serveur() {
        QVERIFY(serveur_.listen(QHostAddress::LocalHost));
        connect(&serveur_, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *s = serveur_.nextPendingConnection())
                connect(s, &QTcpSocket::readyRead, this, [this, s] { lit(s); });
        });
    }
    QString Adresse() const { return QString("http://127.0.0.1:%1").arg(serveur_.serverPort()); }
    // extra: header lines of the answer, each ending with CR LF; without its length, the
    // answer's end is the connection's.
    void Repond(int statut, const QByteArray &corps, const QByteArray &extra = {},
                bool longueur = true) {
        reponses_.append({statut, corps, extra, longueur});
    }
    bool Lent = false;
    QList<Recue> Recues;

  private:
    void lit(QTcpSocket *s) {
        QByteArray &tampon = tampons_[s];
        tampon += s->readAll();
        const int fin = tampon.indexOf("\r\n\r\n");
        if (fin < 0) return;
        Recue r;
        const QList<QByteArray> lignes = tampon.left(fin).split('\n');
        r.ligne = lignes.value(0).trimmed();
        for (int i = 1; i < lignes.size(); ++i) {
            const int deux = lignes[i].indexOf(':');
            if (deux > 0)
                r.entetes[lignes[i].left(deux).trimmed().toLower()] =
                    lignes[i].mid(deux + 1).trimmed();
        }
        const int longueur = r.entetes.value("content-length", "0").toInt();
        if (tampon.size() < fin + 4 + longueur) return;
        r.corps = tampon.mid(fin + 4, longueur);
        tampons_.remove(s);
        Recues.append(r);
        if (Lent) return;
        const Reponse a =
            reponses_.isEmpty() ? Reponse{404, "absent", {}, true} : reponses_.takeFirst();
        s->write("HTTP/1.1 " + QByteArray::number(a.statut) +
                 " X\r\nContent-Type: text/html; charset=utf-8\r\n" + a.extra +
                 (a.longueur ? "Content-Length: " + QByteArray::number(a.corps.size()) + "\r\n"
                             : QByteArray()) +
                 "Connection: close\r\n\r\n" + a.corps);
        s->disconnectFromHost();
    }
    struct Reponse {
        int statut;
        QByteArray corps, extra;
        bool longueur = true;
    };
    QTcpServer serveur_;
    QList<Reponse> reponses_;
    QMap<QTcpSocket *, QByteArray> tampons_;
};

// The real services, but a connection that is always there.
class ServicesEssai : public ServicesQt {
  public:
    bool ConnexionInternet() override { return true; }
};

struct Banc {
    Banc() {
        modele.RepProgramme = dossier.path().toStdString();
        services.FixeFenetre(&fenetre);
        services.AuRepos = [this] { fenetre.Rafraichit(); };
        services.DelaiRequeteMs = 1500;
        // A message box (the settings file created at the first start) would wait for a person.
        QObject::connect(&veille, &QTimer::timeout, [] {
            if (auto *boite = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
                boite->accept();
        });
        veille.start(50);
        fenetre.Demarre();
        fenetre.show();
        fenetre.Active();
        const QString cle = dossier.filePath("anglais.cle");
        QFile fichier(cle);
        fichier.open(QIODevice::WriteOnly);
        fichier.write("REM$LANGUE$Anglais\r\n1, 2 $Gills free & crowded$\r\n"
                      "1, 0 $Tubes #1$Boletus\r\n2, 0 $Ring$Amanita\r\n2, 0 $No ring$Russula\r\n");
        fichier.close();
        fenetre.ChargeCle(cle.toStdString());
        modele.Options().TradPage = serveur.Adresse().toStdString();
        modele.Options().TradServeur = serveur.Adresse().toStdString();
    }
    // "Traduire" of the look-up bar shows the panel and translates the propositions at once.
    PanneauTraduction *ouvre() {
        QTest::mouseClick(fenetre.Command6(4), Qt::LeftButton);
        return fenetre.Frame14();
    }

    QTemporaryDir dossier;
    ServicesEssai services;
    std::unique_ptr<Application> app = std::make_unique<Application>(services);
    Lamelix &modele = app->Principale();
    FenetrePrincipale fenetre{*app};
    Serveur serveur;
    QTimer veille;
};

QUrlQuery requete(const Recue &r) {
    const QByteArray cible = r.ligne.split(' ').value(1);
    return QUrlQuery(QUrl::fromEncoded(cible).query(QUrl::FullyEncoded));
}

} // namespace

class TraductionTest : public QObject {
    Q_OBJECT

  private slots:
    void lesPropositionsParLaPage() {
        Banc banc;
        banc.serveur.Repond(200, "<html><body><div class=t1>non</div><div class=t0>Lames libres "
                                 "et serrées?Tubes n°1?</div><div class=t0>non</div>");
        PanneauTraduction *panneau = banc.ouvre();
        QVERIFY(panneau->isVisible());
        // Title bar and buttons within reach on the 800×600 screen.
        QVERIFY(panneau->screen()->availableGeometry().contains(
            panneau->geometry().marginsAdded(CadreEstime())));
        QCOMPARE(panneau->Lgs()->currentText(), QString("Anglais")); // the key's language
        QCOMPARE(banc.serveur.Recues.size(), 1);
        const Recue &r = banc.serveur.Recues[0];
        QVERIFY2(r.ligne.startsWith("POST /m?&sl=en&tl=fr&ie=UTF-8&prev=_m&q="), r.ligne);
        QCOMPARE(r.entetes.value("user-agent"),
                 QByteArray("Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)"));
        QCOMPARE(r.corps, QByteArray());
        QCOMPARE(requete(r).queryItemValue("q", QUrl::FullyDecoded),
                 QString("Gills free & crowded\r\n·Tubes #1\r\n·"));
        QCOMPARE(panneau->Result()->toPlainText(), QString("Lames libres et serrées\nTubes n°1\n"));

        // The source box and "Automatique" reach the panel's model: every new step is then
        // translated as it appears, from an undetected language.
        panneau->Lgs()->setCurrentIndex(0);
        emit panneau->Lgs()->activated(0); // "Détection automatique"
        panneau->Check4()->click();
        banc.serveur.Repond(200, "<div class=t0>Anneau</div>");
        doubleClic(banc.fenetre.List1(), 0);
        QCOMPARE(banc.serveur.Recues.size(), 2);
        QVERIFY(banc.serveur.Recues.last().ligne.startsWith("POST /m?&sl=&tl=fr&"));
        QCOMPARE(panneau->Result()->toPlainText(), QString("Anneau"));
        capture(panneau, "-traduction");
        QTest::mouseClick(panneau->Bouton(2), Qt::LeftButton);
        QVERIFY(!panneau->isVisible());
    }

    // The panel says what it waits for, and then what went wrong; the translation shown stays
    // until then.
    void unServeurLentOuEnErreur() {
        Banc banc;
        banc.serveur.Repond(200, "<div class=t0>Lames</div>");
        PanneauTraduction *panneau = banc.ouvre();
        banc.serveur.Lent = true;
        QString etat, resultat;
        QTimer::singleShot(300, panneau, [&] {
            etat = panneau->Etat()->text();
            resultat = panneau->Result()->toPlainText();
        });
        QTest::mouseClick(panneau->Bouton(0), Qt::LeftButton);
        const QString hote = banc.serveur.Adresse().mid(7);
        QCOMPARE(etat, "Attente du service de traduction : " + hote + "…");
        QCOMPARE(resultat, QString("Lames"));
        QCOMPARE(panneau->Result()->toPlainText(), QString());
        QCOMPARE(panneau->Etat()->text(), qs(banc.modele.Msg(132)));
        // The window answered while it waited, and takes gestures again.
        banc.serveur.Lent = false;
        banc.serveur.Repond(500, "<div class=t0>erreur</div>");
        QTest::mouseClick(panneau->Bouton(0), Qt::LeftButton);
        QCOMPARE(banc.serveur.Recues.size(), 3);
        QCOMPARE(panneau->Result()->toPlainText(), QString());
        QCOMPARE(panneau->Etat()->text(),
                 QString("Le service de traduction répond par une erreur : HTTP 500"));
    }

    void unServeurJson() {
        Banc banc;
        banc.modele.Options().TradService = "json";
        banc.modele.Options().TradCle = "c1";
        banc.serveur.Repond(200, R"({"translatedText":"Lames libres\n·Tubes\n·"})");
        PanneauTraduction *panneau = banc.ouvre();
        QCOMPARE(banc.serveur.Recues.size(), 1);
        const Recue &r = banc.serveur.Recues[0];
        QCOMPARE(r.ligne, QByteArray("POST /translate HTTP/1.1"));
        QCOMPARE(r.entetes.value("content-type"), QByteArray("application/json"));
        // The body reaches the server whole, in UTF-8.
        const QJsonObject corps = QJsonDocument::fromJson(r.corps).object();
        QCOMPARE(corps.value("q").toString(), QString("Gills free & crowded\r\n·Tubes #1\r\n·"));
        QCOMPARE(panneau->Result()->toPlainText(), QString("Lames libres\n·Tubes\n·"));

        banc.serveur.Repond(400, R"({"error":"Invalid API key"})");
        QTest::mouseClick(panneau->Bouton(0), Qt::LeftButton);
        QCOMPARE(panneau->Result()->toPlainText(), QString());
        QCOMPARE(panneau->Etat()->text(),
                 QString("Le service de traduction répond par une erreur : HTTP 400, Invalid "
                         "API key"));

        // A redirection to another server is not followed: the key stays with the server it
        // was given for.
        Serveur autre;
        const QString ailleurs = autre.Adresse() + "/translate";
        banc.serveur.Repond(307, {}, "Location: " + ailleurs.toUtf8() + "\r\n");
        QTest::mouseClick(panneau->Bouton(0), Qt::LeftButton);
        QCOMPARE(autre.Recues.size(), 0);
        QCOMPARE(panneau->Etat()->text(), qs(banc.modele.Msg(235)) + " " + ailleurs);

        // An answer past 1 MiB, its length told or not, is not read on; a long translation is
        // cut. Neither holds the window up.
        QElapsedTimer chrono;
        chrono.start();
        const auto json = [](qsizetype n) {
            return "{\"translatedText\":\"" + QByteArray(n, 'a') + "\"}";
        };
        for (const bool longueur : {true, false}) {
            banc.serveur.Repond(200, json(2 * 1024 * 1024), {}, longueur);
            QTest::mouseClick(panneau->Bouton(0), Qt::LeftButton);
            QCOMPARE(panneau->Etat()->text(), qs(banc.modele.Msg(234)));
            QCOMPARE(panneau->Result()->toPlainText(), QString());
        }
        banc.serveur.Repond(200, json(900 * 1024));
        QTest::mouseClick(panneau->Bouton(0), Qt::LeftButton);
        QCOMPARE(panneau->Etat()->text(), qs(banc.modele.Msg(236)));
        QCOMPARE(panneau->Result()->toPlainText(),
                 QString(20000, 'a') + "\n[" + qs(banc.modele.Msg(236)) + "]");
        QVERIFY2(chrono.elapsed() < 5000, QByteArray::number(chrono.elapsed()));
    }

    // A translation page saved on this machine, opened in the view: the translation and the
    // original are read from it.
    void unePageEnregistree() {
        Banc banc;
        banc.serveur.Repond(200, "<div class=t0>x</div>");
        PanneauTraduction *panneau = banc.ouvre();
        const QString page = banc.dossier.filePath("page.html");
        QFile fichier(page);
        QVERIFY(fichier.open(QIODevice::WriteOnly));
        // The view loads nothing the page names: not even a picture beside it.
        QImage grande(400, 400, QImage::Format_RGB32);
        grande.fill(Qt::darkGreen);
        QVERIFY(grande.save(banc.dossier.filePath("grande.png")));
        fichier.write("<html><body><textarea id=text>Gills free</textarea><img src=grande.png>"
                      "<span id=result_box>Lames°libres·serrées</span></body></html>");
        fichier.close();
        panneau->OuvrePage(page);
        QTRY_COMPARE(panneau->Result()->toPlainText(), QString("Lames\nlibres\nserrées"));
        QVERIFY(panneau->W()->document()->size().height() < 200);
        QCOMPARE(panneau->Source()->toPlainText(), QString("Gills free"));
        QVERIFY(panneau->W()->toPlainText().contains("Gills free"));
        QTRY_VERIFY(!banc.app->Traducteur().timer1.Enabled);
    }
};

QTEST_MAIN(TraductionTest)
#include "panneau_traduction_test.moc"
