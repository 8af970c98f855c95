// The real main window, driven as a user would: the bundled key walked by double clicks down to a
// species and back, the history and the sections as the widgets show them, the enlarged views,
// the comparison window that takes the main window's place, the transient message, the list of
// opened keys, and compiler diagnostics reaching the window's dialogs.
//
// LAMELIX_CAPTURE names a PNG file that receives the window after the first choice; the same name
// with "-espece" and "-form1" receives the window once a species is reached and the comparison.

#include "consult/lamelix.hpp"
#include "tests/services_factices.hpp"
#include "tests/ui/gestes.hpp"
#include "ui/bandeau_flash.hpp"
#include "ui/conversions.hpp"
#include "ui/fenetre_form1.hpp"
#include "ui/fenetre_principale.hpp"
#include "ui/suivi_controles.hpp"

#include <functional>
#include <memory>
#include <stdexcept>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

using namespace lamelix;
using namespace lamelix::test;

namespace {

// A window on its own model, with services that record every dialog.
struct Banc {
    explicit Banc(
        std::unique_ptr<test::ServicesFactices> s = std::make_unique<test::ServicesFactices>())
        : services(std::move(s)), app(std::make_unique<Application>(*services)),
          modele(app->Principale()), fenetre(*app) {
        // The program starts on an empty data folder of its own: no default key, a fresh
        // settings file.
        modele.RepProgramme = dossier.path().toStdString();
        fenetre.Demarre();
    }

    // Shows the window active, as the user sees it, on the bundled key.
    bool ouvre() {
        fenetre.show();
        fenetre.activateWindow();
        if (!QTest::qWaitForWindowActive(&fenetre)) return false;
        fenetre.Active();
        QApplication::processEvents();
        services->Journal.clear(); // the settings file was created
        fenetre.ChargeCle(LAMELIX_CLES "/defaut.cle");
        return fenetre.List1()->count() >= 2;
    }

    QTemporaryDir dossier;
    std::unique_ptr<test::ServicesFactices> services;
    std::unique_ptr<Application> app;
    Lamelix &modele;
    FenetrePrincipale fenetre;
};

QStringList lignes(const QListWidget *liste) {
    QStringList textes;
    for (int i = 0; i < liste->count(); ++i)
        textes << liste->item(i)->text();
    return textes;
}

// Follows the proposition that `choix` names at each step until a species is reached.
bool descend(Banc &banc, const std::function<int(int pas)> &choix) {
    QListWidget *liste = banc.fenetre.List1();
    for (int pas = 0; banc.fenetre.Text2()->text().isEmpty() && pas < 100; ++pas) {
        if (liste->count() == 0) return false;
        doubleClic(liste, std::min(choix(pas), liste->count() - 1));
    }
    return !banc.fenetre.Text2()->text().isEmpty();
}

bool contientDuRouge(QWidget *widget) {
    const QImage image = widget->grab().toImage();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() > 180 && c.green() < 90 && c.blue() < 90) return true;
        }
    return false;
}

QString statut(const FenetrePrincipale &fenetre) {
    return fenetre.findChild<QLabel *>("StatusBar1")->text();
}

// A system that cannot beep: its failure must stop at the window, not in Qt's event loop.
class ServicesSansBip : public test::ServicesFactices {
  public:
    void Bip() override { throw std::runtime_error("pas de haut-parleur"); }
};

} // namespace

class FenetreTest : public QObject {
    Q_OBJECT

  private slots:
    // Every window shares one tracker: a display runs at the first refresh, then only when one
    // of its controls has changed, and not for a change the widget itself made.
    void unSeulSuiviPourToutesLesFenetres() {
        SuiviControles suivi;
        TextBox texte;
        Label libelle;
        int montreTexte = 0, montreLesDeux = 0;
        suivi.Lie({&texte}, [&] { ++montreTexte; });
        suivi.Lie({&texte, &libelle}, [&] { ++montreLesDeux; });
        suivi.Rafraichit();
        suivi.Rafraichit();
        QCOMPARE(montreTexte, 1);
        QCOMPARE(montreLesDeux, 1);
        libelle.SetCaption("nouveau");
        suivi.Rafraichit();
        QCOMPARE(montreTexte, 1);
        QCOMPARE(montreLesDeux, 2);
        texte.SetText("tapé par l'utilisateur");
        suivi.DejaVu(texte);
        suivi.Rafraichit();
        QCOMPARE(montreTexte, 1);
        QCOMPARE(montreLesDeux, 2);
        texte.Append(" puis changé par le programme");
        suivi.Rafraichit();
        QCOMPARE(montreTexte, 2);
        QCOMPARE(montreLesDeux, 3);
    }

