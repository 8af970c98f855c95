// The consultation window: its widgets and their layout. Choices on the left, the path taken in
// the middle, the names and the list tools on the right.

#include "ui/fenetre_principale.hpp"

#include "ui/bandeau_flash.hpp"
#include "ui/fenetre_form1.hpp"
#include "ui/libelle_elide.hpp"
#include "ui/liste_controle.hpp"
#include "ui/panneaux.hpp"

#include <algorithm>

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QTextEdit>
#include <QTimer>
#include <QVBoxLayout>

namespace lamelix {

namespace {

const char *const Apparence = R"(
QGroupBox {
    border: 1px solid #c8d2c6; border-radius: 7px; margin-top: 14px;
    padding: 10px 8px 8px 8px; background: #fbfcfa;
}
QGroupBox::title {
    subcontrol-origin: margin; left: 12px; padding: 0 5px; color: #2f5a3a; font-weight: bold;
}
QPushButton { padding: 5px 12px; min-height: 20px; min-width: 64px; }
QTextEdit, QLineEdit { selection-background-color: #b9d8bf; selection-color: black; }
QListWidget { border: 1px solid #c8d2c6; border-radius: 4px; padding: 2px 6px; }
QListWidget::item { padding: 5px 0px; border-bottom: 1px solid #e6ebe4; }
QListWidget::item:hover { background: #eaf3e8; }
QListWidget::item:selected { background: #cfe5d2; color: #10301a; }
#List1::item { padding: 9px 0px; }
#Label6 { color: #44524a; font-style: italic; padding: 2px 4px 4px 4px; }
#Label3 { color: #44524a; }
#Label1 {
    color: #2f5a3a; background: #e3eee2; border-radius: 8px; padding: 1px 8px; font-weight: bold;
}
)";

QGroupBox *cadre(const QString &titre, const char *nom) {
    auto *boite = new QGroupBox(titre);
    boite->setObjectName(nom);
    return boite;
}

QPushButton *bouton(const char *nom, const QString &bulle) {
    auto *b = new QPushButton;
    b->setObjectName(nom);
    b->setToolTip(bulle);
    b->setAutoDefault(false);
    return b;
}

QTextEdit *texteLecture(const char *nom, const QString &vide) {
    auto *t = new QTextEdit;
    t->setObjectName(nom);
    t->setReadOnly(true);
    t->setAcceptRichText(false);
    t->setLineWrapMode(QTextEdit::WidgetWidth);
    t->setPlaceholderText(vide);
    return t;
}

} // namespace

FenetrePrincipale::FenetrePrincipale(Application &app, QWidget *parent)
    : QMainWindow(parent), modele_(app.Principale()), biblio_(app.Biblio()) {
    setStyleSheet(Apparence);

    label6_ = new QLabel;
    label6_->setObjectName("Label6");
    label6_->setWordWrap(true);
    label6_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto *separation = new QSplitter(Qt::Horizontal);
    separation->setChildrenCollapsible(false);
    separation->setHandleWidth(8);
    separation->addWidget(colonneChoix());
    separation->addWidget(colonneHistorique());
    separation->addWidget(colonneNoms());
    separation->setStretchFactor(0, 5);
    separation->setStretchFactor(1, 4);
    separation->setStretchFactor(2, 3);
    separation->setSizes({560, 430, 320});

    auto *centre = new QWidget;
    auto *disposition = new QVBoxLayout(centre);
    disposition->setContentsMargins(10, 6, 10, 4);
    disposition->setSpacing(4);
    disposition->addWidget(label6_);
    disposition->addWidget(separation, 1);
    setCentralWidget(centre);

    flash_ = new BandeauFlash(centre);
    form1_ = std::make_unique<FenetreForm1>();
    panneaux_ = std::make_unique<Panneaux>(
        modele_, this, suivi_,
        [this](const std::function<void()> &action) { return agit(action); });

    creeMenus();
    creeBarreEtat();
    relieListes();
    relieCommandes();
    lieControles();
    resize(1320, 740);
    Rafraichit();
}

FenetrePrincipale::~FenetrePrincipale() {
    // The widgets outlive this object's members while the base class deletes them: from now on
    // none of their events may reach the model.
    for (ListeControle *liste : {list1_, list2_, list3_})
        liste->Deconnecte();
    form1_->AuFermer = nullptr;
    flash_->AuDelaiEcoule = nullptr;
    occupe_ = true;
}

QWidget *FenetrePrincipale::colonneChoix() {
    text2_ = new QLineEdit;
    text2_->setObjectName("Text2");
    text2_->setReadOnly(true);
    text2_->setPlaceholderText(tr("pas encore atteinte"));
    QFont espece = text2_->font();
    espece.setPointSize(espece.pointSize() + 5);
    espece.setBold(true);
    espece.setItalic(true);
    text2_->setFont(espece);
    auto *boiteEspece = cadre(tr("Espèce"), "CadreEspece");
    (new QVBoxLayout(boiteEspece))->addWidget(text2_);

    list1_ = new ListeControle;
    list1_->setObjectName("List1");
    list1_->setSpacing(1);
    list1_->setToolTip(tr("Double-cliquez sur la proposition qui convient au spécimen ; clic "
                          "droit pour l'agrandir"));
    list1_->Vue()->setObjectName("zoomDesc");

    bouton_[0] = bouton("bouton_0", tr("Revenir au choix précédent (Alt+Gauche)"));
    bouton_[0]->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Left));
    bouton_[1] = bouton("bouton_1", tr("Recommencer au début de la clé"));
    auto *pied = new QHBoxLayout;
    pied->setSpacing(8);
    pied->addWidget(bouton_[0]);
    pied->addWidget(bouton_[1]);
    pied->addStretch(1);
    command2_ = bouton("Command2", tr("Voir l'image attachée à la proposition sélectionnée"));
    command2_->setText(tr("Image"));
    pied->addWidget(command2_);

    auto *boiteChoix = cadre(tr("Propositions"), "CadreChoix");
    auto *choix = new QVBoxLayout(boiteChoix);
    choix->setSpacing(8);
    choix->addWidget(list1_, 1);
    choix->addLayout(pied);

    auto *colonne = new QWidget;
    auto *disposition = new QVBoxLayout(colonne);
    disposition->setContentsMargins(0, 0, 0, 0);
    disposition->addWidget(boiteEspece);
    disposition->addWidget(boiteChoix, 1);
    return colonne;
}

QWidget *FenetrePrincipale::colonneHistorique() {
    text1_ =
        texteLecture("Text1", tr("Les propositions choisies s'inscrivent ici, une par étape."));
    auto *boiteHistorique = cadre(tr("Chemin suivi"), "CadreHistorique");
    cadreHistorique_ = boiteHistorique;
    (new QVBoxLayout(boiteHistorique))->addWidget(text1_);

    text5_ = texteLecture("Text5", tr("Aucune section sur ce chemin."));
    cadreSections_ = cadre(tr("Sections"), "CadreSections");
    (new QVBoxLayout(cadreSections_))->addWidget(text5_);

    chkFnote_ = new QCheckBox;
    chkFnote_->setObjectName("chk_Fnote");
    checkSautLigne_ = new QCheckBox;
    checkSautLigne_->setObjectName("Check_saut_ligne");
    checkOption0_ = new QCheckBox;
    checkOption0_->setObjectName("check_Option_0");
    checkCompare_ = new QCheckBox;
    checkCompare_->setObjectName("Check_Compare");
    cadreOptions_ = cadre(tr("Affichage"), "Frame8");
    auto *options = new QGridLayout(cadreOptions_);
    options->setHorizontalSpacing(18);
    options->addWidget(chkFnote_, 0, 0);
    options->addWidget(checkSautLigne_, 0, 1);
    options->addWidget(checkOption0_, 1, 0);
    options->addWidget(checkCompare_, 1, 1);

    auto *colonne = new QWidget;
    auto *disposition = new QVBoxLayout(colonne);
    disposition->setContentsMargins(0, 0, 0, 0);
    disposition->addWidget(boiteHistorique, 3);
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
    label1_->setToolTip(tr("Nombre de lignes de la liste"));
    auto *entete = new QHBoxLayout;
    entete->addWidget(label3_, 1);
    entete->addWidget(label1_, 0, Qt::AlignRight | Qt::AlignVCenter);

    list2_ = new ListeControle;
    list2_->setObjectName("List2");
    list2_->setToolTip(tr("Cliquez sur un nom pour voir le chemin qui y mène ; clic droit pour "
                          "l'agrandir"));
    list2_->Vue()->setObjectName("zoomlist");

    command4_[Cmd4Liste] = bouton("Command4_6", tr("Toutes les espèces de la clé"));
    command4_[Cmd4Suiv] =
        bouton("Command4_0", tr("Les espèces encore possibles depuis les propositions"));
    command4_[Cmd4Section] = bouton("Command4_5", tr("Les titres de sections de la clé"));
    command4_[Cmd4CopieListe] = bouton("Command4_4", tr("Copier la liste dans le presse-papiers"));
    auto *outils = new QGridLayout;
    outils->setSpacing(6);
    outils->addWidget(command4_[Cmd4Liste], 0, 0);
    outils->addWidget(command4_[Cmd4Suiv], 0, 1);
    outils->addWidget(command4_[Cmd4Section], 1, 0);
    outils->addWidget(command4_[Cmd4CopieListe], 1, 1);

    auto *boiteNoms = cadre(tr("Noms"), "CadreNoms");
    auto *noms = new QVBoxLayout(boiteNoms);
    noms->setSpacing(6);
    noms->addLayout(entete);
    noms->addWidget(list2_, 1);
    noms->addLayout(outils);

    command4_[Cmd4LM1] = bouton("Command4_8", tr("Mémoriser le chemin actuel (premier)"));
    command4_[Cmd4LM2] = bouton("Command4_9", tr("Mémoriser le chemin actuel (second)"));
    command4_[Cmd4Compare] = bouton("Command4_7", tr("Comparer les deux chemins mémorisés"));
    command4_[Cmd4Reprise] = bouton("Command4_10", tr("Relancer la dernière recherche"));
    cadreComparaison_ = cadre(tr("Comparaison"), "CadreComparaison");
    auto *comparaison = new QGridLayout(cadreComparaison_);
    comparaison->setSpacing(6);
    comparaison->addWidget(command4_[Cmd4LM1], 0, 0);
    comparaison->addWidget(command4_[Cmd4LM2], 0, 1);
    comparaison->addWidget(command4_[Cmd4Compare], 1, 0);
    comparaison->addWidget(command4_[Cmd4Reprise], 1, 1);

    list3_ = new ListeControle;
    list3_->setObjectName("List3");
    list3_->setToolTip(tr("Double-cliquez pour rouvrir une clé ; Maj+clic pour la retirer"));
    cadreCles_ = cadre(tr("Clés ouvertes"), "Frame11");
    (new QVBoxLayout(cadreCles_))->addWidget(list3_);

    auto *colonne = new QWidget;
    auto *disposition = new QVBoxLayout(colonne);
    disposition->setContentsMargins(0, 0, 0, 0);
    disposition->addWidget(boiteNoms, 3);
    disposition->addWidget(cadreComparaison_);
    disposition->addWidget(cadreCles_, 1);
    return colonne;
}

void FenetrePrincipale::creeBarreEtat() {
    statut_ = new QLabel;
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
    label4_->setStyleSheet("color: #2f5a3a; font-weight: bold;");
    statusBar()->addWidget(statut_, 3);
    statusBar()->addWidget(label4_);
    statusBar()->addWidget(label7_, 2);
    statusBar()->addWidget(label18_, 2);
}

void FenetrePrincipale::Demarre() {
    // Nearly the screen's whole height, centred; as wide as the three columns want.
    if (const QScreen *ecran = screen()) {
        const QRect zone = ecran->availableGeometry();
        const int hauteur = std::max(480, zone.height() - 28);
        const int largeur = std::min(1320, zone.width());
        resize(largeur, std::min(hauteur, zone.height()));
        move(zone.center() - QPoint(width() / 2, height() / 2));
    }
    agit([this] { Form_Load(modele_); });
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
    form1_->hide(); // it goes with the program, without bringing this window back
    QMainWindow::closeEvent(event);
}

} // namespace lamelix
