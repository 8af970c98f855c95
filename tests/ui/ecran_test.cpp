// The main window on small and large screens with each of its panels open, its widgets as a
// screen reader names them, and the walk with the keyboard alone.
//
// LAMELIX_CAPTURE names a PNG file that receives the window with each panel open, at each screen
// size and in each language ("-panneau-<panneau>-<ecran>-<langue>").

#include "consult/lamelix.hpp"
#include "tests/ui/banc_fenetre.hpp"
#include "ui/fenetre_form1.hpp"
#include "ui/fenetre_outils.hpp"
#include "ui/libelle_elide.hpp"
#include "ui/panneau_mots_cles.hpp"
#include "ui/panneau_plan.hpp"
#include "ui/panneau_traduction.hpp"
#include "ui/panneaux.hpp"

#include <algorithm>
#include <functional>
#include <string_view>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextEdit>

using namespace lamelix;
using namespace lamelix::test;

namespace {

using Banc = BancFenetre<>;

struct PanneauOuvert {
    const char *nom;
    std::function<void(FenetrePrincipale &)> ouvre;
};

const PanneauOuvert Panneaux_[] = {
    {"aucun", [](FenetrePrincipale &) {}},
    {"mots-cles", [](FenetrePrincipale &f) { QTest::mouseClick(f.MotCle(), Qt::LeftButton); }},
    {"plan", [](FenetrePrincipale &f) { f.Action("mnuPlan")->trigger(); }},
    {"cles-ouvertes", [](FenetrePrincipale &f) { f.Action("mnuFileItem_1")->trigger(); }},
};

// The height of a proposition of one line, as the list draws it.
int hauteurUneLigne(QListWidget *liste) {
    liste->addItem("x");
    const int hauteur = liste->sizeHintForRow(liste->count() - 1) + 2 * liste->spacing();
    delete liste->takeItem(liste->count() - 1);
    return hauteur;
}

// What a screen reader says a widget is.
QString nomAccessible(QWidget *w) {
    QAccessibleInterface *interface = QAccessible::queryAccessibleInterface(w);
    return interface ? interface->text(QAccessible::Name) : QString();
}

bool aUneLettre(const QString &texte) {
    return std::any_of(texte.begin(), texte.end(), [](QChar c) { return c.isLetter(); });
}

} // namespace

class EcranTest : public QObject {
    Q_OBJECT