    void conversionsDesValeursDuModele() {
        QCOMPARE(CouleurQt(CouleurRouge), QColor(255, 0, 0));
        QCOMPARE(CouleurQt(CouleurVert), QColor(0, 255, 0));
        QCOMPARE(CouleurQt(CouleurBleu), QColor(0, 0, 255));
        QCOMPARE(CouleurQt(0x123456), QColor(0x56, 0x34, 0x12));
        QCOMPARE(TexteQt("a\r\nb\rc\n"), QString("a\nb\nc\n"));
        QCOMPARE(TexteQt("Lactarius (lactaires) \xC2\xB0"), QString("Lactarius (lactaires) °"));
    }

    void parcoursJusquaUneEspece() {
        Banc banc;
        FenetrePrincipale &fenetre = banc.fenetre;
        QVERIFY(banc.ouvre());

        QVERIFY(banc.services->Journal.empty());
        QCOMPARE(fenetre.windowTitle(),
                 QString::fromStdString("Lamelix 2.06 " + banc.app->Prog().Cle.TitreCle));
        QListWidget *liste = fenetre.List1();
        QCOMPARE(liste->count(), banc.modele.List1.ListCount());
        QCOMPARE(liste->item(0)->text(),
                 QString::fromStdString(banc.modele.List1.Items[0].Texte).trimmed());
        QVERIFY(fenetre.Text1()->toPlainText().isEmpty());

        // The first proposition, then always the second: the path must end at a species, and
        // each step is written in the history box, with real line breaks.
        int16_t entite = banc.modele.EntiteCourante;
        for (int pas = 0; fenetre.Text2()->text().isEmpty() && pas < 100; ++pas) {
            QVERIFY(liste->count() > 0);
            const int ligne = pas > 0 && liste->count() > 1 ? 1 : 0;
            const QString choisie = liste->item(ligne)->text();
            doubleClic(liste, ligne);
            QVERIFY(banc.modele.EntiteCourante != entite); // one double click, one step
            entite = banc.modele.EntiteCourante;
            const QString historique = fenetre.Text1()->toPlainText();
            QVERIFY2(historique.contains(choisie), qPrintable(historique));
            QVERIFY(!historique.contains('\r'));
            QCOMPARE(historique, TexteQt(banc.modele.Text1.Text));
            if (pas == 0) capture(&fenetre, "");
        }
        QCOMPARE(fenetre.Text2()->text(), QString::fromStdString(banc.modele.Text2.Text).trimmed());
        QVERIFY(!fenetre.Text2()->text().isEmpty());
        QCOMPARE(liste->count(), 0);
        capture(&fenetre, "-espece");
    }

    void retourArriereEtRemiseAZero() {
        Banc banc;
        QVERIFY(banc.ouvre());
        FenetrePrincipale &fenetre = banc.fenetre;
        QListWidget *liste = fenetre.List1();
        const QStringList debut = lignes(liste);

        doubleClic(liste, 0);
        const QStringList apresUn = lignes(liste);
        QVERIFY(apresUn != debut);
        doubleClic(liste, 1);
        QVERIFY(lignes(liste) != apresUn);
        QCOMPARE(fenetre.Text1()->toPlainText().count('\n'), 2);

        // "<==" gives back the propositions of the step before, and the history loses a line.
        QCOMPARE(fenetre.Bouton(0)->text(), QString("<=="));
        QTest::mouseClick(fenetre.Bouton(0), Qt::LeftButton);
        QCOMPARE(lignes(liste), apresUn);
        QCOMPARE(fenetre.Text1()->toPlainText().count('\n'), 1);
        QTest::mouseClick(fenetre.Bouton(0), Qt::LeftButton);
        QCOMPARE(lignes(liste), debut);
        QVERIFY(fenetre.Text1()->toPlainText().isEmpty());

        // "RAZ" from a species goes back to the first propositions and forgets the species.
        QVERIFY(descend(banc, [](int) { return 0; }));
        QTest::mouseClick(fenetre.Bouton(1), Qt::LeftButton);
        QCOMPARE(lignes(liste), debut);
        QVERIFY(fenetre.Text2()->text().isEmpty());
        QVERIFY(fenetre.Text1()->toPlainText().isEmpty());
        QCOMPARE(fenetre.List2()->count(), banc.modele.List2.ListCount());
    }

