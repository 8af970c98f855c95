// The consultation window: its widgets and their layout. Choices on the left, the path taken in
// the middle, the names and the list tools on the right.

#include "ui/fenetre_principale.hpp"

#include "ui/bandeau_flash.hpp"
#include "ui/fenetre_form1.hpp"
#include "ui/fenetre_outils.hpp"
#include "ui/geometrie.hpp"
#include "ui/libelle_elide.hpp"
#include "ui/liste_controle.hpp"
#include "ui/panneau_traduction.hpp"
#include "ui/panneaux.hpp"
#include "ui/selection_au_survol.hpp"

#include <algorithm>

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSplitter>
#include <QStatusBar>
#include <QTextEdit>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

namespace lamelix {

namespace {

// A label's font in bold or in italics: the desktop's font, the weight or slant of emphasis.
void accentue(QWidget *widget, bool gras, bool italique) {
    QFont police = widget->font();
    police.setBold(gras);
    police.setItalic(italique);
    widget->setFont(police);
}

QGroupBox *cadre(const char *nom) {
    auto *boite = new QGroupBox;
    boite->setObjectName(nom);
    return boite;
}

QTextEdit *texteLecture(const char *nom) {
    auto *t = new QTextEdit;
    t->setObjectName(nom);
    t->setReadOnly(true);
    t->setAcceptRichText(false);
    t->setLineWrapMode(QTextEdit::WidgetWidth);
    return t;
}

} // namespace

FenetrePrincipale::FenetrePrincipale(Application &app, QWidget *parent)
    : QMainWindow(parent), modele_(app.Principale()), biblio_(app.Biblio()),
      motsCles_(app.MotsCles()), traducteur_(app.Traducteur()), barre_(app.Barre()),
      documentation_(app.Documentation()), plan_(app.Plan()), outil_(app.Outil()) {
    traduction_.Suit("fr"); // the interface starts in French

    label6_ = new QLabel;
    label6_->setObjectName("Label6");
    accentue(label6_, false, true);
    label6_->setWordWrap(true);
    SelectionnableAuSurvol(label6_);

    auto *separation = separation_ = new QSplitter(Qt::Horizontal);
    separation->setObjectName("Colonnes");
    separation->setChildrenCollapsible(false);
    separation->setHandleWidth(8);
    separation->addWidget(colonneChoix());
    separation->addWidget(colonneHistorique());
    separation->addWidget(colonneNoms());
    separation->setStretchFactor(0, 5);
    separation->setStretchFactor(1, 4);
    separation->setStretchFactor(2, 3);
    separation->setSizes({560, 430, 320});

    // On a screen smaller than the columns need, they scroll rather than leave the screen.
    auto *centre = new QWidget;
    centre->setObjectName("Centre");
    auto *colonnes = new QVBoxLayout(centre);
    colonnes->setContentsMargins(0, 0, 0, 0);
    colonnes->setSizeConstraint(QLayout::SetMinimumSize); // scrolls rather than squeezes
    colonnes->addWidget(separation);
    defilement_ = new QScrollArea;
    defilement_->setObjectName("Defilement");
    defilement_->setFrameShape(QFrame::NoFrame);
    defilement_->setWidgetResizable(true);
    defilement_->setWidget(centre);

    auto *fond = new QWidget;
    auto *disposition = new QVBoxLayout(fond);
    disposition->setContentsMargins(10, 6, 10, 4);
    disposition->setSpacing(4);
    disposition->addWidget(label6_);
    disposition->addWidget(defilement_, 1);
    setCentralWidget(fond);

    flash_ = new BandeauFlash(fond);

    creeMenus();
    creeBarreEtat();
    relieListes();
    relieCommandes();
    suitFichierCle();
    lieControles();
    placePanneaux();
    rendAccessible();
    resize(1320, 740);
    Rafraichit();
}

FenetrePrincipale::~FenetrePrincipale() {
    // The widgets outlive this object's members while the base class deletes them: from now on
    // none of their events may reach the model.
    for (ListeControle *liste : {list1_, list2_, list3_})
        liste->Deconnecte();
    if (form1_) form1_->AuFermer = nullptr;
    flash_->AuDelaiEcoule = nullptr;
    occupe_ = true;
}

QWidget *FenetrePrincipale::colonneChoix() {
    text2_ = new BoiteEspece;
    text2_->setObjectName("Text2");
    // The look-ups of the species go under its name.
    frame9_ = new QWidget;
    frame9_->setObjectName("Frame9");
    auto *grille = new QGridLayout(frame9_);
    grille->setContentsMargins(0, 0, 0, 0);
    grille->setSpacing(5);
    for (std::size_t i = 0; i < command6_.size(); ++i) {
        command6_[i] = bouton(QString("Command6_%1").arg(i));
        command6_[i]->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    }
    disposeBarre(false);
    cadreEspece_ = cadre("CadreEspece");
    auto *espece = new QVBoxLayout(cadreEspece_);
    espece->setSpacing(8);
    espece->addWidget(text2_);
    espece->addWidget(frame9_);

    list1_ = new ListeControle;
    list1_->setObjectName("List1");
    list1_->setSpacing(1);
    list1_->FixeMargeLignes(9);
    list1_->NommeVue("zoomDesc");

    bouton_[0] = bouton("bouton_0");
    bouton_[0]->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Left));
    bouton_[1] = bouton("bouton_1");
    auto *pied = new QHBoxLayout;
    pied->setSpacing(8);
    pied->addWidget(bouton_[0]);
    pied->addWidget(bouton_[1]);
    motCle_ = bouton("MotCle");
    pied->addWidget(motCle_);
    command40_ = bouton("Command40");
    accentue(command40_, true, false);
    pied->addWidget(command40_);
    pied->addStretch(1);
    command2_ = bouton("Command2");
    pied->addWidget(command2_);

    cadreChoix_ = cadre("CadreChoix");
    auto *choix = new QVBoxLayout(cadreChoix_);
    choix->setSpacing(8);
    choix->addWidget(list1_, 1);
    choix->addLayout(pied);

    // The keyword panel goes between the two frames when it first shows.
    auto *colonne = new QWidget;
    colonneChoix_ = new QVBoxLayout(colonne);
    colonneChoix_->setContentsMargins(0, 0, 0, 0);
    colonneChoix_->addWidget(cadreEspece_);
    colonneChoix_->addWidget(cadreChoix_, 1);
    return colonne;
}

