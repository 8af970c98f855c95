#include "ui/panneaux.hpp"

#include "ui/conversions.hpp"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTextCursor>
#include <QVBoxLayout>

namespace lamelix {

namespace {

QString qs(const std::string &s) {
    return QString::fromStdString(s);
}

QPushButton *bouton(const QString &texte, const char *nom) {
    auto *b = new QPushButton(texte);
    b->setObjectName(nom);
    b->setAutoDefault(false);
    return b;
}

QHBoxLayout *rangee(std::initializer_list<QPushButton *> boutons) {
    auto *r = new QHBoxLayout;
    r->addStretch(1);
    for (QPushButton *b : boutons)
        r->addWidget(b);
    return r;
}

// The byte offset in the UTF-8 text of a position counted in Qt characters.
int octets(const QString &texte, int position) {
    return static_cast<int>(texte.left(position).toUtf8().size());
}

void montreListe(QListWidget *widget, const ListBox &modele) {
    const QSignalBlocker bloque(widget);
    widget->clear();
    for (const ElementListe &e : modele.Items)
        widget->addItem(qs(e.Texte));
    widget->setCurrentRow(modele.ListIndex);
    widget->setEnabled(modele.Enabled);
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

Panneaux::Panneaux(Lamelix &modele, QWidget *fenetre, SuiviControles &suivi, Agit agit)
    : f_(modele), fenetre_(fenetre), suivi_(suivi), agit_(std::move(agit)) {
    creeExport();
    creeChoix();
    creeParametres();
    creeAccueil();
    creeDivers();
}

void Panneaux::creeExport() {
    export_ = new Panneau("Frame4", fenetre_);
    text7_ = new QPlainTextEdit;
    text7_->setObjectName("Text7");
    text7_->setPlaceholderText(QObject::tr("Lieu, date, remarques sur le spécimen..."));
    auto *enregistrer = bouton(qs(f_.Command7[3].Caption), "Command7_3");
    auto *annuler = bouton(qs(f_.Command7[2].Caption), "Command7_2");
    enregistrer->setDefault(true);
    auto *d = new QVBoxLayout(export_);
    auto *explication =
        new QLabel(QObject::tr("L'espèce atteinte, le chemin suivi et ce commentaire seront "
                               "enregistrés dans un fichier texte."));
    explication->setWordWrap(true);
    d->addWidget(explication);
    d->addWidget(new QLabel(QObject::tr("commentaire")));
    d->addWidget(text7_, 1);
    d->addLayout(rangee({annuler, enregistrer}));
    export_->resize(480, 300);

    relieTexte(text7_, f_.Text7);
    QObject::connect(enregistrer, &QPushButton::clicked, export_,
                     [this] { agit_([this] { Command7_Click(f_, 3); }); });
    QObject::connect(annuler, &QPushButton::clicked, export_,
                     [this] { agit_([this] { Command7_Click(f_, 2); }); });
    export_->AuFermer = [this] { agit_([this] { Command7_Click(f_, 2); }); };
    liePanneau(export_, f_.Frame4);
}

void Panneaux::creeChoix() {
    choix_ = new Panneau("Frame7", fenetre_);
    dossier_ = new QLabel;
    dossier_->setObjectName("DirListPath");
    dossier_->setWordWrap(true);
    dirList_ = new QListWidget;
    dirList_->setObjectName("DirList");
    fileList_ = new QListWidget;
    fileList_->setObjectName("FileList");
    label14_ = new QLabel;
    label14_->setObjectName("Label14");
    auto *valider = bouton(QObject::tr("valider"), "cmdCommand9_0");
    auto *annuler = bouton(QObject::tr("Annuler"), "cmdCommand9_1");
    valider->setDefault(true);
    auto *listes = new QHBoxLayout;
    auto *gauche = new QVBoxLayout;
    gauche->addWidget(new QLabel(QObject::tr("Dossiers (double-clic pour ouvrir)")));
    gauche->addWidget(dirList_, 1);
    auto *droite = new QVBoxLayout;
    droite->addWidget(new QLabel(QObject::tr("Fichiers")));
    droite->addWidget(fileList_, 1);
    listes->addLayout(gauche, 1);
    listes->addLayout(droite, 1);
    auto *d = new QVBoxLayout(choix_);
    d->addWidget(dossier_);
    d->addLayout(listes, 1);
    d->addWidget(label14_);
    d->addLayout(rangee({annuler, valider}));
    choix_->resize(620, 420);

    QObject::connect(dirList_, &QListWidget::itemDoubleClicked, choix_, [this] {
        const int ligne = dirList_->currentRow();
        agit_([this, ligne] {
            f_.DirList.Selectionne(ligne);
            DirList_DblClick(f_);
        });
    });
    QObject::connect(fileList_, &QListWidget::currentRowChanged, choix_, [this](int ligne) {
        agit_([this, ligne] { f_.FileList.Selectionne(ligne); });
    });
    QObject::connect(valider, &QPushButton::clicked, choix_,
                     [this] { agit_([this] { cmdCommand9_Click(f_, 0); }); });
    QObject::connect(annuler, &QPushButton::clicked, choix_,
                     [this] { agit_([this] { cmdCommand9_Click(f_, 1); }); });
    choix_->AuFermer = [this] { agit_([this] { cmdCommand9_Click(f_, 1); }); };

    suivi_.Lie({&f_.DirList}, [this] {
        montreListe(dirList_, f_.DirList);
        dossier_->setText(
            QObject::tr("Dossier : <b>%1</b>").arg(qs(f_.DirListPath).toHtmlEscaped()));
    });
    suivi_.Lie({&f_.FileList}, [this] { montreListe(fileList_, f_.FileList); });
    // The default file is named only while the chooser picks a key.
    suivi_.Lie({&f_.Label14, &f_.Frame7}, [this] {
        label14_->setText(QObject::tr("Fichier par défaut : %1").arg(qs(f_.Label14.Caption)));
        label14_->setVisible(!f_.Frame7Documentation);
    });
    liePanneau(choix_, f_.Frame7);
}

void Panneaux::creeParametres() {
    parametres_ = new Panneau("Frame10", fenetre_);
    txtEdit_ = new QPlainTextEdit;
    txtEdit_->setObjectName("txtEdit");
    auto *fermer = bouton(QObject::tr("Fermer"), "Command8");
    auto *d = new QVBoxLayout(parametres_);
    d->addWidget(txtEdit_, 1);
    d->addLayout(rangee({fermer}));
    parametres_->resize(560, 220);
    relieTexte(txtEdit_, f_.txtEdit);
    QObject::connect(fermer, &QPushButton::clicked, parametres_,
                     [this] { agit_([this] { Command8_Click(f_); }); });
    parametres_->AuFermer = [this] { agit_([this] { Command8_Click(f_); }); };
    liePanneau(parametres_, f_.Frame10);
}

void Panneaux::creeAccueil() {
    accueil_ = new Panneau("FrameAccueil", fenetre_);
    tbox7_ = new QPlainTextEdit;
    tbox7_->setObjectName("TBox_7");
    tbox7_->setReadOnly(true);
    auto *aide = bouton(QObject::tr("aide clés"), "BoutonAideCles");
    auto *fermer = bouton(QObject::tr("fermer"), "BoutonFermerAccueil");
    auto *d = new QVBoxLayout(accueil_);
    auto *titre = new QLabel(QObject::tr("<h2 style='color:#2f5a3a'>Bienvenue sur Lamelix</h2>"));
    d->addWidget(titre);
    d->addWidget(tbox7_, 1);
    d->addLayout(rangee({aide, fermer}));
    accueil_->resize(560, 420);
    QObject::connect(aide, &QPushButton::clicked, accueil_,
                     [this] { agit_([this] { MnuAide_Click(f_); }); });
    const auto ferme = [this] { agit_([this] { f_.FrameAccueil.SetVisible(false); }); };
    QObject::connect(fermer, &QPushButton::clicked, accueil_, ferme);
    accueil_->AuFermer = ferme;
    suivi_.Lie({&f_.TBox[7]}, [this] { tbox7_->setPlainText(TexteQt(f_.TBox[7].Text)); });
    liePanneau(accueil_, f_.FrameAccueil);
}

void Panneaux::creeDivers() {
    cfgDoc_ = new Panneau("FrameCfgDoc", fenetre_);
    cfgDocTexte_ = new QLabel;
    cfgDocTexte_->setWordWrap(true);
    auto *fermerDoc = bouton(QObject::tr("Fermer"), "FermerCfgDoc");
    auto *d = new QVBoxLayout(cfgDoc_);
    d->addWidget(cfgDocTexte_, 1);
    d->addLayout(rangee({fermerDoc}));
    const auto fermeDoc = [this] { agit_([this] { f_.FrameCfgDoc.SetVisible(false); }); };
    QObject::connect(fermerDoc, &QPushButton::clicked, cfgDoc_, fermeDoc);
    cfgDoc_->AuFermer = fermeDoc;
    suivi_.Lie({&f_.FrameCfgDoc}, [this] {
        cfgDocTexte_->setText(
            QObject::tr("<b>Recherche de documentation</b><p>Dossier racine : %1</p>")
                .arg(qs(f_.Options().RepDoc.empty() ? std::string("(aucun)") : f_.Options().RepDoc)
                         .toHtmlEscaped()));
    });
    liePanneau(cfgDoc_, f_.FrameCfgDoc);

    image_ = new Panneau("Picture2", fenetre_);
    imageVue_ = new QLabel;
    imageVue_->setAlignment(Qt::AlignCenter);
    (new QVBoxLayout(image_))->addWidget(imageVue_);
    image_->AuFermer = [this] { agit_([this] { f_.Picture2.SetVisible(false); }); };
    suivi_.Lie({&f_.Picture2}, [this] {
        if (!f_.Picture2.Visible) return;
        const QPixmap image(qs(f_.Picture2Fichier));
        if (image.isNull())
            imageVue_->setText(QObject::tr("Image introuvable : %1").arg(qs(f_.Picture2Fichier)));
        else
            imageVue_->setPixmap(
                image.scaled(900, 700, Qt::KeepAspectRatio, Qt::SmoothTransformation));
        image_->setWindowTitle(QFileInfo(qs(f_.Picture2Fichier)).fileName());
    });
    liePanneau(image_, f_.Picture2);

    apropos_ = new Panneau("frmAbout", fenetre_);
    auto *texte = new QLabel(
        QObject::tr("<h2 style='color:#2f5a3a'>%1</h2><p>Consultation et mise au point de clés "
                    "d'identification.</p><p>Une clé ne remplace pas l'avis d'un spécialiste : "
                    "ne consommez jamais une espèce sur la seule foi d'une clé.</p>")
            .arg(qs(NomProgrammeVersion())));
    texte->setWordWrap(true);
    auto *fermer = bouton(QObject::tr("Fermer"), "FermerApropos");
    auto *a = new QVBoxLayout(apropos_);
    a->addWidget(texte, 1);
    a->addLayout(rangee({fermer}));
    apropos_->resize(420, 220);
    const auto ferme = [this] { agit_([this] { f_.frmAbout.SetVisible(false); }); };
    QObject::connect(fermer, &QPushButton::clicked, apropos_, ferme);
    apropos_->AuFermer = ferme;
    liePanneau(apropos_, f_.frmAbout);
}

void Panneaux::relieTexte(QPlainTextEdit *widget, TextBox &modele) {
    // What the user types goes to the model at once; the widget already shows it.
    QObject::connect(widget, &QPlainTextEdit::textChanged, widget, [this, widget, &modele] {
        modele.SetText(widget->toPlainText().toStdString());
        suivi_.DejaVu(modele);
    });
    suivi_.Lie({&modele}, [widget, &modele] {
        if (widget->toPlainText() == TexteQt(modele.Text)) return;
        const QSignalBlocker bloque(widget);
        widget->setPlainText(TexteQt(modele.Text));
    });
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
    const int debut = octets(texte, curseur.selectionStart());
    f_.txtEdit.SetSelection(debut, octets(texte, curseur.selectionEnd()) - debut);
    suivi_.DejaVu(f_.txtEdit);
}

void Panneaux::Focalise() {
    if (f_.Focus == "Text7" && export_->isVisible()) {
        text7_->setFocus(Qt::OtherFocusReason);
        f_.Focus.clear();
    }
}

} // namespace lamelix
