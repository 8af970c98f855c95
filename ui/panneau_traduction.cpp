#include "ui/panneau_traduction.hpp"

#include "search/page_bornee.hpp"
#include "ui/conversions.hpp"
#include "ui/couleurs.hpp"
#include "ui/geometrie.hpp"

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

// The page view: it shows a page's text and markup, and loads nothing the page names (no
// picture, no style sheet), neither from the network nor from the disk: a page could name
// a device that never ends or a pipe that never answers. The answer is empty rather than
// null: for a null one, the document would read a local file itself.
class VuePage : public QTextBrowser {
  public:
    QVariant loadResource(int, const QUrl &) override { return QByteArray(); }
};

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
    auto *disposition = new QVBoxLayout(this);
    disposition->addLayout(langues());
    disposition->addLayout(quoi());
    disposition->addWidget(vues(), 1);
    disposition->addLayout(pied());
    OuvreDansLEcran(*this, {520, 620});

    timer1_ = new QTimer(this);
    connect(timer1_, &QTimer::timeout, this, Appel(agit_, [this] { timer1_Timer(t_); }));
    const LibellesFenetre &l = t_.Principale.Libelles;
    suivi_.Lie({&l}, [this, &l] {
        source_->setPlaceholderText(qs(l.InviteSource));
        ouvrirPage_->setText(qs(l.OuvrirPage));
        setWindowTitle(qs(l.LegendeTraduction));
    });
    lieChoix();
    lieVues();
}

// A label that says one of the window's texts, in the interface language.
QLabel *PanneauTraduction::etiquette(const std::string &texte) {
    auto *e = new QLabel;
    suivi_.Lie({&t_.Principale.Libelles}, [e, &texte] { e->setText(qs(texte)); });
    return e;
}

QLayout *PanneauTraduction::langues() {
    const LibellesFenetre &l = t_.Principale.Libelles;
    lgs_ = new QComboBox;
    lgs_->setObjectName("lgs");
    lgr_ = new QComboBox;
    lgr_->setObjectName("lgr");
    auto *langues = new QFormLayout;
    langues->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    langues->addRow(etiquette(l.LegendeLangueSource), lgs_);
    langues->addRow(etiquette(l.LegendeLangueResultat), lgr_);
    return langues;
}

// What is translated, and "Automatique".
QLayout *PanneauTraduction::quoi() {
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
    return quoi;
}

// The translation, the text sent, and the page view, one above the other.
QWidget *PanneauTraduction::vues() {
    const LibellesFenetre &l = t_.Principale.Libelles;
    source_ = boiteTexte("source", false);
    result_ = boiteTexte("result", true);
    w_ = new VuePage;
    w_->setObjectName("w");
    w_->setOpenLinks(false); // a translation page's links lead nowhere useful here
    auto *vues = new QSplitter(Qt::Vertical);
    for (auto [titre, vue] : {std::pair<const std::string *, QWidget *>{&l.TexteTraduit, result_},
                              {&l.TexteSource, source_},
                              {&l.TitrePage, w_}}) {
        auto *cadre = new QWidget;
        auto *d = new QVBoxLayout(cadre);
        d->setContentsMargins(0, 0, 0, 0);
        d->setSpacing(2);
        d->addWidget(etiquette(*titre));
        d->addWidget(vue, 1);
        vues->addWidget(cadre);
    }
    vues->setStretchFactor(0, 3);
    vues->setStretchFactor(1, 2);
    vues->setStretchFactor(2, 2);
    return vues;
}

QLayout *PanneauTraduction::pied() {
    tempsPasse_ = new QLabel;
    tempsPasse_->setObjectName("temps_passe");
    etat_ = new QLabel;
    etat_->setObjectName("Etat");
    etat_->setWordWrap(true);
    etat_->setTextFormat(Qt::PlainText);
    ouvrirPage_ = bouton("OuvrirPage");
    auto *bas = new QVBoxLayout;
    bas->addWidget(etat_);
    auto *pied = new QHBoxLayout;
    bas->addLayout(pied);
    pied->addWidget(ouvrirPage_);
    pied->addWidget(tempsPasse_);
    pied->addStretch(1);
    for (std::size_t i = 0; i < boutons_.size(); ++i) {
        boutons_[i] = bouton(QString("traduirebtn_%1").arg(i));
        pied->addWidget(boutons_[i]);
    }
    boutons_[0]->setDefault(true);
    return bas;
}

// The languages, what is translated, "Automatique" and the buttons.
void PanneauTraduction::lieChoix() {
    Lamelix &f = t_.Principale;
    const LibellesFenetre &l = f.Libelles;
    LieListe(suivi_, lgs_, f.lgs, f.Prog.Langues);
    RelieSelection(lgs_, f.lgs, agit_);
    LieListe(suivi_, lgr_, f.lgr, f.Prog.Langues);
    RelieSelection(lgr_, f.lgr, agit_);
    for (std::size_t i = 0; i < option4_.size(); ++i) {
        LieOption(suivi_, option4_[i], t_.Option4[i], l);
        RelieOption(option4_[i], Groupe(t_.Option4), i, agit_);
    }
    LieCase(suivi_, check4_, f.Check4);
    RelieCase(check4_, f.Check4, agit_);
    for (std::size_t i = 0; i < boutons_.size(); ++i) {
        LieBouton(suivi_, boutons_[i], t_.traduirebtn[i], &l);
        const int index = static_cast<int>(i);
        RelieClic(boutons_[i], agit_, [this, index] { traduirebtn_Click(t_, index); });
    }
    AuFermer = Appel(agit_, [this] { traduirebtn_Click(t_, 2); });
}

// The translation, the text sent, the page shown, the page-based path's timer, and the panel.
void PanneauTraduction::lieVues() {
    Lamelix &f = t_.Principale;
    suivi_.Lie({&t_.result}, [this] {
        if (result_->toPlainText() != TexteQt(t_.result.Text))
            result_->setPlainText(TexteQt(t_.result.Text));
    });
    // What the user types or drops in the source box is the model's text.
    RelieTexte(source_, t_.source, suivi_);
    suivi_.Lie({&t_.temps_passe}, [this] { tempsPasse_->setText(qs(t_.temps_passe.Caption)); });
    suivi_.Lie({&t_.Etat}, [this] {
        etat_->setText(TexteQt(t_.Etat.Caption));
        MontreEncre(etat_, QPalette::WindowText, t_.Etat.ForeColor);
    });
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
        w_->setHtml(qs(std::string(DebutDePage(t_.w.Html, TailleVueMax))));
        if (t_.w.Occupee)
            QTimer::singleShot(0, this,
                               Appel(agit_, [this] { w_CommandStateChange(t_, -1, true); }));
    });
    connect(ouvrirPage_, &QPushButton::clicked, this, [this, &f] {
        const LibellesFenetre &l = f.Libelles;
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
    // A saved page is a few hundred kilobytes of a plain file; anything far larger is no
    // translation page, and a pipe or a device may never end.
    QFile fichier(chemin);
    if (!QFileInfo(chemin).isFile() || !fichier.open(QIODevice::ReadOnly)) return;
    const QByteArray page = fichier.read(static_cast<qint64>(TaillePageMax) + 1);
    if (static_cast<std::size_t>(page.size()) > TaillePageMax) return;
    const std::string html = QString::fromUtf8(page).toStdString();
    const std::string adresse =
        QUrl::fromLocalFile(QFileInfo(chemin).absoluteFilePath()).toString().toStdString();
    agit_([this, adresse, html] { w_Ouvre(t_, adresse, html); });
}

} // namespace lamelix