QWidget *FenetrePrincipale::colonneHistorique() {
    text1_ = texteLecture("Text1");
    cadreHistorique_ = cadre("CadreHistorique");
    (new QVBoxLayout(cadreHistorique_))->addWidget(text1_);

    text5_ = texteLecture("Text5");
    cadreSections_ = cadre("CadreSections");
    (new QVBoxLayout(cadreSections_))->addWidget(text5_);

    chkFnote_ = new QCheckBox;
    chkFnote_->setObjectName("chk_Fnote");
    checkSautLigne_ = new QCheckBox;
    checkSautLigne_->setObjectName("Check_saut_ligne");
    checkOption0_ = new QCheckBox;
    checkOption0_->setObjectName("check_Option_0");
    checkCompare_ = new QCheckBox;
    checkCompare_->setObjectName("Check_Compare");
    cadreOptions_ = cadre("Frame8");
    (new QGridLayout(cadreOptions_))->setHorizontalSpacing(12);
    disposeOptions(false);

    auto *colonne = colonneHistorique_ = new QWidget;
    auto *disposition = new QVBoxLayout(colonne);
    disposition->setContentsMargins(0, 0, 0, 0);
    disposition->addWidget(cadreHistorique_, 3);
    disposition->addWidget(cadreSections_, 1);
    disposition->addWidget(cadreOptions_);
    return colonne;
}