  private slots:
    // On a screen of 800 x 600 and of 1600 x 900, in French and in English, with each panel open
    // in turn: the window lies within the screen, nothing scrolls sideways, the names column is
    // whole and the propositions have room for five rows; with no panel, every control and its
    // caption is whole. The window opens inside the free area of its screen, frame included, as
    // tall as it and at most 1320 pixels wide. Each screen runs in a process of its own.
    void chaquePanneauTientDansLEcran() {
        // With a 37-pixel title bar, on a screen with a top panel of 27 pixels.
        const QRect bureau(0, 27, 1366, 741);
        const QMargins barre(1, 37, 1, 1);
        const QRect place = GeometrieFenetre(bureau, barre, QSize(1320, 100000));
        QVERIFY(bureau.contains(place.marginsAdded(barre)));
        QCOMPARE(place.size(), QSize(1320, 741 - 38));

        const QString taille = qEnvironmentVariable("LAMELIX_ECRAN");
        if (taille.isEmpty()) {
            for (const char *ecran : {"800x600", "1600x900"}) {
                const QString faute = SurEcran(ecran, "chaquePanneauTientDansLEcran");
                QVERIFY2(faute.isEmpty(), qPrintable(faute));
            }
            return;
        }
        {
            Banc banc(false);
            FenetrePrincipale &fenetre = banc.fenetre;
            const QRect libre = fenetre.screen()->availableGeometry();
            QCOMPARE(QString("%1x%2").arg(libre.width()).arg(libre.height()), taille);
            QVERIFY(fenetre.minimumSizeHint().width() <= 800 - 12);
            QVERIFY(fenetre.minimumSizeHint().height() <= 600 - 44);
            // Before it shows, with the frame a window manager usually draws; once on screen,
            // with the platform's own frame.
            QVERIFY(libre.contains(fenetre.geometry().marginsAdded(CadreEstime())));
            QVERIFY(banc.Ouvre());
            const QRect cadre = fenetre.frameGeometry();
            QCOMPARE(cadre.height(), libre.height());
            QCOMPARE(cadre.width(),
                     std::min(libre.width(), 1320 + cadre.width() - fenetre.width()));
        }
        QStringList fautes; // every case is tried: the faults are told together
        for (const char *langue : {"MnLang_1", "MnLang_5"})
            for (const PanneauOuvert &panneau : Panneaux_) {
                Banc banc(false);
                QVERIFY(banc.Anglais());
                FenetrePrincipale &fenetre = banc.fenetre;
                QVERIFY(banc.Ouvre());
                fenetre.OuvreCle(LAMELIX_CLES "/defaut.cle"); // a long path in the opened keys
                fenetre.Action(langue)->trigger();
                doubleClic(fenetre.List1(), 0);
                panneau.ouvre(fenetre);
                QTest::qWait(50);
                capture(&fenetre,
                        qPrintable(QString("-panneau-%1-%2-%3").arg(panneau.nom, taille, langue)));
                const auto verifie = [&](bool bon, const QString &quoi) {
                    if (!bon)
                        fautes << QString("%1 %2 %3: %4").arg(taille, langue, panneau.nom, quoi);
                };
                verifie(fenetre.screen()->availableGeometry().contains(fenetre.frameGeometry()),
                        "outside the screen");
                verifie(!fenetre.Defilement()->horizontalScrollBar()->isVisible() &&
                            !fenetre.Defilement()->verticalScrollBar()->isVisible(),
                        "scrolls");
                const QWidget *vue = fenetre.Defilement()->viewport();
                for (QWidget *noms : {static_cast<QWidget *>(fenetre.List2()),
                                      static_cast<QWidget *>(fenetre.Command4(Cmd4CopieListe))}) {
                    const QRect zone(noms->mapTo(vue, QPoint(0, 0)), noms->size());
                    verifie(noms->isVisible() && vue->rect().contains(zone),
                            noms->objectName() + " hidden");
                }
                ListeControle *propositions = fenetre.List1();
                const int rangs =
                    propositions->viewport()->height() / hauteurUneLigne(propositions);
                verifie(rangs >= 5, QString("%1 rows").arg(rangs));
                if (std::string_view(panneau.nom) != "aucun") continue;
                for (QWidget *w : fenetre.findChildren<QWidget *>()) {
                    if (w->window() != &fenetre || !w->isVisible() || !vue->isAncestorOf(w))
                        continue;
                    auto *b = qobject_cast<QAbstractButton *>(w);
                    if (!b && !qobject_cast<QAbstractItemView *>(w) &&
                        !qobject_cast<QTextEdit *>(w) && !qobject_cast<BoiteEspece *>(w))
                        continue;
                    const QRect zone(w->mapTo(vue, QPoint(0, 0)), w->size());
                    verifie(vue->rect().contains(zone), w->objectName() + " cut");
                    verifie(!b || b->width() >=
                                      std::min(b->minimumSizeHint().width(),
                                               b->fontMetrics().horizontalAdvance(b->text())),
                            w->objectName() + " caption cut");
                }
            }
        QVERIFY2(fautes.isEmpty(), qPrintable(fautes.join('\n')));
    }