    void choixDUnNomDansLaListe() {
        Banc banc;
        QVERIFY(banc.ouvre());
        FenetrePrincipale &fenetre = banc.fenetre;
        QListWidget *noms = fenetre.List2();
        QVERIFY(noms->count() > 3);

        // A click on a name shows that species and the path that leads to it.
        const QString nom = noms->item(3)->text();
        clic(noms, 3);
        QCOMPARE(banc.modele.List2.ListIndex, 3);
        QCOMPARE(fenetre.Text2()->text(), nom);
        QVERIFY(!fenetre.Text1()->toPlainText().isEmpty());
        QCOMPARE(fenetre.List1()->count(), 0);

        // Back from there: the propositions of the entity where that species is chosen.
        QTest::mouseClick(fenetre.Bouton(0), Qt::LeftButton);
        QVERIFY(fenetre.List1()->count() > 0);
        QVERIFY(fenetre.Text2()->text().isEmpty());
    }

    void vuesAgrandies() {
        Banc banc;
        QVERIFY(banc.ouvre());
        FenetrePrincipale &fenetre = banc.fenetre;
        ListeControle *liste = fenetre.List1();
        QPlainTextEdit *zoom = liste->Vue();

        // Left click selects; the right button enlarges the selected line and selects nothing.
        clic(liste, 1);
        QTest::mousePress(liste->viewport(), Qt::RightButton, {}, centre(liste, 0));
        QTest::mouseRelease(liste->viewport(), Qt::RightButton, {}, centre(liste, 0));
        QVERIFY(zoom->isVisible());
        QCOMPARE(zoom->toPlainText(), liste->item(1)->text());
        QCOMPARE(liste->currentRow(), 1);
        QCOMPARE(banc.modele.List1.ListIndex, 1);
        QVERIFY(zoom->font().pointSize() > liste->font().pointSize());
        QVERIFY(!statut(fenetre).isEmpty());

        // Esc in the view closes it; so does a left click back in the list.
        QTest::keyClick(zoom, Qt::Key_Escape);
        QVERIFY(!zoom->isVisible());
        QVERIFY(!banc.modele.zoomDesc.Visible);
        QTest::mousePress(liste->viewport(), Qt::RightButton, {}, centre(liste, 0));
        QVERIFY(zoom->isVisible());
        clic(liste, 0);
        QVERIFY(!zoom->isVisible());

        // The names have their own view, gone when the button is released.
        ListeControle *noms = fenetre.List2();
        clic(noms, 2);
        QTest::mousePress(noms->viewport(), Qt::RightButton, {}, centre(noms, 2));
        QVERIFY(noms->Vue()->isVisible());
        QCOMPARE(noms->Vue()->toPlainText(), noms->item(2)->text());
        QTest::mouseRelease(noms->viewport(), Qt::RightButton, {}, centre(noms, 2));
        QVERIFY(!noms->Vue()->isVisible());
    }

    void optionsDAffichage() {
        Banc banc;
        QVERIFY(banc.ouvre());
        FenetrePrincipale &fenetre = banc.fenetre;
        doubleClic(fenetre.List1(), 0);
        doubleClic(fenetre.List1(), 0);

        // Sections: their box shows only while the option is on, with the titles of the path.
        auto *sections = fenetre.findChild<QCheckBox *>("check_Option_0");
        auto *cadre = fenetre.findChild<QGroupBox *>("CadreSections");
        QVERIFY(!cadre->isVisible());
        sections->click();
        QCOMPARE(banc.modele.check_Option[0].Value, 1);
        QVERIFY(cadre->isVisible());
        QVERIFY(!fenetre.Text5()->toPlainText().isEmpty());
        QCOMPARE(fenetre.Text5()->toPlainText(), TexteQt(banc.modele.Text5.Text));
        sections->click();
        QVERIFY(!cadre->isVisible());

        // The prefix is a checked menu item; the next redisplay puts it before every step.
        auto *prefixe = fenetre.findChild<QAction *>("Mnuprefx_0");
        QCOMPARE(prefixe->text(), QString("&Préfixe"));
        prefixe->trigger();
        QVERIFY(banc.modele.Mnuprefx[0].Checked);
        QVERIFY(prefixe->isChecked());
        fenetre.findChild<QCheckBox *>("Check_saut_ligne")->click();
        QCOMPARE(banc.modele.Check_saut_ligne.Value, 1);
        const QStringList etapes = fenetre.Text1()->toPlainText().split('\n', Qt::SkipEmptyParts);
        QVERIFY(etapes.size() >= 2);
        QVERIFY2(etapes.front().startsWith(QString::fromUtf8("\u00B0")),
                 qPrintable(etapes.front()));

        // The history box takes the model's colour: red for a broken path, black otherwise.
        QVERIFY(!contientDuRouge(fenetre.Text1()));
        banc.modele.Text1.SetForeColor(CouleurRouge);
        fenetre.Rafraichit();
        QVERIFY(contientDuRouge(fenetre.Text1()));
    }