QWidget *FenetrePrincipale::colonneNoms() {
    label3_ = new QLabel;
    label3_->setObjectName("Label3");
    label3_->setWordWrap(true);
    label1_ = new QLabel;
    label1_->setObjectName("Label1");
    accentue(label1_, true, false);
    auto *entete = new QHBoxLayout;
    entete->addWidget(label3_, 1);
    entete->addWidget(label1_, 0, Qt::AlignRight | Qt::AlignVCenter);

    list2_ = new ListeControle;
    list2_->setObjectName("List2");
    list2_->NommeVue("zoomlist");

    command4_[Cmd4Liste] = bouton("Command4_6");
    command4_[Cmd4Suiv] = bouton("Command4_0");
    command4_[Cmd4Section] = bouton("Command4_5");
    command4_[Cmd4CopieListe] = bouton("Command4_4");
    auto *outils = new QGridLayout;
    outils->setSpacing(6);
    outils->addWidget(command4_[Cmd4Liste], 0, 0);
    outils->addWidget(command4_[Cmd4Suiv], 0, 1);
    outils->addWidget(command4_[Cmd4Section], 1, 0);
    outils->addWidget(command4_[Cmd4CopieListe], 1, 1);

    cadreNoms_ = cadre("CadreNoms");
    auto *noms = new QVBoxLayout(cadreNoms_);
    noms->setSpacing(6);
    noms->addLayout(entete);
    noms->addWidget(list2_, 1);
    noms->addLayout(outils);

    command4_[Cmd4LM1] = bouton("Command4_8");
    command4_[Cmd4LM2] = bouton("Command4_9");
    command4_[Cmd4Compare] = bouton("Command4_7");
    command4_[Cmd4Reprise] = bouton("Command4_10");
    cadreComparaison_ = cadre("CadreComparaison");
    auto *comparaison = new QGridLayout(cadreComparaison_);
    comparaison->setSpacing(6);
    comparaison->addWidget(command4_[Cmd4LM1], 0, 0);
    comparaison->addWidget(command4_[Cmd4LM2], 0, 1);
    comparaison->addWidget(command4_[Cmd4Compare], 1, 0);
    comparaison->addWidget(command4_[Cmd4Reprise], 1, 1);

    list3_ = new ListeControle;
    list3_->setObjectName("List3");
    cadreCles_ = cadre("Frame11");
    (new QVBoxLayout(cadreCles_))->addWidget(list3_);

    auto *colonne = new QWidget;
    auto *disposition = new QVBoxLayout(colonne);
    disposition->setContentsMargins(0, 0, 0, 0);
    disposition->addWidget(cadreNoms_, 3);
    disposition->addWidget(cadreComparaison_);
    disposition->addWidget(cadreCles_, 1);
    return colonne;
}

void FenetrePrincipale::creeBarreEtat() {
    statut_ = new LibelleElide; // a long message gives way in its middle, whole in its tooltip
    statut_->setObjectName("StatusBar1");
    statut_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    label7_ = new LibelleElide;
    label7_->setObjectName("Label7");
    label7_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    label18_ = new LibelleElide;
    label18_->setObjectName("Label18");
    label18_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    label18_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label4_ = new QLabel;
    label4_->setObjectName("Label4");
    accentue(label4_, true, false);
    statusBar()->addWidget(statut_, 3);
    statusBar()->addWidget(label4_);
    statusBar()->addWidget(label7_, 2);
    statusBar()->addWidget(label18_, 2);
}

void FenetrePrincipale::Demarre() {
    placee_ = true;
    const QWindow *fenetre = windowHandle();
    placeSurEcran(fenetre && !fenetre->frameMargins().isNull() ? fenetre->frameMargins()
                                                               : CadreEstime());
    agit([this] { Form_Load(modele_); });
}

