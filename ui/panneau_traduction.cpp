#include "ui/panneau_traduction.hpp"

#include "ui/conversions.hpp"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTextBrowser>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

namespace lamelix {

namespace {

QString qs(const std::string &s) {
    return QString::fromStdString(s);
}

QPushButton *bouton(const QString &nom) {
    auto *b = new QPushButton;
    b->setObjectName(nom);
    b->setAutoDefault(false);
    return b;
}

QPlainTextEdit *boiteTexte(const char *nom, bool lectureSeule) {
    auto *t = new QPlainTextEdit;
    t->setObjectName(nom);
    t->setReadOnly(lectureSeule);
    return t;
}

} // namespace

PanneauTraduction::PanneauTraduction(Traduction &modele, SuiviControles &suivi, Agit agit,
                                     QWidget *parent)
    : Panneau("Frame14", parent), t_(modele), suivi_(suivi), agit_(std::move(agit)) {
    setWindowFlag(Qt::Tool); // floats over the main window, which keeps the keyboard
    lgs_ = new QComboBox;
    lgs_->setObjectName("lgs");
    lgr_ = new QComboBox;
    lgr_->setObjectName("lgr");
    auto *langues = new QFormLayout;
    langues->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto *etiquetteSource = new QLabel;
    auto *etiquetteResultat = new QLabel;
    langues->addRow(etiquetteSource, lgs_);
    langues->addRow(etiquetteResultat, lgr_);

    auto *quoi = new QHBoxLayout;
    auto *groupe = new QButtonGroup(this);
    for (std::size_t i = 0; i < option4_.size(); ++i) {
        option4_[i] = new QRadioButton;
        option4_[i]->setObjectName(QString("Option4_%1").arg(i));
        groupe->addButton(option4_[i]);
        quoi->addWidget(option4_[i]);
    }
    check4_ = new QCheckBox;
    check4_->setObjectName("Check4");
    quoi->addStretch(1);
    quoi->addWidget(check4_);

    source_ = boiteTexte("source", false);
    result_ = boiteTexte("result", true);
    w_ = new QTextBrowser;
    w_->setObjectName("w");
    w_->setOpenLinks(false); // a translation page's links lead nowhere useful here
    auto *vues = new QSplitter(Qt::Vertical);
    auto *titreResult = new QLabel;
    auto *titreSource = new QLabel;
    auto *titrePage = new QLabel;
    for (auto [titre, vue] : {std::pair<QLabel *, QWidget *>{titreResult, result_},
                              {titreSource, source_},
                              {titrePage, w_}}) {
        auto *cadre = new QWidget;
        auto *d = new QVBoxLayout(cadre);
        d->setContentsMargins(0, 0, 0, 0);
        d->setSpacing(2);
        d->addWidget(titre);
        d->addWidget(vue, 1);
        vues->addWidget(cadre);
    }
    vues->setStretchFactor(0, 3);
    vues->setStretchFactor(1, 2);
    vues->setStretchFactor(2, 2);

    tempsPasse_ = new QLabel;
    tempsPasse_->setObjectName("temps_passe");
    ouvrirPage_ = bouton("OuvrirPage");
    auto *pied = new QHBoxLayout;
    pied->addWidget(ouvrirPage_);
    pied->addWidget(tempsPasse_);
    pied->addStretch(1);
    for (std::size_t i = 0; i < boutons_.size(); ++i) {
        boutons_[i] = bouton(QString("traduirebtn_%1").arg(i));
        pied->addWidget(boutons_[i]);
    }
    boutons_[0]->setDefault(true);

    auto *disposition = new QVBoxLayout(this);
    disposition->addLayout(langues);
    disposition->addLayout(quoi);
    disposition->addWidget(vues, 1);
    disposition->addLayout(pied);
    resize(520, 620);

    timer1_ = new QTimer(this);
    connect(timer1_, &QTimer::timeout, this, [this] { agit_([this] { timer1_Timer(t_); }); });

    const LibellesFenetre &l = t_.Principale.Libelles;
    suivi_.Lie({&l},
               [this, &l, etiquetteSource, etiquetteResultat, titreResult, titreSource, titrePage] {
                   etiquetteSource->setText(qs(l.LegendeLangueSource));
                   etiquetteResultat->setText(qs(l.LegendeLangueResultat));
                   titreResult->setText(qs(l.TexteTraduit));
                   titreSource->setText(qs(l.TexteSource));
                   titrePage->setText(qs(l.TitrePage));
                   source_->setPlaceholderText(qs(l.InviteSource));
                   ouvrirPage_->setText(qs(l.OuvrirPage));
                   setWindowTitle(qs(l.LegendeTraduction));
               });
    lie();
}

void PanneauTraduction::lieListe(QComboBox *boite, ListBox &modele) {
    suivi_.Lie({&modele}, [boite, &modele] {
        const QSignalBlocker bloque(boite);
        boite->clear();
        for (const ElementListe &e : modele.Items)
            boite->addItem(qs(e.Texte));
        boite->setCurrentIndex(modele.ListIndex);
    });
    connect(boite, qOverload<int>(&QComboBox::activated), this,
            [this, &modele](int i) { agit_([&modele, i] { modele.Selectionne(i); }); });
}

void PanneauTraduction::lie() {
    Lamelix &f = t_.Principale;
    const LibellesFenetre &l = f.Libelles;
    lieListe(lgs_, f.lgs);
    lieListe(lgr_, f.lgr);

    for (std::size_t i = 0; i < option4_.size(); ++i) {
        QRadioButton *bouton = option4_[i];
        suivi_.Lie({&t_.Option4[i], &l}, [this, bouton, i, &l] {
            const QSignalBlocker bloque(bouton);
            bouton->setText(qs(l.Legende(t_.Option4[i].Caption)));
            bouton->setChecked(t_.Option4[i].Value);
        });
        connect(bouton, &QRadioButton::clicked, this, [this, i] {
            agit_([this, i] {
                for (std::size_t k = 0; k < t_.Option4.size(); ++k)
                    t_.Option4[k].SetValue(k == i);
            });
        });
    }
    suivi_.Lie({&f.Check4}, [this, &f] {
        const QSignalBlocker bloque(check4_);
        check4_->setText(qs(f.Check4.Caption));
        check4_->setChecked(f.Check4.Value == 1);
    });
    connect(check4_, &QCheckBox::clicked, this,
            [this, &f](bool coche) { agit_([&f, coche] { f.Check4.SetValue(coche ? 1 : 0); }); });

    for (std::size_t i = 0; i < boutons_.size(); ++i) {
        QPushButton *b = boutons_[i];
        const CommandButton &modele = t_.traduirebtn[i];
        suivi_.Lie({&modele, &l}, [b, &modele, &l] {
            b->setText(qs(l.Legende(modele.Caption)));
            b->setEnabled(modele.Enabled);
        });
        const int index = static_cast<int>(i);
        connect(b, &QPushButton::clicked, this,
                [this, index] { agit_([this, index] { traduirebtn_Click(t_, index); }); });
    }
    AuFermer = [this] { agit_([this] { traduirebtn_Click(t_, 2); }); };

    suivi_.Lie({&t_.result}, [this] {
        if (result_->toPlainText() != TexteQt(t_.result.Text))
            result_->setPlainText(TexteQt(t_.result.Text));
    });
    // What the user types or drops in the source box is the model's text.
    connect(source_, &QPlainTextEdit::textChanged, this, [this] {
        t_.source.SetText(source_->toPlainText().toStdString());
        suivi_.DejaVu(t_.source);
    });
    suivi_.Lie({&t_.source}, [this] {
        if (source_->toPlainText() == TexteQt(t_.source.Text)) return;
        const QSignalBlocker bloque(source_);
        source_->setPlainText(TexteQt(t_.source.Text));
    });
    suivi_.Lie({&t_.temps_passe}, [this] { tempsPasse_->setText(qs(t_.temps_passe.Caption)); });
    suivi_.Lie({&t_.timer1}, [this] {
        if (!t_.timer1.Enabled)
            timer1_->stop();
        else if (!timer1_->isActive())
            timer1_->start(t_.timer1.Interval);
    });
    // The page shown: once it is on screen, every command of the view is up to date.
    suivi_.Lie({&t_.w}, [this] {
        const QUrl adresse(qs(t_.w.Adresse));
        if (w_->property("adresse").toUrl() == adresse &&
            w_->property("version").toULongLong() == t_.w.Version)
            return;
        w_->setProperty("adresse", adresse);
        w_->setProperty("version", QVariant::fromValue<qulonglong>(t_.w.Version));
        w_->document()->setBaseUrl(adresse);
        w_->setHtml(qs(t_.w.Html));
        if (t_.w.Occupee)
            QTimer::singleShot(0, this,
                               [this] { agit_([this] { w_CommandStateChange(t_, -1, true); }); });
    });
    connect(ouvrirPage_, &QPushButton::clicked, this, [this, &l] {
        const QString chemin = QFileDialog::getOpenFileName(this, qs(l.OuvrirPage), QString(),
                                                            qs(l.PagesHtml) + " (*.html *.htm)");
        if (!chemin.isEmpty()) OuvrePage(chemin);
    });
    suivi_.Lie({&f.Frame14}, [this, &f] {
        if (f.Frame14.Visible == isVisible()) return;
        if (f.Frame14.Visible) {
            show();
            raise();
        } else {
            hide();
        }
    });
}

void PanneauTraduction::OuvrePage(const QString &chemin) {
    QFile fichier(chemin);
    // A saved page is a few hundred kilobytes; anything far larger is no translation page.
    if (!fichier.open(QIODevice::ReadOnly) || fichier.size() > 16 * 1024 * 1024) return;
    const std::string html = QString::fromUtf8(fichier.readAll()).toStdString();
    const std::string adresse =
        QUrl::fromLocalFile(QFileInfo(chemin).absoluteFilePath()).toString().toStdString();
    agit_([this, adresse, html] { w_Ouvre(t_, adresse, html); });
}

} // namespace lamelix
