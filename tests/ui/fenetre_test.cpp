// The real main window, driven as a user would: the bundled key walked by double clicks down to a
// species and back, the history and the sections as the widgets show them, the enlarged views,
// the comparison window that takes the main window's place, the transient message, the list of
// opened keys, the layout on small screens and the captions in another language: what the skin
// adds to the models, whose logic the core tests check.
//
// LAMELIX_CAPTURE names a PNG file that receives the window after the first choice; the same name
// with "-espece" and "-form1" receives the window once a species is reached and the comparison.

#include "consult/lamelix.hpp"
#include "platform/nom_programme.hpp"
#include "platform/piege.hpp"
#include "search/recherche_mot_cle.hpp"
#include "tests/ui/banc_fenetre.hpp"
#include "ui/bandeau_flash.hpp"
#include "ui/conversions.hpp"
#include "ui/fenetre_aide.hpp"
#include "ui/fenetre_form1.hpp"
#include "ui/fenetre_outils.hpp"
#include "ui/panneaux.hpp"
#include "ui/suivi_controles.hpp"
#include "ui/traduction_qt.hpp"

#include <algorithm>
#include <initializer_list>
#include <stdexcept>
#include <utility>

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLibraryInfo>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPalette>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSet>
#include <QStatusBar>
#include <QTextBrowser>
#include <QTextDocumentFragment>
#include <QTextEdit>

using namespace lamelix;
using namespace lamelix::test;

