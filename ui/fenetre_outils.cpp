#include "ui/fenetre_outils.hpp"

#include "app/publication.hpp"
#include "platform/erreur.hpp"
#include "platform/piege.hpp"
#include "tools/echange_fenetre.hpp"
#include "ui/conversions.hpp"
#include "ui/geometrie.hpp"

#include <iterator>
#include <optional>
#include <string>
#include <utility>

#include <QCloseEvent>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTextBlock>
#include <QVBoxLayout>

namespace lamelix {

namespace {

// The order of the buttons in the window: loading and editing, renumbering, listings.
constexpr int OrdreBoutons[] = {OutCharger,          OutRecharger,        OutEditer,
                                OutAnalyse,          OutTestNumerotation, OutSauverRenum,
                                OutVoirCompil,       OutCoherence,        OutListeNotes,
                                OutListeComplements, OutVerifLiens,       OutQuitter};

} // namespace

FenetreOutils::FenetreOutils(Outils &modele, SuiviControles &suivi, Agit agit, QWidget *parent)
    : QWidget(parent, Qt::Window), modele_(modele), agit_(std::move(agit)) {
    setObjectName("outils");
    // The reports line up in columns: a font of fixed width, asked for by its style as well,
    // since some systems name a monospaced font as the fixed one without flagging it so.
    QFont fixe = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixe.setStyleHint(QFont::Monospace);
    fixe.setFixedPitch(true);
    auto *boites = new QSplitter(Qt::Horizontal);
    for (int i = 0; i < 2; ++i) {
        auto *colonne = new QWidget;
        auto *disposition = new QVBoxLayout(colonne);
        disposition->setContentsMargins(0, 0, 0, 0);
        auto *texte = new QPlainTextEdit;
        texte->setObjectName(QString("Text10_%1").arg(i));
        texte->setReadOnly(true);
        texte->setFont(fixe);
        texte->setLineWrapMode(QPlainTextEdit::NoWrap);
        texte->viewport()->installEventFilter(this);
        text10_[static_cast<std::size_t>(i)] = texte;
        auto *actions = new QHBoxLayout;
        copie_[static_cast<std::size_t>(i)] = bouton(QString("Copie_%1").arg(i));
        enregistre_[static_cast<std::size_t>(i)] = bouton(QString("Enregistre_%1").arg(i));
        RelieClic(copie_[static_cast<std::size_t>(i)], agit_,
                  [this, i] { CopieRapport(modele_, i); });
        RelieClic(enregistre_[static_cast<std::size_t>(i)], agit_,
                  [this, i] { EnregistreRapport(modele_, i); });
        actions->addStretch(1);
        actions->addWidget(copie_[static_cast<std::size_t>(i)]);
        actions->addWidget(enregistre_[static_cast<std::size_t>(i)]);
        disposition->addWidget(texte, 1);
        disposition->addLayout(actions);
        boites->addWidget(colonne);
    }
    boites->setStretchFactor(0, 3);
    boites->setStretchFactor(1, 1);

    label2_ = new QLabel;
    label2_->setObjectName("Label2");
    etat_ = new QLabel;
    etat_->setObjectName("EtatOutils");
    etat_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    etat_->setMinimumHeight(etat_->fontMetrics().height()); // its line is there, ready to speak
    auto *disposition = new QVBoxLayout(this);
    disposition->setContentsMargins(10, 10, 10, 10);
    disposition->addWidget(boutons());
    disposition->addWidget(label2_);
    disposition->addWidget(boites, 1);
    disposition->addWidget(etat_);
    lie(suivi);
    OuvreDansLEcran(*this, {980, 640});
}

FenetreOutils::~FenetreOutils() {
    ferme_ = true;
}

QWidget *FenetreOutils::boutons() {
    auto *cadre = new QWidget;
    auto *grille = new QGridLayout(cadre);
    grille->setContentsMargins(0, 0, 0, 0);
    for (std::size_t i = 0; i < command1_.size(); ++i) {
        command1_[i] = bouton(QString("Command1_%1").arg(i));
        command1_[i]->setVisible(false);
        const int index = static_cast<int>(i);
        const auto clic = [this, index] { Command1_Click(modele_, index); };
        if (EstRapport(index))
            connect(command1_[i], &QPushButton::clicked, this, [this, index, clic] {
                travaille(command1_[static_cast<std::size_t>(index)], clic);
            });
        else
            RelieClic(command1_[i], agit_, clic);
    }
    // The right button held over "voir compil" asks for the text listing.
    command1_[OutVoirCompil]->installEventFilter(this);
    int place = 0;
    for (int i : OrdreBoutons) {
        grille->addWidget(command1_[static_cast<std::size_t>(i)], place / 6, place % 6);
        ++place;
    }
    command2_ = bouton("Command2");
    command3_ = bouton("Command3");
    connect(command2_, &QPushButton::clicked, this,
            [this] { travaille(command2_, [this] { Command2_Click(modele_); }); });
    connect(command3_, &QPushButton::clicked, this,
            [this] { travaille(command3_, [this] { Command3_Click(modele_); }); });
    auto *nombres = new QHBoxLayout;
    for (int i = 0; i < 2; ++i) {
        label1_[static_cast<std::size_t>(i)] = new QLabel;
        auto *boite = new QLineEdit;
        boite->setObjectName(QString("Text1_%1").arg(i));
        boite->setMaximumWidth(80);
        text1_[static_cast<std::size_t>(i)] = boite;
        // Typing changes the model at once; the box already shows it.
        connect(boite, &QLineEdit::textEdited, this, [this, i](const QString &texte) {
            modele_.Text1[static_cast<std::size_t>(i)].SetText(texte.toStdString());
        });
        nombres->addWidget(label1_[static_cast<std::size_t>(i)]);
        nombres->addWidget(boite);
    }
    nombres->addStretch(1);
    // "Exporter": the key as a table, a KeyBase table, an LPXK document, laid out for printing,
    // or as one web page, saved to a file.
    exporter_ = bouton("Exporter");
    auto *menu = new QMenu(exporter_);
    const std::pair<const char *, FormatEchange> formats[] = {
        {"ExportTableau", FormatEchange::Tableau},
        {"ExportKeyBase", FormatEchange::KeyBase},
        {"ExportLpxk", FormatEchange::Lpxk}};
    for (std::size_t k = 0; k < std::size(formats); ++k) {
        formats_[k] = menu->addAction(QString());
        formats_[k]->setObjectName(formats[k].first);
        const FormatEchange format = formats[k].second;
        RelieClic(formats_[k], agit_, [this, format] { ExporteEchange(modele_, format); });
    }
    imprimable_ = menu->addAction(QString());
    imprimable_->setObjectName("Imprimable");
    RelieClic(imprimable_, agit_, [this] { ExporteImprimable(modele_); });
    pageWeb_ = menu->addAction(QString());
    pageWeb_->setObjectName("PageWeb");
    RelieClic(pageWeb_, agit_, [this] { ExportePageWeb(modele_); });
    exporter_->setMenu(menu);
    nombres->addWidget(exporter_);
    nombres->addWidget(command3_);
    nombres->addWidget(command2_);
    grille->addLayout(nombres, 2, 0, 1, 6);
    return cadre;
}

void FenetreOutils::lie(SuiviControles &suivi) {
    Outils &o = modele_;
    const LibellesFenetre &l = o.Principale.Libelles;
    suivi.Lie({&o.Moi}, [this, &o] {
        setWindowTitle(qs(o.Moi.Caption));
        if (o.Moi.Visible) {
            // Shown again from the menu: it comes to the front.
            show();
            raise();
            activateWindow();
        } else if (!o.Moi.Visible && isVisible()) {
            ferme_ = true;
            hide();
            ferme_ = false;
        }
    });
    for (std::size_t i = 0; i < 2; ++i) {
        suivi.Lie({&o.Text10[i]},
                  [this, i, &o] { text10_[i]->setPlainText(TexteQt(o.Text10[i].Text)); });
        suivi.Lie({&o.Text1[i], &o.Label1[i], &l}, [this, i, &o, &l] {
            if (text1_[i]->text().toStdString() != o.Text1[i].Text)
                text1_[i]->setText(qs(o.Text1[i].Text));
            label1_[i]->setText(qs(l.Legende(o.Label1[i].Caption)));
        });
    }
    suivi.Lie({&o.Label2}, [this, &o] { label2_->setText(qs(o.Label2.Caption)); });
    // The model's buttons hold French captions; the interface language names them.
    for (std::size_t i = 0; i < command1_.size(); ++i)
        LieBouton(suivi, command1_[i], o.Command1[i], &l);
    LieBouton(suivi, command2_, o.Command2, &l);
    LieBouton(suivi, command3_, o.Command3, &l);
    suivi.Lie({&l}, [this, &l] {
        for (std::size_t i = 0; i < 2; ++i) {
            copie_[i]->setText(qs(l.OutilCopier));
            enregistre_[i]->setText(qs(l.OutilEnregistrer));
        }
        exporter_->setText(qs(l.OutilExporter));
        imprimable_->setText(qs(l.OutilImprimable));
        pageWeb_->setText(qs(l.OutilPageWeb));
        formats_[0]->setText(qs(l.ExportTableau));
        formats_[1]->setText(qs(l.ExportKeyBase));
        formats_[2]->setText(qs(l.ExportLpxk));
    });
}

// The report runs on the window's thread (a few milliseconds on the largest key, its display
// a few tens): meanwhile the pointer waits and the status line says what runs; then it says how
// the report ended, with its lines or the fault that ended it.
void FenetreOutils::travaille(const QPushButton *bouton, const std::function<void()> &rapport) {
    const LibellesFenetre &l = modele_.Principale.Libelles;
    const QString quoi = bouton->text().remove(QLatin1Char('&'));
    etat_->setText(qs(l.TravailEnCours).arg(quoi));
    setCursor(Qt::WaitCursor);
    etat_->repaint();
    std::optional<std::string> faute;
    const bool fait = agit_([&] {
        faute = ExecuteGestionnaire(rapport);
        if (faute) throw ErreurExecution(*faute); // the main window reports it as well
    });
    unsetCursor();
    if (!fait)
        etat_->clear();
    else if (faute)
        etat_->setText(qs(l.TravailInterrompu).arg(quoi, qs(*faute)));
    else
        etat_->setText(qs(l.TravailTermine).arg(quoi).arg(text10_[0]->blockCount()));
}

void FenetreOutils::DoubleClicLigne(int boite, int ligne) {
    const QTextBlock bloc = Text10(boite)->document()->findBlockByNumber(ligne);
    if (!bloc.isValid()) return;
    const std::string texte = bloc.text().toStdString();
    agit_([this, texte] { Text10_DblClick(modele_, texte); });
}

bool FenetreOutils::eventFilter(QObject *objet, QEvent *evenement) {
    if (evenement->type() == QEvent::MouseButtonDblClick) {
        for (int i = 0; i < 2; ++i) {
            if (objet != Text10(i)->viewport()) continue;
            const auto *souris = static_cast<QMouseEvent *>(evenement);
            const QTextCursor curseur = Text10(i)->cursorForPosition(souris->position().toPoint());
            DoubleClicLigne(i, curseur.blockNumber());
            return true;
        }
    }
    if (objet == command1_[OutVoirCompil] && evenement->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent *>(evenement)->button() == Qt::RightButton) {
        agit_([this] { Command1_MouseMove(modele_, OutVoirCompil, BoutonDroit); });
        return true;
    }
    return QWidget::eventFilter(objet, evenement);
}

void FenetreOutils::closeEvent(QCloseEvent *event) {
    event->accept();
    // Closed by the user: the model unloads the window, and ends the editor it started.
    if (!ferme_) agit_([this] { Form_Unload(modele_); });
}

} // namespace lamelix