    void boutonsDeConsultation() {
        Banc banc;
        QVERIFY(banc.ouvre());
        FenetrePrincipale &fenetre = banc.fenetre;
        for (int i = 1; i <= 3; ++i)
            QVERIFY(fenetre.Command4(i) == nullptr);
        for (int i : {0, 4, 5, 6, 7, 8, 9})
            QCOMPARE(fenetre.Command4(i)->text(),
                     QString::fromStdString(banc.modele.Command4[i].Caption).simplified());
        QCOMPARE(fenetre.Command4(Cmd4CopieListe)->text(), QString("copie liste"));
        QVERIFY(!fenetre.Command4(Cmd4Reprise)->isVisible());

        // "Comparer" turns the comparison buttons over, "Reprise" included.
        fenetre.findChild<QCheckBox *>("Check_Compare")->click();
        QVERIFY(!fenetre.Command4(Cmd4LM1)->isVisible());
        QVERIFY(!fenetre.Command4(Cmd4Compare)->isVisible());
        QVERIFY(fenetre.Command4(Cmd4Reprise)->isVisible());
        fenetre.findChild<QCheckBox *>("Check_Compare")->click();
        QVERIFY(fenetre.Command4(Cmd4LM1)->isVisible());

        // "Section" lists the titles; "Liste" all the species again; the copy reaches the
        // clipboard with Windows line ends.
        const int especes = fenetre.List2()->count();
        QTest::mouseClick(fenetre.Command4(Cmd4Section), Qt::LeftButton);
        QVERIFY(fenetre.List2()->count() > 0);
        QVERIFY(fenetre.List2()->count() != especes);
        QTest::mouseClick(fenetre.Command4(Cmd4Liste), Qt::LeftButton);
        QCOMPARE(fenetre.List2()->count(), especes);
        QTest::mouseClick(fenetre.Command4(Cmd4CopieListe), Qt::LeftButton);
        QVERIFY(QString::fromStdString(banc.services->PressePapier)
                    .startsWith(fenetre.List2()->item(0)->text() + "\r\n"));
    }

    void comparaisonDansForm1() {
        Banc banc;
        QVERIFY(banc.ouvre());
        FenetrePrincipale &fenetre = banc.fenetre;

        QVERIFY(descend(banc, [](int) { return 0; }));
        const QString premier = fenetre.Text2()->text();
        QTest::mouseClick(fenetre.Command4(Cmd4LM1), Qt::LeftButton);
        // The notice comes and goes by itself, without a click.
        QVERIFY(fenetre.Flash()->isVisible());
        QVERIFY(fenetre.Flash()->text().startsWith(premier));

        QTest::mouseClick(fenetre.Bouton(1), Qt::LeftButton);
        QVERIFY(descend(banc, [](int pas) { return pas == 0 ? 0 : 1; }));
        const QString second = fenetre.Text2()->text();
        QVERIFY(second != premier);
        QTest::mouseClick(fenetre.Command4(Cmd4LM2), Qt::LeftButton);

        // The comparison takes the place of the main window until it is closed.
        QTest::mouseClick(fenetre.Command4(Cmd4Compare), Qt::LeftButton);
        FenetreForm1 *form1 = fenetre.Form1();
        QVERIFY(form1->isVisible());
        QVERIFY(!fenetre.isVisible());
        QVERIFY(!banc.modele.Moi.Visible);
        const QString texte = form1->Texte()->toPlainText();
        QVERIFY2(texte.startsWith(premier + "   vs    " + second + "\n\n"), qPrintable(texte));
        QVERIFY(texte.contains(
            TexteQt(banc.app->Prog().Cle.TabLignes(banc.modele.Hist(1)).Description)));
        capture(form1, "-form1");

        form1->close();
        QVERIFY(!form1->isVisible());
        QVERIFY(fenetre.isVisible());
        QVERIFY(banc.modele.Moi.Visible);
        QVERIFY(!banc.app->Biblio().Moi.Visible);
        QTRY_VERIFY_WITH_TIMEOUT(!fenetre.Flash()->isVisible(), BandeauFlash::DureeMs + 2000);
        QVERIFY(!banc.modele.FraFlash.Visible);
    }