// As wide as the three columns want and as high as the screen's free area, the frame included,
// centred on the screen's free area.
void FenetrePrincipale::placeSurEcran(const QMargins &cadre) {
    const QScreen *ecran = screen();
    if (ecran == nullptr) return;
    setGeometry(GeometrieFenetre(ecran->availableGeometry(), cadre, QSize(1320, 100000)));
    tailleChoisie_ = size();
}

// Two check boxes a row, or one under the other in a narrow window, where the column of the path
// gives its width to the propositions.
void FenetrePrincipale::disposeOptions(bool etroite) {
    if (optionsEtroites_ == static_cast<int>(etroite)) return;
    optionsEtroites_ = etroite ? 1 : 0;
    auto *grille = static_cast<QGridLayout *>(cadreOptions_->layout());
    QCheckBox *const cases[] = {chkFnote_, checkSautLigne_, checkOption0_, checkCompare_};
    for (int i = 0; i < 4; ++i) {
        grille->removeWidget(cases[i]);
        grille->addWidget(cases[i], etroite ? i : i / 2, etroite ? 0 : i % 2);
    }
}

// Five look-ups a row, or three where the column of the propositions is narrow.
void FenetrePrincipale::disposeBarre(bool etroite) {
    if (barreEtroite_ == static_cast<int>(etroite)) return;
    barreEtroite_ = etroite ? 1 : 0;
    auto *grille = static_cast<QGridLayout *>(frame9_->layout());
    const int colonnes = etroite ? 3 : 5;
    for (QPushButton *b : command6_)
        grille->removeWidget(b);
    for (int c = 0; c < 5; ++c)
        grille->setColumnStretch(c, c < colonnes ? 1 : 0);
    for (int i = 0; i < static_cast<int>(command6_.size()); ++i)
        grille->addWidget(command6_[static_cast<std::size_t>(i)], i / colonnes, i % colonnes);
}

void FenetrePrincipale::resizeEvent(QResizeEvent *event) {
    QMainWindow::resizeEvent(event);
    disposeOptions(width() < LargeurEtroite);
    disposeBarre(width() < LargeurEtroite);
    disposePanneaux();
}

void FenetrePrincipale::showEvent(QShowEvent *event) {
    QMainWindow::showEvent(event);
    if (!depuisAffichage_.isValid()) depuisAffichage_.start();
}

// The window manager's frame is known once the window is on screen: the window is placed again
// with it, once, if it differs from the one assumed and the window still has the size chosen.
// Only until just after the window first shows: later, a move is the user's.
void FenetrePrincipale::moveEvent(QMoveEvent *event) {
    QMainWindow::moveEvent(event);
    if (!placee_ || cadreConnu_ || windowHandle() == nullptr) return;
    if (depuisAffichage_.isValid() && depuisAffichage_.elapsed() > 2000) return;
    const QMargins cadre = windowHandle()->frameMargins();
    if (cadre.isNull()) return;
    cadreConnu_ = true;
    if (cadre != CadreEstime() && size() == tailleChoisie_) placeSurEcran(cadre);
}

void FenetrePrincipale::Active() {
    agit([this] { Form_Activate(modele_); });
}

// Every activation goes to the model: the first one starts the program, a later one changes
// nothing (a one-shot flag set by the comparison is cleared).
void FenetrePrincipale::changeEvent(QEvent *event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        QTimer::singleShot(0, this, [this] { agit([this] { Form_Activate(modele_); }); });
}

void FenetrePrincipale::closeEvent(QCloseEvent *event) {
    if (!fin_) {
        int16_t annule = 0, mode = 0;
        if (!agit([this, &annule, &mode] { Form_QueryUnload(modele_, annule, mode); }) ||
            annule != 0) {
            event->ignore();
            return;
        }
    }
    if (form1_) form1_->hide(); // it goes with the program, without bringing this window back
    QMainWindow::closeEvent(event);
}

} // namespace lamelix