    // In English, with every window and panel made: each widget the keyboard reaches has a name
    // with words that a screen reader says (a caption such as "<==" is no name).
    void chaqueControleANom() {
        Banc banc(false);
        QVERIFY(banc.Anglais());
        QVERIFY(banc.Ouvre());
        FenetrePrincipale &fenetre = banc.fenetre;
        fenetre.Action("MnLang_5")->trigger();
        fenetre.Action("MnuOptFic_xy_0")->trigger(); // the task panels
        QTest::mouseClick(fenetre.MotCle(), Qt::LeftButton);
        fenetre.Action("mnuPlan")->trigger();
        fenetre.Action("MnOutil_10")->trigger(); // the tools window
        banc.modele.Frame14.SetVisible(true);    // the translation panel
        banc.app->Biblio().Moi.SetVisible(true); // the comparison window
        fenetre.Rafraichit();
        QVERIFY(fenetre.Panneaux_() && fenetre.Frame6() && fenetre.FramePlan() &&
                fenetre.Outils_() && fenetre.Frame14() && fenetre.Form1());
        QStringList sansNom;
        for (QWidget *fenetreVue : std::initializer_list<QWidget *>{
                 &fenetre, fenetre.Outils_(), fenetre.Frame14(), fenetre.Form1()})
            for (QWidget *w : fenetreVue->findChildren<QWidget *>()) {
                if (w->focusPolicy() == Qt::NoFocus || w->objectName().startsWith("qt_") ||
                    w->window()->windowType() == Qt::Popup) // a list box's drop-down
                    continue;
                if (!aUneLettre(nomAccessible(w)))
                    sansNom << QString("%1 (%2)").arg(w->objectName(),
                                                      w->metaObject()->className());
            }
        QVERIFY2(sansNom.isEmpty(), qPrintable(sansNom.join(", ")));
        QCOMPARE(nomAccessible(fenetre.List1()), QString("Choices"));
        QCOMPARE(nomAccessible(fenetre.Bouton(0)),
                 QString::fromStdString(banc.modele.Libelles.BulleRetour));
    }

    // The walk with the keyboard alone: Enter follows the selected proposition, Backspace steps
    // back, the species box names the species reached, Esc closes the open panel; a long
    // message on the status bar gives way in its middle and is whole in its tooltip.
    void parcoursAuClavier() {
        Banc banc;
        FenetrePrincipale &fenetre = banc.fenetre;
        ListeControle *propositions = fenetre.List1();
        QVERIFY(propositions->hasFocus());
        QTest::keyClick(propositions, Qt::Key_Down);
        QTest::keyClick(propositions, Qt::Key_Return);
        QCOMPARE(banc.modele.Parcours.NbEtapes, int16_t{1});
        QTest::keyClick(propositions, Qt::Key_Backspace);
        QCOMPARE(banc.modele.Parcours.NbEtapes, int16_t{0});
        for (int pas = 0; fenetre.Text2()->text().isEmpty() && pas < 50; ++pas) {
            propositions->setCurrentRow(0);
            QTest::keyClick(propositions, Qt::Key_Return);
        }
        const QString espece = fenetre.Text2()->text();
        QVERIFY(!espece.isEmpty());
        QVERIFY(nomAccessible(fenetre.Text2()).endsWith(espece));

        // Each panel open, then closed by Esc where the keyboard is.
        for (const PanneauOuvert &panneau : Panneaux_) {
            panneau.ouvre(fenetre);
            QWidget *clavier = QApplication::focusWidget();
            QVERIFY2(clavier != nullptr, panneau.nom);
            QTest::keyClick(clavier, Qt::Key_Escape);
            QVERIFY2(!banc.modele.Frame6.Visible && !banc.app->Plan().Cadre.Visible &&
                         !banc.modele.Frame11.Visible,
                     panneau.nom);
        }

        QLabel *statut = fenetre.findChild<QLabel *>("StatusBar1");
        QVERIFY(dynamic_cast<LibelleElide *>(statut) != nullptr);
        const QString long_ = QString("début ") + QString(300, 'x') + " fin.cle";
        banc.modele.StatusBar1.SetCaption(long_.toStdString());
        fenetre.Rafraichit();
        QCOMPARE(statut->toolTip(), long_);
    }
};

QTEST_MAIN(EcranTest)
#include "ecran_test.moc"