    void messageFlashPassager() {
        Banc banc;
        QVERIFY(banc.ouvre());
        BandeauFlash *bandeau = banc.fenetre.Flash();
        flash(banc.modele, "fichier  absent.pdf non trouvé", CouleurVert);
        banc.fenetre.Rafraichit();
        QVERIFY(bandeau->isVisible());
        QCOMPARE(bandeau->text(), QString("fichier  absent.pdf non trouvé"));

        // It lets the clicks through to the window under it while it shows.
        doubleClic(banc.fenetre.List1(), 0);
        QVERIFY(banc.modele.NbEtapes == 1);
        QTest::qWait(BandeauFlash::DureeMs / 2);
        QVERIFY(bandeau->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(!bandeau->isVisible(), BandeauFlash::DureeMs + 2000);
        QVERIFY(!banc.modele.FraFlash.Visible);
    }

    void clesOuvertes() {
        Banc banc;
        QVERIFY(banc.ouvre());
        FenetrePrincipale &fenetre = banc.fenetre;
        const QString chemin = LAMELIX_CLES "/defaut.cle";
        fenetre.OuvreCle(chemin);
        fenetre.OuvreCle(LAMELIX_CLES "/../cles/defaut.cle"); // the same key, another spelling
        QCOMPARE(QString::fromStdString(banc.modele.NomFichierCle), QString("defaut.cle"));
        QCOMPARE(QString::fromStdString(banc.modele.RepData), QString(LAMELIX_CLES));
        QVERIFY(fenetre.List1()->count() >= 2);
        QCOMPARE(fenetre.List3()->count(), 1);
        QCOMPARE(fenetre.List3()->item(0)->text(), chemin);

        // The panel shows from the menu; a plain click names the key in the status bar, and
        // Shift with a click takes it off the list.
        auto *cadre = fenetre.findChild<QGroupBox *>("Frame11");
        QVERIFY(!cadre->isVisible());
        fenetre.Action("mnuFileItem_1")->trigger();
        QVERIFY(cadre->isVisible());
        QVERIFY(fenetre.List3()->hasFocus());
        clic(fenetre.List3(), 0);
        QCOMPARE(statut(fenetre), chemin);
        clic(fenetre.List3(), 0, Qt::ShiftModifier);
        QCOMPARE(fenetre.List3()->count(), 0);

        // Leaving the list puts the panel away.
        fenetre.List1()->setFocus(Qt::TabFocusReason);
        QVERIFY(!cadre->isVisible());
    }

    void uneErreurSArreteALaFenetre() {
        Banc banc(std::make_unique<ServicesSansBip>());
        QVERIFY(banc.ouvre());
        FenetrePrincipale &fenetre = banc.fenetre;
        QVERIFY(descend(banc, [](int) { return 0; }));
        QTest::mouseClick(fenetre.Command4(Cmd4LM1), Qt::LeftButton);
        QVERIFY2(fenetre.statusBar()->currentMessage().contains("pas de haut-parleur"),
                 qPrintable(fenetre.statusBar()->currentMessage()));
        // The window goes on answering.
        QTest::mouseClick(fenetre.Bouton(1), Qt::LeftButton);
        QVERIFY(fenetre.List1()->count() >= 2);
        doubleClic(fenetre.List1(), 0);
        QCOMPARE(banc.modele.NbEtapes, int16_t{1});
    }

    void diagnosticsVersLesDialogues() {
        Banc banc;
        banc.fenetre.ChargeCle(LAMELIX_CLES "/erreur-syntaxe.cle");
        const auto &journal = banc.services->Journal;
        QVERIFY(!journal.empty());
        QVERIFY(journal.front().rfind("message:  syntaxe incorrecte ligne ", 0) == 0);
        QVERIFY(!banc.services->PressePapier.empty());
        // A stopped compilation leaves no half-compiled key on screen.
        QCOMPARE(banc.fenetre.List1()->count(), 0);
    }
};

QTEST_MAIN(FenetreTest)
#include "fenetre_test.moc"