namespace {

using Banc = BancFenetre<>;

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

// A text as the user reads it, line by line: without shortcut marks, markup or extra blanks.
QStringList lignesDe(QString texte) {
    if (Qt::mightBeRichText(texte)) texte = QTextDocumentFragment::fromHtml(texte).toPlainText();
    texte.remove(QRegularExpression("&(?!&)"));
    QStringList lignes;
    for (const QString &ligne : texte.split('\n')) {
        const QString propre = ligne.simplified();
        if (!propre.isEmpty()) lignes << propre;
    }
    return lignes;
}

void ajouteMenu(QSet<QString> &textes, const QList<QAction *> &actions) {
    for (QAction *action : actions) {
        for (const QString &ligne : lignesDe(action->text()))
            textes << ligne;
        if (action->menu()) ajouteMenu(textes, action->menu()->actions());
    }
}

// Every caption a user can see on the main window, its menus, its panels, the comparison, tools
// and help windows (titles, buttons and their menus, boxes, labels, tooltips, what empty boxes
// say, the entries of drop-down lists, the help page's title), but the key's own texts (the
// title, the comment, the lists' lines) and the reports.
QSet<QString> textesAffiches(FenetrePrincipale &fenetre) {
    QSet<QString> textes;
    ajouteMenu(textes, fenetre.menuBar()->actions());
    QList<QWidget *> widgets = fenetre.findChildren<QWidget *>();
    for (QWidget *annexe : std::initializer_list<QWidget *>{fenetre.Form1(), fenetre.Outils_(),
                                                            FenetreAide::Instance()})
        if (annexe) widgets << annexe << annexe->findChildren<QWidget *>();
    for (QWidget *w : widgets) {
        const QString nom = w->objectName();
        if (nom == "Label6" || nom == "Label1" || nom == "Label14") continue;
        QStringList vus{w->toolTip()};
        if (w->isWindow()) vus << w->windowTitle();
        if (auto *b = qobject_cast<QAbstractButton *>(w)) vus << b->text();
        if (auto *b = qobject_cast<QPushButton *>(w); b && b->menu())
            ajouteMenu(textes, b->menu()->actions());
        if (auto *g = qobject_cast<QGroupBox *>(w)) vus << g->title();
        if (auto *l = qobject_cast<QLabel *>(w)) vus << l->text();
        if (auto *t = qobject_cast<QTextEdit *>(w)) vus << t->placeholderText();
        if (auto *t = qobject_cast<QPlainTextEdit *>(w)) vus << t->placeholderText();
        if (auto *l = qobject_cast<ListeControle *>(w)) vus << l->TexteVide();
        if (auto *b = qobject_cast<BoiteEspece *>(w)) vus << b->TexteVide();
        if (auto *c = qobject_cast<QComboBox *>(w))
            for (int i = 0; i < c->count(); ++i)
                vus << c->itemText(i);
        if (auto *t = qobject_cast<QTextBrowser *>(w)) vus << t->documentTitle();
        for (const QString &vu : vus)
            for (const QString &ligne : lignesDe(vu))
                textes << ligne;
    }
    return textes;
}
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
        const auto apres = [&](const std::function<void()> &change) {
            change();
            suivi.Rafraichit();
            return QPoint(montreTexte, montreLesDeux);
        };
        QCOMPARE(apres([] {}), QPoint(1, 1));
        QCOMPARE(apres([] {}), QPoint(1, 1));
        QCOMPARE(apres([&] { libelle.SetCaption("nouveau"); }), QPoint(1, 2));
        QCOMPARE(apres([&] {
                     texte.SetText("tapé par l'utilisateur");
                     suivi.DejaVu(texte);
                 }),
                 QPoint(1, 2));
        QCOMPARE(apres([&] { texte.Append(" puis changé par le programme"); }), QPoint(2, 3));
    }

    // Double clicks reach the handler, one step each; the lists and the history box show the
    // model (real line breaks); "<==", "RAZ" and a click on a name reach theirs.
    void parcoursEtBoutons() {
        Banc banc;
        FenetrePrincipale &fenetre = banc.fenetre;
        QVERIFY(banc.services.Journal.empty());
        QCOMPARE(fenetre.windowTitle(),
                 QString::fromStdString("Lamelix 2.06 " + banc.app->Prog().Cle.TitreCle));
        QListWidget *liste = fenetre.List1();
        const QStringList debut = lignes(liste);
        for (int pas = 0; fenetre.Text2()->text().isEmpty() && pas < 100; ++pas) {
            QVERIFY(liste->count() > 0);
            QCOMPARE(lignes(liste).size(), banc.modele.List1.ListCount());
            QCOMPARE(liste->item(0)->text(),
                     QString::fromStdString(banc.modele.List1.Items[0].Texte).trimmed());
            doubleClic(liste, pas > 0 && liste->count() > 1 ? 1 : 0);
            QCOMPARE(int(banc.modele.Parcours.NbEtapes), pas + 1);
            QCOMPARE(fenetre.Text1()->toPlainText(), TexteQt(banc.modele.Text1.Text));
            if (pas == 0) capture(&fenetre, "");
        }
        QCOMPARE(fenetre.Text2()->text(), QString::fromStdString(banc.modele.Text2.Text).trimmed());
        QCOMPARE(liste->count(), 0);
        capture(&fenetre, "-espece");

        QCOMPARE(fenetre.Bouton(0)->text(), QString("<=="));
        QTest::mouseClick(fenetre.Bouton(0), Qt::LeftButton);
        QVERIFY(fenetre.Text2()->text().isEmpty());
        QCOMPARE(lignes(liste).size(), banc.modele.List1.ListCount());
        QTest::mouseClick(fenetre.Bouton(1), Qt::LeftButton);
        QCOMPARE(lignes(liste), debut);
        QVERIFY(fenetre.Text1()->toPlainText().isEmpty());

        QListWidget *noms = fenetre.List2();
        const QString nom = noms->item(3)->text();
        clic(noms, 3);
        QCOMPARE(banc.modele.List2.ListIndex, 3);
        QCOMPARE(fenetre.Text2()->text(), nom);
    }

    // A proposition of megabytes shows at once, cut in its row and, further on, in the enlarged
    // view.
    void propositionTresLongue() {
        Banc banc;
        const QString cle = banc.dossier.filePath("longue.cle");
        QVERIFY(ecrit(cle, "1, 0 $" + QByteArray("lames ").repeated(400000) +
                               "$Esp\r\n1, 0 $court$B\r\n"));
        QElapsedTimer chrono;
        chrono.start();
        banc.fenetre.ChargeCle(cle.toStdString());
        QVERIFY2(chrono.elapsed() < 5000, qPrintable(QString::number(chrono.elapsed())));
        ListeControle *liste = banc.fenetre.List1();
        QCOMPARE(liste->count(), 2);
        QCOMPARE(liste->item(0)->text().size(), 4001);
        QVERIFY(liste->item(0)->text().endsWith(QChar(0x2026)));
        QTest::mousePress(liste->viewport(), Qt::RightButton, {}, centre(liste, 0));
        QCOMPARE(liste->Vue()->toPlainText().size(), 400001);
        QVERIFY2(chrono.elapsed() < 8000, qPrintable(QString::number(chrono.elapsed())));
        QTest::mouseRelease(liste->viewport(), Qt::RightButton, {}, centre(liste, 0));
    }

    // The scroll bar a list gives itself before laying its rows out is the one the rows need:
    // there when they overflow, gone when they fit, whatever their text and the list's height.
    void barreDeDefilementSelonLesLignes_data() {
        QTest::addColumn<int>("lignes");
        QTest::addColumn<QString>("texte");
        QTest::addColumn<int>("hauteur");
        QTest::addColumn<int>("puisHauteur");
        const QString longue = QString("Amanita phalloides ").repeated(12);
        QTest::newRow("vide") << 0 << "nom" << 200 << 200;
        QTest::newRow("trois noms") << 3 << "nom" << 200 << 200;
        QTest::newRow("deux mille noms") << 2000 << "nom" << 200 << 200;
        QTest::newRow("lignes sans texte") << 12 << "" << 200 << 200;
        QTest::newRow("noms qui passent a la ligne") << 6 << longue << 200 << 200;
        QTest::newRow("agrandie jusqu'a tout montrer") << 12 << "nom" << 150 << 900;
        QTest::newRow("reduite sous ses lignes") << 12 << "nom" << 900 << 150;
    }
    void barreDeDefilementSelonLesLignes() {
        QFETCH(int, lignes);
        QFETCH(QString, texte);
        QFETCH(int, hauteur);
        QFETCH(int, puisHauteur);
        ListeControle liste;
        liste.FixeMargeLignes(5);
        liste.resize(160, hauteur);
        liste.show();
        ListBox modele;
        for (int i = 0; i < lignes; ++i)
            modele.AddItem(texte.toStdString());
        liste.Montre(modele);
        const auto verifie = [&liste] {
            QCoreApplication::processEvents();
            liste.doItemsLayout();
            QCoreApplication::processEvents();
            QScrollBar *barre = liste.verticalScrollBar();
            QCOMPARE(barre->isVisible(), barre->maximum() > 0);
        };
        verifie();
        liste.resize(160, puisHauteur);
        verifie();
    }

    void vuesAgrandies() {
        Banc banc;
        FenetrePrincipale &fenetre = banc.fenetre;
        ListeControle *liste = fenetre.List1();
        QPlainTextEdit *zoom = liste->Vue();
        const auto presse = [](ListeControle *l, int ligne) {
            QTest::mousePress(l->viewport(), Qt::RightButton, {}, centre(l, ligne));
        };
        const auto relache = [](ListeControle *l, int ligne) {
            QTest::mouseRelease(l->viewport(), Qt::RightButton, {}, centre(l, ligne));
        };

        // The right button enlarges the line it is pressed on, which becomes the selected one,
        // whatever was selected before.
        clic(liste, 1);
        presse(liste, 0);
        relache(liste, 0);
        QVERIFY(zoom->isVisible());
        QCOMPARE(zoom->toPlainText(), liste->item(0)->text());
        QCOMPARE(banc.modele.List1.ListIndex, 0);
        QVERIFY(zoom->font().pointSize() > liste->font().pointSize());
        QVERIFY(!statut(fenetre).isEmpty());

        // Esc in the view closes it; so does a left click back in the list.
        QTest::keyClick(zoom, Qt::Key_Escape);
        QVERIFY(!zoom->isVisible());
        QVERIFY(!banc.modele.zoomDesc.Visible);
        presse(liste, 0);
        QVERIFY(zoom->isVisible());
        clic(liste, 0);
        QVERIFY(!zoom->isVisible());

        // A step taken with the keyboard leaves no line selected: the right button still
        // enlarges the line under it, never an empty view.
        liste->setFocus(Qt::TabFocusReason);
        QTest::keyClick(liste, Qt::Key_Return);
        QCOMPARE(banc.modele.Parcours.NbEtapes, int16_t{1});
        presse(liste, 1);
        QCOMPARE(zoom->toPlainText(), liste->item(1)->text());
        relache(liste, 1);
        QTest::keyClick(zoom, Qt::Key_Escape);

        // The names have their own view, gone when the button is released.
        ListeControle *noms = fenetre.List2();
        presse(noms, 0);
        QVERIFY(noms->Vue()->isVisible());
        QCOMPARE(noms->Vue()->toPlainText(), noms->item(0)->text());
        relache(noms, 0);
        QVERIFY(!noms->Vue()->isVisible());
    }

    // The display options' widgets reach the model, and the boxes show what it then holds.
    void optionsDAffichage() {
        Banc banc;
        FenetrePrincipale &fenetre = banc.fenetre;
        doubleClic(fenetre.List1(), 0);
        doubleClic(fenetre.List1(), 0);

        auto *sections = fenetre.findChild<QCheckBox *>("check_Option_0");
        auto *cadre = fenetre.findChild<QGroupBox *>("CadreSections");
        QVERIFY(!cadre->isVisible());
        sections->click();
        QVERIFY(cadre->isVisible());
        QVERIFY(!fenetre.Text5()->toPlainText().isEmpty());
        QCOMPARE(fenetre.Text5()->toPlainText(), TexteQt(banc.modele.Text5.Text));
        sections->click();
        QVERIFY(!cadre->isVisible());

        auto *prefixe = fenetre.findChild<QAction *>("Mnuprefx_0");
        QCOMPARE(prefixe->text(), QString("&Préfixe"));
        prefixe->trigger();
        QVERIFY(prefixe->isChecked());
        fenetre.findChild<QCheckBox *>("Check_saut_ligne")->click();
        QVERIFY(fenetre.Text1()->toPlainText().startsWith(QString::fromUtf8("\u00B0")));

        // The history box takes the model's colour.
        QVERIFY(!contientDuRouge(fenetre.Text1()));
        banc.modele.Text1.SetForeColor(CouleurRouge);
        fenetre.Rafraichit();
        QVERIFY(contientDuRouge(fenetre.Text1()));

        // The buttons bear the model's captions and visibility; "copie liste" reaches the
        // clipboard.
        for (int i = 1; i <= 3; ++i)
            QVERIFY(fenetre.Command4(i) == nullptr);
        for (int i : {0, 4, 5, 6, 7, 8, 9})
            QCOMPARE(fenetre.Command4(i)->text(),
                     QString::fromStdString(banc.modele.Command4[i].Caption).simplified());
        QVERIFY(!fenetre.Command4(Cmd4Reprise)->isVisible());
        // "Comparer", ticked at start, reaches its handler.
        fenetre.findChild<QCheckBox *>("Check_Compare")->click();
        QVERIFY(!fenetre.Command4(Cmd4LM1)->isVisible());

        QTest::mouseClick(fenetre.Command4(Cmd4CopieListe), Qt::LeftButton);
        QVERIFY(QString::fromStdString(banc.services.PressePapier)
                    .startsWith(fenetre.List2()->item(0)->text() + "\r\n"));
    }

    void comparaisonDansForm1() {
        Banc banc;
        FenetrePrincipale &fenetre = banc.fenetre;
        QVERIFY(banc.Descend());
        const QString premier = fenetre.Text2()->text();
        QTest::mouseClick(fenetre.Command4(Cmd4LM1), Qt::LeftButton);
        QVERIFY(fenetre.Flash()->isVisible());
        QVERIFY(fenetre.Flash()->text().startsWith(premier));
        QTest::mouseClick(fenetre.Bouton(1), Qt::LeftButton);
        QVERIFY(banc.Descend([](int pas) { return pas == 0 ? 0 : 1; }));
        QTest::mouseClick(fenetre.Command4(Cmd4LM2), Qt::LeftButton);

        // The comparison takes the place of the main window until it is closed.
        QTest::mouseClick(fenetre.Command4(Cmd4Compare), Qt::LeftButton);
        FenetreForm1 *form1 = fenetre.Form1();
        QVERIFY(form1->isVisible());
        QVERIFY(!fenetre.isVisible());
        QCOMPARE(form1->Texte()->toPlainText(), TexteQt(banc.app->Biblio().Text1.Text));
        capture(form1, "-form1");
        form1->close();
        QVERIFY(fenetre.isVisible());
        QVERIFY(banc.modele.Moi.Visible);
        QVERIFY(!banc.app->Biblio().Moi.Visible);
    }

    // The notice comes and goes by itself, and lets the clicks through to the window under it.
    void messageFlashPassager() {
        Banc banc;
        BandeauFlash *bandeau = banc.fenetre.Flash();
        flash(banc.modele, "fichier  absent.pdf non trouvé", CouleurVert);
        banc.fenetre.Rafraichit();
        QVERIFY(bandeau->isVisible());
        QCOMPARE(bandeau->text(), QString("fichier  absent.pdf non trouvé"));
        doubleClic(banc.fenetre.List1(), 0);
        QVERIFY(banc.modele.Parcours.NbEtapes == 1);
        QTest::qWait(BandeauFlash::DureeMs / 2);
        QVERIFY(bandeau->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(!bandeau->isVisible(), BandeauFlash::DureeMs + 2000);
        QVERIFY(!banc.modele.FraFlash.Visible);
    }

    void clesOuvertes() {
        Banc banc;
        FenetrePrincipale &fenetre = banc.fenetre;
        const QString chemin = LAMELIX_CLES "/defaut.cle";
        fenetre.OuvreCle(chemin);
        fenetre.OuvreCle(LAMELIX_CLES "/../cles/defaut.cle"); // the same key, another spelling
        QCOMPARE(QString::fromStdString(banc.modele.RepData), QString(LAMELIX_CLES));
        QCOMPARE(lignes(fenetre.List3()), QStringList{chemin});

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

    // "Fichier > Importer...": a document told by its content, saved as a key where the author
    // says and opened; a project, until its import is connected, is refused with a word.
    void importerUneCle() {
        Banc banc;
        const std::string cle = banc.dossier.filePath("oiseaux.cle").toStdString();
        banc.services.Fichiers = {LAMELIX_CLES "/../tests/data/lpxk/etapes.lpxk", cle};
        banc.fenetre.Action("mnuImporter")->trigger();
        QVERIFY(QFileInfo::exists(QString::fromStdString(cle)));
        QCOMPARE(QString::fromStdString(banc.modele.Cle().FichierCle), QString::fromStdString(cle));
        QVERIFY(lignes(banc.fenetre.List1()).join('\n').contains("Petit, moins de 15 cm"));

        const QString zip = banc.dossier.filePath("projet.txt");
        QVERIFY(ecrit(zip, QByteArray("PK\x03\x04", 4)));
        banc.services.Journal.clear();
        banc.services.Fichiers = {zip.toStdString(), banc.dossier.filePath("p").toStdString()};
        banc.fenetre.Action("mnuImporter")->trigger();
        QVERIFY(banc.services.Journal.back().rfind("message: Le fichier projet.txt n'a pas", 0) ==
                0);
        QCOMPARE(QString::fromStdString(banc.modele.Cle().FichierCle), QString::fromStdString(cle));
    }

    // A system that cannot beep: its failure stops at the window, not in Qt's event loop, and
    // the window goes on answering.
    void uneErreurSArreteALaFenetre() {
        struct ServicesSansBip : ServicesFactices {
            void Bip() override { throw std::runtime_error("pas de haut-parleur"); }
        };
        BancFenetre<ServicesSansBip> banc;
        FenetrePrincipale &fenetre = banc.fenetre;
        QVERIFY(banc.Descend());
        QTest::mouseClick(fenetre.Command4(Cmd4LM1), Qt::LeftButton);
        QVERIFY2(fenetre.statusBar()->currentMessage().contains("pas de haut-parleur"),
                 qPrintable(fenetre.statusBar()->currentMessage()));
        QTest::mouseClick(fenetre.Bouton(1), Qt::LeftButton);
        doubleClic(fenetre.List1(), 0);
        QCOMPARE(banc.modele.Parcours.NbEtapes, int16_t{1});
    }

    // A long species name is shown whole at any width, in the box's own font while it can,
    // and the name is the box's tooltip.
    void nomDEspeceEntier() {
        Banc banc;
        BoiteEspece *boite = banc.fenetre.Text2();
        const QString nom = QString::fromUtf8("Macrolepiota procera (lépiote élevée, coulemelle, "
                                              "nez de chat, grisette, saint-michel)");
        banc.modele.Text2.SetText(nom.toStdString());
        const auto tient = [&] {
            const QRect place = boite->contentsRect();
            const QRect texte =
                QFontMetrics(boite->font())
                    .boundingRect(QRect(0, 0, place.width(), 100000), Qt::TextWordWrap, nom);
            return texte.width() <= place.width() && texte.height() <= place.height();
        };
        for (int largeur : {1320, 780, 600}) {
            banc.fenetre.resize(largeur, 560);
            banc.fenetre.Rafraichit();
            QTest::qWait(50);
            QCOMPARE(boite->text(), nom);
            QCOMPARE(boite->toolTip(), nom);
            // The layout and the font follow the new width once the events are through, which
            // takes longer on a loaded machine.
            QTRY_VERIFY2_WITH_TIMEOUT(tient(), qPrintable(QString::number(largeur)), 2000);
        }
        capture(&banc.fenetre, "-nom-long");
        banc.modele.Text2.SetText("Russula");
        banc.fenetre.Rafraichit();
        QApplication::processEvents();
        QCOMPARE(boite->font().pointSize(), boite->PoliceDeBase().pointSize());
        banc.modele.Text2.SetText({});
        banc.fenetre.Rafraichit();
        QVERIFY(boite->toolTip().isEmpty());
        QCOMPARE(boite->TexteVide(),
                 QString::fromStdString(banc.modele.Libelles.EspeceNonAtteinte));
    }

    // An empty choice list says why it is empty: no key yet (and how to open one), or a search
    // that found nothing.
    void laListeVideDitPourquoi() {
        BancFenetre<> banc(false);
        banc.fenetre.Rafraichit();
        const LibellesFenetre &l = banc.modele.Libelles;
        ListeControle *liste = banc.fenetre.List1();
        QVERIFY(liste->TexteVide().startsWith(QString::fromStdString(l.AucuneProposition)));
        QVERIFY(liste->TexteVide().contains(QString::fromUtf8("▸")));
        QVERIFY(banc.Ouvre());
        RechercheMotCle &r = banc.app->MotsCles();
        ExecuteGestionnaire([&] {
            MotCle_Click(r);
            r.Textcle[0].SetText("introuvable");
            for (std::size_t i = 0; i < r.Option3.size(); ++i)
                r.Option3[i].SetValue(static_cast<int>(i) == DansDescriptions);
            MoCle_Click(r, 0);
        });
        banc.fenetre.Rafraichit();
        QCOMPARE(liste->count(), 0);
        QCOMPARE(liste->TexteVide(), QString::fromStdString(l.RienTrouve));
    }

    // Qt's own texts (message boxes, file dialogs) follow the interface language.
    void textesDeQtDansLaLangue() {
        if (!QFileInfo::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) +
                               "/qtbase_fr.qm"))
            QSKIP("Qt's translations are not installed (qt6-translations-l10n)");
        const auto oui = [] {
            QMessageBox boite(QMessageBox::Question, {}, {}, QMessageBox::Yes | QMessageBox::No);
            return boite.button(QMessageBox::Yes)->text().remove('&');
        };
        {
            Banc banc;
            QCOMPARE(oui(), QString("Oui"));
            QVERIFY(banc.Anglais());
            banc.fenetre.Action("MnLang_5")->trigger();
            QCOMPARE(oui(), QString("Yes"));
            banc.fenetre.Action("MnLang_1")->trigger();
            QCOMPARE(oui(), QString("Oui"));
            // A language Qt has no translation for leaves Qt's English.
            QVERIFY(ecrit(banc.dossier.filePath("Lamelix_bs.lng"), "MNUPREFX;Prefiks\r\n"));
            banc.fenetre.Action("MnLang_6")->trigger();
            QVERIFY(!banc.fenetre.TraductionDeQt().Chargee());
            QCOMPARE(oui(), QString("Yes"));
            banc.fenetre.Action("MnLang_1")->trigger();
        }
        QCOMPARE(oui(), QString("Yes")); // the window's translation went with it
        TraductionQt traduction;
        QVERIFY(!traduction.Suit("../../fr"));
        QVERIFY(!traduction.Suit(""));
        QVERIFY(traduction.Suit("fr"));
    }

    // In English no built-in French caption is left on the window, its menus, its panels and
    // its other windows, the help page in the interface language; back in French, every caption
    // is the French one again.
    void rienDeFrancaisEnAnglais() {
        Banc banc(false);
        QVERIFY(banc.Anglais());
        QVERIFY(banc.Ouvre());
        FenetrePrincipale &fenetre = banc.fenetre;
        QVERIFY(QDir(banc.dossier.path()).mkdir("aide"));
        for (const char *page : {"/index.html", "/index_en.html"})
            QVERIFY(
                QFile::copy(LAMELIX_AIDE + QString(page), banc.dossier.path() + "/aide" + page));
        const auto aide = [&] { // the page the help menu asks for, in the help window
            banc.services.Journal.clear();
            fenetre.Action("MnuAide")->trigger();
            QCOMPARE(banc.services.Journal.size(), std::size_t{1});
            const QString page = qs(banc.services.Journal[0]).remove(0, QString("aide: ").size());
            FenetreAide::Montre(page, &fenetre, banc.modele.Libelles);
        };
        aide();
        banc.modele.Frame14.SetVisible(true); // the translation panel, with its language lists
        fenetre.Rafraichit();
        QVERIFY(fenetre.Frame14() != nullptr);
        fenetre.Action("MnuOptFic_xy_0")->trigger(); // the chooser, with its texts
        // The panels made when first shown: the keyword search and the key map.
        QTest::mouseClick(fenetre.findChild<QPushButton *>("MotCle"), Qt::LeftButton);
        fenetre.Action("mnuPlan")->trigger();
        QVERIFY(fenetre.Frame6() != nullptr && fenetre.FramePlan() != nullptr);
        // And the comparison window, shown then closed.
        banc.app->Biblio().Moi.SetVisible(true);
        fenetre.Rafraichit();
        banc.app->Biblio().Moi.SetVisible(false);
        banc.modele.Moi.SetVisible(true);
        fenetre.Rafraichit();
        QVERIFY(fenetre.Form1() != nullptr && fenetre.isVisible());
        fenetre.Action("MnOutil_10")->trigger(); // the tools window, left open
        QVERIFY(fenetre.Outils_() != nullptr && fenetre.Outils_()->isVisible());
        const QSet<QString> francais = textesAffiches(fenetre);
        QVERIFY(francais.contains("Chercher") && francais.contains(fenetre.Form1()->windowTitle()));
        QVERIFY(francais.contains("Sauver renum") && francais.contains("Imprimable..."));
        QVERIFY(francais.contains("Néerlandais") && francais.contains("Aide de Lamelix"));
        QSet<QString> connus = francais;
        Application neuve(banc.services); // the built-in captions, as a new window has them
        for (const CaptionDeLangue &caption : CaptionsDeLangue(neuve.Principale()))
            for (const QString &ligne : lignesDe(QString::fromStdString(caption.Texte)))
                connus << ligne;

        fenetre.Action("MnLang_5")->trigger();
        aide();
        const QSet<QString> anglais = textesAffiches(fenetre);
        QSet<QString> restes = anglais & connus;
        for (const char *commun :
             {"<==", "Section", "Sections", "Compare", "LM1", "LM2", "?", "Options", "Memo", "7",
              "9", "11", "13", "17", "20", "fr", "it", "es", "de", "en", "Basque",
              // the look-ups and file types that read the same in both languages
              "INPN", "Web", "Web PDF", ".", "Txt, Doc, Pdf, Xls", "Htm, Html", "Jpg, Gif, Tif ..",
              "Ignore accents", "Descriptions",
              // the language names that read the same, and the lists' separator
              "Catalan", "Hindi", "-----------------------------"})
            restes.remove(commun);
        restes.remove(QString::fromStdString(NomProgrammeVersion()));
        QStringList liste = restes.values();
        liste.sort();
        QVERIFY2(restes.isEmpty(), qPrintable(liste.join(" | ")));
        QVERIFY(anglais.contains("File"));
        QVERIFY(anglais.contains("Show settings"));
        QVERIFY(anglais.contains("Save renumbering") && anglais.contains("Checking"));
        QVERIFY(anglais.contains("Dutch") && anglais.contains("Lamelix help"));

        fenetre.Action("MnLang_1")->trigger();
        aide();
        QCOMPARE(textesAffiches(fenetre), francais);
    }

    // The picture of a proposition, when it has one, in a window that fits the screen.
    void imageALaTailleDeLEcran() {
        Banc banc;
        FenetrePrincipale &fenetre = banc.fenetre;
        QDir(banc.dossier.path()).mkdir("photos");
        QImage grande(3000, 2000, QImage::Format_RGB32);
        grande.fill(QColor("#6b8e23"));
        QVERIFY(grande.save(banc.dossier.filePath("photos/grande.png")));
        const QString cle = banc.dossier.filePath("photos.cle");
        QVERIFY(ecrit(cle, "1, 0 $Avec photo$Espece A$F\"photos\\grande.png\"\r\n"
                           "1, 0 $Sans photo$Espece B\r\n"));
        fenetre.OuvreCle(cle);
        QPushButton *image = fenetre.Command2();
        QVERIFY(!image->isEnabled());
        clic(fenetre.List1(), 0);
        QVERIFY(image->isEnabled());
        QTest::mouseClick(image, Qt::LeftButton);
        Panneaux *panneaux = fenetre.Panneaux_();
        QVERIFY(panneaux->Image()->isVisible());
        const QPixmap montree = panneaux->ImageVue()->pixmap();
        QVERIFY(!montree.isNull());
        QVERIFY(montree.width() < 3000);
        QVERIFY(qAbs(montree.width() * 2 - montree.height() * 3) <= 3);
        const QRect libre = fenetre.screen()->availableGeometry();
        QVERIFY(libre.contains(panneaux->Image()->geometry().marginsAdded(CadreEstime())));
        capture(panneaux->Image(), "-image");
    }

    // On a dark desktop every box is dark with a light ink, the species reached included; a
    // colour the model gives (the peach of a search's hits) keeps an ink that reads on it.
    void suitLeThemeDuBureau() {
        const QPalette clair = QApplication::palette();
        QPalette sombre;
        for (auto [role, couleur] : {std::pair{QPalette::Window, 0x2d2d2d},
                                     {QPalette::Base, 0x1e1e1e},
                                     {QPalette::AlternateBase, 0x262626},
                                     {QPalette::Button, 0x353535},
                                     {QPalette::ToolTipBase, 0x3a3a3a},
                                     {QPalette::Highlight, 0x2a82da}})
            sombre.setColor(role, QColor::fromRgb(static_cast<QRgb>(couleur)));
        for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText,
                          QPalette::ToolTipText, QPalette::HighlightedText})
            sombre.setColor(role, QColor(0xe6, 0xe6, 0xe6));
        QApplication::setPalette(sombre);
        Banc banc;
        FenetrePrincipale &fenetre = banc.fenetre;
        QVERIFY(banc.Descend());
        const auto fond = [](QWidget *w) {
            const QImage image = w->grab().toImage();
            return image.pixelColor(image.width() - 4, image.height() / 2).lightness();
        };
        for (QWidget *w : std::initializer_list<QWidget *>{
                 &fenetre, fenetre.List1()->viewport(), fenetre.List2()->viewport(),
                 fenetre.Text1()->viewport(), fenetre.Text5()->viewport(), fenetre.Text2()})
            QVERIFY2(fond(w) < 80, qPrintable(w->objectName()));
        QVERIFY(fenetre.List2()->palette().color(QPalette::Text).lightness() > 180);
        QVERIFY(fenetre.Text1()->palette().color(QPalette::Text).lightness() > 180);
        QVERIFY(fenetre.Text2()->palette().color(QPalette::WindowText).lightness() > 120);
        captureEcrans(fenetre, "-sombre", "");

        banc.modele.List2.SetBackColor(0xC0E0FF); // RGB(255, 224, 192)
        fenetre.Rafraichit();
        QCOMPARE(fenetre.List2()->palette().color(QPalette::Base), QColor(255, 224, 192));
        QCOMPARE(fenetre.List2()->palette().color(QPalette::Text), QColor(Qt::black));
        banc.modele.List2.SetBackColor(CouleurFondFenetre);
        fenetre.Rafraichit();
        QCOMPARE(fenetre.List2()->palette().color(QPalette::Base), sombre.color(QPalette::Base));
        QApplication::setPalette(clair);
    }
};

QTEST_MAIN(FenetreTest)
#include "fenetre_test.moc"
