#include "ui/panneaux.hpp"

#include "platform/nom_programme.hpp"
#include "ui/conversions.hpp"
#include "ui/geometrie.hpp"
#include "ui/liaison_controles.hpp"

#include <string>

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTextCursor>
#include <QVBoxLayout>

namespace lamelix {

namespace {

QHBoxLayout *rangee(std::initializer_list<QPushButton *> boutons) {
    auto *r = new QHBoxLayout;
    r->addStretch(1);
    for (QPushButton *b : boutons)
        r->addWidget(b);
    return r;
}

} // namespace

Panneau::Panneau(const QString &nom, QWidget *parent) : QDialog(parent) {
    setObjectName(nom);
    setModal(false);
}

void Panneau::reject() {
    if (AuFermer)
        AuFermer();
    else
        QDialog::reject();
}

Panneaux::Panneaux(Lamelix &modele, RechercheDocumentation &documentation, QWidget *fenetre,
                   SuiviControles &suivi, Agit agit)
    : f_(modele), doc_(documentation), fenetre_(fenetre), suivi_(suivi), agit_(std::move(agit)) {
    creeExport();
    creeChoix();
    creeParametres();
    creeAccueil();
    creeCfgDoc();
    creeDivers();
}

void Panneaux::creeExport() {
    export_ = new Panneau("Frame4", fenetre_);
    text7_ = new QPlainTextEdit;
    text7_->setObjectName("Text7");
    auto *enregistrer = bouton("Command7_3");
    auto *annuler = bouton("Command7_2");
    enregistrer->setDefault(true);
    auto *d = new QVBoxLayout(export_);
    auto *explication = new QLabel;
    explication->setWordWrap(true);
    auto *commentaire = new QLabel;
    d->addWidget(explication);
    d->addWidget(commentaire);
    d->addWidget(text7_, 1);
    d->addLayout(rangee({annuler, enregistrer}));
    export_->resize(480, 300);

    RelieTexte(text7_, f_.Text7, suivi_);
    LieBouton(suivi_, enregistrer, f_.Command7[3]);
    LieBouton(suivi_, annuler, f_.Command7[2]);
    suivi_.Lie({&f_.Libelles}, [this, explication, commentaire] {
        text7_->setPlaceholderText(qs(f_.Libelles.InviteCommentaire));
        explication->setText(qs(f_.Libelles.ExplicationExport));
        commentaire->setText(qs(f_.Libelles.Commentaire));
    });
    RelieClic(enregistrer, agit_, [this] { Command7_Click(f_, 3); });
    RelieClic(annuler, agit_, [this] { Command7_Click(f_, 2); });
    export_->AuFermer = Appel(agit_, [this] { Command7_Click(f_, 2); });
    liePanneau(export_, f_.Frame4);
}

void Panneaux::creeChoix() {
    choix_ = new Panneau("Frame7", fenetre_);
    dossier_ = new QLabel;
    dossier_->setObjectName("DirListPath");
    dossier_->setWordWrap(true);
    label14_ = new QLabel;
    label14_->setObjectName("Label14");
    auto *valider = bouton("cmdCommand9_0");
    auto *annuler = bouton("cmdCommand9_1");
    valider->setDefault(true);
    auto *d = new QVBoxLayout(choix_);
    d->addWidget(dossier_);
    d->addLayout(listesChoix(), 1);
    d->addWidget(label14_);
    d->addLayout(rangee({annuler, valider}));
    choix_->resize(620, 420);

    RelieDoubleClic(dirList_, f_.DirList, agit_, [this] { DirList_DblClick(f_); });
    RelieSelection(fileList_, f_.FileList, agit_);
    RelieClic(valider, agit_, [this] { cmdCommand9_Click(f_, 0); });
    RelieClic(annuler, agit_, [this] { cmdCommand9_Click(f_, 1); });
    choix_->AuFermer = Appel(agit_, [this] { cmdCommand9_Click(f_, 1); });

    LieBouton(suivi_, valider, f_.cmdCommand9[0]);
    LieBouton(suivi_, annuler, f_.cmdCommand9[1]);
    LieListe(suivi_, dirList_, f_.DirList);
    suivi_.Lie({&f_.DirList, &f_.Libelles}, [this] {
        dossier_->setText(qs(f_.Libelles.DossierCourant)
                              .toHtmlEscaped()
                              .arg("<b>" + qs(f_.DirListPath).toHtmlEscaped() + "</b>"));
    });
    LieListe(suivi_, fileList_, f_.FileList);
    // The default file is named only while the chooser picks a key.
    suivi_.Lie({&f_.Label14, &f_.Frame7, &f_.Libelles}, [this] {
        label14_->setText(qs(f_.Libelles.FichierParDefaut).arg(qs(f_.Label14.Caption)));
        label14_->setVisible(!f_.Frame7Documentation);
    });
    liePanneau(choix_, f_.Frame7);
}

// The folders on the left, the files of the folder on the right, each under its title.
QLayout *Panneaux::listesChoix() {
    dirList_ = new QListWidget;
    dirList_->setObjectName("DirList");
    fileList_ = new QListWidget;
    fileList_->setObjectName("FileList");
    auto *listes = new QHBoxLayout;
    for (auto [titre, liste] :
         {std::pair<const std::string *, QListWidget *>{&f_.Libelles.Dossiers, dirList_},
          {&f_.Libelles.Fichiers, fileList_}}) {
        auto *colonne = new QVBoxLayout;
        auto *etiquette = new QLabel;
        suivi_.Lie({&f_.Libelles}, [etiquette, titre] { etiquette->setText(qs(*titre)); });
        colonne->addWidget(etiquette);
        colonne->addWidget(liste, 1);
        listes->addLayout(colonne, 1);
    }
    return listes;
}

void Panneaux::creeParametres() {
    parametres_ = new Panneau("Frame10", fenetre_);
    txtEdit_ = new QPlainTextEdit;
    txtEdit_->setObjectName("txtEdit");
    auto *fermer = bouton("Command8");
    auto *d = new QVBoxLayout(parametres_);
    d->addWidget(txtEdit_, 1);
    d->addLayout(rangee({fermer}));
    parametres_->resize(560, 220);
    RelieTexte(txtEdit_, f_.txtEdit, suivi_);
    LieBouton(suivi_, fermer, f_.Command8);
    RelieClic(fermer, agit_, [this] { Command8_Click(f_); });
    parametres_->AuFermer = Appel(agit_, [this] { Command8_Click(f_); });
    liePanneau(parametres_, f_.Frame10);
}

void Panneaux::creeAccueil() {
    accueil_ = new Panneau("FrameAccueil", fenetre_);
    tbox7_ = new QPlainTextEdit;
    tbox7_->setObjectName("TBox_7");
    tbox7_->setReadOnly(true);
    auto *aide = bouton("BoutonAideCles");
    auto *fermer = bouton("BoutonFermerAccueil");
    auto *d = new QVBoxLayout(accueil_);
    auto *titre = new QLabel;
    d->addWidget(titre);
    d->addWidget(tbox7_, 1);
    d->addLayout(rangee({aide, fermer}));
    accueil_->resize(560, 420);
    RelieClic(aide, agit_, [this] { MnuAide_Click(f_); });
    const auto ferme = Appel(agit_, [this] { f_.FrameAccueil.SetVisible(false); });
    QObject::connect(fermer, &QPushButton::clicked, accueil_, ferme);
    accueil_->AuFermer = ferme;
    suivi_.Lie({&f_.TBox[7]}, [this] { tbox7_->setPlainText(TexteQt(f_.TBox[7].Text)); });
    suivi_.Lie({&f_.Libelles, &f_.FrameAccueil}, [this, titre, aide, fermer] {
        titre->setText("<h2 style='color:#2f5a3a'>" + qs(f_.FrameAccueil.Caption).toHtmlEscaped() +
                       "</h2>");
        aide->setText(qs(f_.Libelles.AideCles));
        fermer->setText(qs(f_.Libelles.FermerAccueil));
    });
    liePanneau(accueil_, f_.FrameAccueil);
}

// The documentation search's set-up: which files are searched, which words of the name are
// looked for in their paths.
void Panneaux::creeCfgDoc() {
    cfgDoc_ = new Panneau("FrameCfgDoc", fenetre_);
    cfgDocTexte_ = new QLabel;
    cfgDocTexte_->setObjectName("CfgDocDossier");
    cfgDocTexte_->setWordWrap(true);
    cfgDocTexte_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    creeCasesDoc();
    creeNombresDoc();
    QGroupBox *fichiers = fichiersDoc();
    QGroupBox *motsCles = motsDoc();

    auto *fermer = bouton("Command9");
    fermer->setDefault(true);
    RelieClic(fermer, agit_, [this] { Command9_Click(doc_); });
    cfgDoc_->AuFermer = Appel(agit_, [this] { Command9_Click(doc_); });

    auto *d = new QVBoxLayout(cfgDoc_);
    d->setSpacing(8);
    d->addWidget(cfgDocTexte_);
    d->addWidget(fichiers);
    d->addWidget(motsCles);
    d->addStretch(1);
    d->addLayout(rangee({fermer}));
    cfgDoc_->setMinimumWidth(360);

    suivi_.Lie({&f_.FrameCfgDoc, &f_.Libelles}, [this, fichiers, motsCles] {
        const LibellesFenetre &l = f_.Libelles;
        const std::string &racine = f_.Options().RepDoc.empty() ? l.Aucun : f_.Options().RepDoc;
        cfgDocTexte_->setText("<h3 style='color:#2f5a3a; margin:0'>" +
                              qs(l.RechercheDoc).toHtmlEscaped() + "</h3><p style='margin:4px 0'>" +
                              qs(l.DossierRacine).toHtmlEscaped().arg(qs(racine).toHtmlEscaped()) +
                              "</p>");
        fichiers->setTitle(qs(l.FichiersCherches));
        motsCles->setTitle(qs(l.MotsDuNom));
        text8_[1]->setToolTip(qs(l.BulleLongueurMot));
        text9_->setToolTip(qs(l.BulleExtension));
    });
    LieBouton(suivi_, fermer, doc_.Command9, &f_.Libelles);
    liePanneau(cfgDoc_, f_.FrameCfgDoc);
}

// The check boxes of the set-up (items 5 to 8 have no use: no box).
void Panneaux::creeCasesDoc() {
    for (std::size_t i = 0; i < check3_.size(); ++i) {
        CheckBox &modele = doc_.Check3[i];
        if (!modele.Visible) continue;
        auto *boite = new QCheckBox;
        boite->setObjectName(QString("Check3_%1").arg(i));
        RelieCase(boite, modele, agit_);
        LieCase(suivi_, boite, modele, &f_.Libelles);
        check3_[i] = boite;
    }
}

// The number boxes take any number: the model brings it into its range and mirrors it. The
// extension box is the model's text both ways.
void Panneaux::creeNombresDoc() {
    for (std::size_t i = 0; i < text8_.size(); ++i) {
        TextBox &modele = doc_.Text8[i];
        auto *nombre = new QSpinBox;
        nombre->setObjectName(QString("Text8_%1").arg(i));
        nombre->setRange(0, 99);
        nombre->setKeyboardTracking(false);
        nombre->setAlignment(Qt::AlignRight);
        QObject::connect(nombre, &QSpinBox::valueChanged, cfgDoc_, [this, i, &modele](int v) {
            agit_([this, i, &modele, v] {
                modele.SetText(std::to_string(v));
                Text8_Change(doc_, static_cast<int>(i));
            });
        });
        suivi_.Lie({&modele}, [nombre, &modele] {
            const QSignalBlocker bloque(nombre);
            nombre->setValue(qRound(qs(modele.Text).trimmed().toDouble()));
            nombre->setEnabled(modele.Enabled);
        });
        text8_[i] = nombre;
    }

    text9_ = new QLineEdit;
    text9_->setObjectName("Text9");
    text9_->setMaximumWidth(90);
    QObject::connect(text9_, &QLineEdit::textEdited, cfgDoc_, [this](const QString &texte) {
        agit_([this, &texte] { doc_.Text9.SetText(texte.toStdString()); });
        suivi_.DejaVu(doc_.Text9);
    });
    suivi_.Lie({&doc_.Text9}, [this] {
        if (text9_->text() != qs(doc_.Text9.Text)) text9_->setText(qs(doc_.Text9.Text));
    });
}

// Which files are searched: all, or those of some kinds, or of one extension.
QGroupBox *Panneaux::fichiersDoc() {
    auto *fichiers = new QGroupBox;
    auto *types = new QGridLayout(fichiers);
    types->setVerticalSpacing(6);
    for (int i = DocTous; i <= DocImages; ++i)
        types->addWidget(check3_[static_cast<std::size_t>(i)], i, 0, 1, 2);
    types->addWidget(check3_[DocExtension], DocExtension, 0);
    types->addWidget(text9_, DocExtension, 1, Qt::AlignLeft);
    types->setColumnStretch(1, 1);
    return fichiers;
}

// Which words of the name are looked for in the paths.
QGroupBox *Panneaux::motsDoc() {
    auto *motsCles = new QGroupBox;
    auto *mots = new QGridLayout(motsCles);
    mots->setVerticalSpacing(6);
    auto *premiers = new QLabel;
    premiers->setBuddy(text8_[0]);
    suivi_.Lie({&f_.Libelles},
               [this, premiers] { premiers->setText(qs(f_.Libelles.PremiersMots)); });
    mots->addWidget(premiers, 0, 0);
    mots->addWidget(text8_[0], 0, 1);
    mots->addWidget(check3_[DocNomFichier], 1, 0, 1, 2);
    mots->addWidget(check3_[DocFiltre], 2, 0);
    mots->addWidget(text8_[1], 2, 1);
    mots->setColumnStretch(0, 1);
    return motsCles;
}

void Panneaux::creeDivers() {
    image_ = new Panneau("Picture2", fenetre_);
    imageVue_ = new QLabel;
    imageVue_->setObjectName("Picture2Vue");
    imageVue_->setAlignment(Qt::AlignCenter);
    (new QVBoxLayout(image_))->addWidget(imageVue_);
    image_->AuFermer = Appel(agit_, [this] { f_.Picture2.SetVisible(false); });
    suivi_.Lie({&f_.Picture2}, [this] {
        if (f_.Picture2.Visible) montreImage();
    });
    liePanneau(image_, f_.Picture2);

    apropos_ = new Panneau("frmAbout", fenetre_);
    auto *texte = new QLabel;
    texte->setWordWrap(true);
    auto *fermer = bouton("FermerApropos");
    auto *a = new QVBoxLayout(apropos_);
    a->addWidget(texte, 1);
    a->addLayout(rangee({fermer}));
    apropos_->resize(420, 220);
    const auto ferme = Appel(agit_, [this] { f_.frmAbout.SetVisible(false); });
    QObject::connect(fermer, &QPushButton::clicked, apropos_, ferme);
    apropos_->AuFermer = ferme;
    suivi_.Lie({&f_.Libelles}, [this, texte, fermer] {
        const LibellesFenetre &l = f_.Libelles;
        texte->setText("<h2 style='color:#2f5a3a'>" + qs(NomProgrammeVersion()).toHtmlEscaped() +
                       "</h2><p>" + qs(l.Apropos).toHtmlEscaped() + "</p><p>" +
                       qs(l.AvisApropos).toHtmlEscaped() + "</p>");
        fermer->setText(qs(l.Fermer));
    });
    liePanneau(apropos_, f_.frmAbout);
}

// The picture at its own size, or made smaller to fit the screen the main window is on; the
// panel takes the picture's size and comes in the middle of that screen.
void Panneaux::montreImage() {
    const QString chemin = qs(f_.Picture2Fichier);
    image_->setWindowTitle(QFileInfo(chemin).fileName());
    const QPixmap image(chemin);
    if (image.isNull()) {
        imageVue_->setPixmap({});
        imageVue_->setText(qs(f_.Libelles.ImageIntrouvable).arg(chemin));
        image_->adjustSize();
        return;
    }
    const QScreen *ecran = fenetre_->screen();
    const QRect zone = ecran ? ecran->availableGeometry() : QRect(0, 0, 1024, 768);
    // Room for the window's frame and the panel's margins.
    const QMargins cadre = CadreEstime();
    const int marges = 2 * image_->layout()->contentsMargins().left();
    const QSize place(zone.width() - cadre.left() - cadre.right() - marges,
                      zone.height() - cadre.top() - cadre.bottom() - marges);
    const QPixmap montree = image.width() > place.width() || image.height() > place.height()
                                ? image.scaled(place, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                                : image;
    imageVue_->setText({});
    imageVue_->setPixmap(montree);
    image_->setGeometry(GeometrieFenetre(zone, cadre, montree.size() + QSize(marges, marges)));
}

void Panneaux::liePanneau(Panneau *panneau, const Frame &cadre) {
    suivi_.Lie({&cadre}, [panneau, &cadre] {
        if (!cadre.Caption.empty()) panneau->setWindowTitle(qs(cadre.Caption));
        if (cadre.Visible == panneau->isVisible()) return;
        if (cadre.Visible) {
            panneau->show();
            panneau->raise();
            panneau->activateWindow();
        } else {
            panneau->hide();
        }
    });
}

void Panneaux::LitSelection() {
    const QTextCursor curseur = txtEdit_->textCursor();
    const QString texte = txtEdit_->toPlainText();
    const int debut = OctetsUtf8(texte, curseur.selectionStart());
    f_.txtEdit.SetSelection(debut, OctetsUtf8(texte, curseur.selectionEnd()) - debut);
    suivi_.DejaVu(f_.txtEdit);
}

void Panneaux::Focalise() {
    if (f_.Focus == "Text7" && export_->isVisible()) {
        text7_->setFocus(Qt::OtherFocusReason);
        f_.Focus.clear();
    }
}

} // namespace lamelix
