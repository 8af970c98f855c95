#include "ui/panneau_mots_cles.hpp"

#include "platform/texte.hpp"
#include "ui/conversions.hpp"

#include <algorithm>

#include <QButtonGroup>
#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace lamelix {

namespace {

// A byte position of the model's UTF-8 text as a position in Qt's UTF-16 units.
int unites(const std::string &texte, int octet) {
    const auto fin = static_cast<std::size_t>(std::clamp(octet, 0, static_cast<int>(texte.size())));
    return static_cast<int>(QString::fromStdString(texte.substr(0, fin)).size());
}

} // namespace

PanneauMotsCles::PanneauMotsCles(RechercheMotCle &modele, SuiviControles &suivi, Agit agit,
                                 QWidget *parent)
    : QGroupBox(parent), r_(modele), suivi_(suivi), agit_(std::move(agit)) {
    setObjectName("Frame6");
    label2_ = new QLabel;
    label2_->setObjectName("Label2");
    auto *disposition = new QVBoxLayout(this);
    disposition->setSpacing(6);
    disposition->addLayout(mots());
    disposition->addWidget(label2_);
    disposition->addLayout(portees());
    disposition->addLayout(pied());
    Dispose(false);

    // Esc anywhere in the panel gives up, as "&Annuler" does.
    auto *echap = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    echap->setContext(Qt::WidgetWithChildrenShortcut);
    connect(echap, &QShortcut::activated, this, Appel(agit_, [this] { MoCle_Click(r_, 2); }));
    lie();
    lieMots();
    lieChoix();
}

// The two word boxes with "or" and "and" between them.
QLayout *PanneauMotsCles::mots() {
    for (std::size_t i = 0; i < textcle_.size(); ++i) {
        textcle_[i] = new QLineEdit;
        textcle_[i]->setObjectName(QString("Textcle_%1").arg(i));
        textcle_[i]->setClearButtonEnabled(true);
        // The desktop style asks a wide least width of a word box; a word needs far less, and the
        // panel must fit beside the names in a small window.
        textcle_[i]->setMinimumWidth(textcle_[i]->fontMetrics().averageCharWidth() * 10);
        textcle_[i]->installEventFilter(this);
    }
    option1_ = new QRadioButton;
    option1_->setObjectName("Option1");
    option2_ = new QRadioButton;
    option2_->setObjectName("Option2");
    auto *combinaison = new QButtonGroup(this);
    combinaison->addButton(option1_);
    combinaison->addButton(option2_);
    auto *mots = new QHBoxLayout;
    mots->setSpacing(6);
    mots->addWidget(textcle_[0], 3);
    mots->addWidget(option1_);
    mots->addWidget(option2_);
    mots->addWidget(textcle_[1], 2);
    return mots;
}

// Where the words are looked for.
QLayout *PanneauMotsCles::portees() {
    portees_ = new QGridLayout;
    portees_->setHorizontalSpacing(12);
    portees_->setVerticalSpacing(2);
    auto *groupe = new QButtonGroup(this);
    for (std::size_t i = 0; i < option3_.size(); ++i) {
        option3_[i] = new QRadioButton;
        option3_[i]->setObjectName(QString("Option3_%1").arg(i));
        groupe->addButton(option3_[i]);
    }
    return portees_;
}

// How the words compare, and the three buttons.
QLayout *PanneauMotsCles::pied() {
    check1_ = new QCheckBox;
    check1_->setObjectName("Check1");
    check2_ = new QCheckBox;
    check2_->setObjectName("Check2");
    pied_ = new QGridLayout;
    pied_->setHorizontalSpacing(8);
    for (std::size_t i = 0; i < mocle_.size(); ++i)
        mocle_[i] = bouton(QString("MoCle_%1").arg(i));
    return pied_;
}

void PanneauMotsCles::Dispose(bool etroit) {
    if (etroit_ == static_cast<int>(etroit)) return;
    etroit_ = etroit ? 1 : 0;
    const int parRang = etroit ? 2 : 4;
    for (int i = 0; i < static_cast<int>(option3_.size()); ++i) {
        portees_->removeWidget(option3_[static_cast<std::size_t>(i)]);
        portees_->addWidget(option3_[static_cast<std::size_t>(i)], i / parRang, i % parRang);
    }
    for (int c = 0; c <= 4; ++c)
        portees_->setColumnStretch(c, c == parRang ? 1 : 0);
    // Wide: the check boxes, room, then the buttons; narrow: the buttons on a row of their own.
    for (QWidget *w : {static_cast<QWidget *>(check1_), static_cast<QWidget *>(check2_)})
        pied_->removeWidget(w);
    for (QPushButton *b : mocle_)
        pied_->removeWidget(b);
    pied_->addWidget(check1_, 0, 0);
    pied_->addWidget(check2_, 0, 1, 1, etroit ? 2 : 1);
    // Narrow, the buttons start under the first check box, so the row is no wider than they are.
    for (int i = 0; i < static_cast<int>(mocle_.size()); ++i)
        pied_->addWidget(mocle_[static_cast<std::size_t>(i)], etroit ? 1 : 0, etroit ? i : i + 3);
    for (int c = 0; c <= 5; ++c)
        pied_->setColumnStretch(c, !etroit && c == 2 ? 1 : 0);
}

void PanneauMotsCles::lie() {
    Lamelix &f = r_.Principale;
    const LibellesFenetre &l = f.Libelles;
    suivi_.Lie({&f.Frame6}, [this, &f] { setVisible(f.Frame6.Visible); });
    suivi_.Lie({&l, &r_.Label2},
               [this, &f] { setTitle(qs(SansBlancs(f.Msg(MsgRechercheParMotCle)))); });

    // The label is message 20, in the interface language from the start, even before the panel
    // first opens and writes it.
    suivi_.Lie({&r_.Label2, &l},
               [this, &f] { label2_->setText(qs(SansBlancs(f.Msg(MsgMotTrouveDans)))); });
}

// The two word boxes: what the user types goes to the model at once.
void PanneauMotsCles::lieMots() {
    const LibellesFenetre &l = r_.Principale.Libelles;
    for (std::size_t i = 0; i < textcle_.size(); ++i) {
        QLineEdit *boite = textcle_[i];
        TextBox &modele = r_.Textcle[i];
        // The box already shows what the user types.
        connect(boite, &QLineEdit::textChanged, this, [this, &modele](const QString &texte) {
            if (texte.toStdString() == modele.Text) return;
            modele.SetText(texte.toStdString());
            suivi_.DejaVu(modele);
        });
        suivi_.Lie({&modele}, [boite, &modele] {
            const QString texte = qs(modele.Text);
            if (boite->text() == texte) return;
            const QSignalBlocker bloque(boite);
            boite->setText(texte);
            boite->setCursorPosition(unites(modele.Text, modele.SelStart));
        });
        suivi_.Lie({&l}, [boite, &l, i] {
            boite->setPlaceholderText(qs(i == 0 ? l.InviteMot1 : l.InviteMot2));
        });
    }
    connect(textcle_[0], &QLineEdit::returnPressed, this,
            Appel(agit_, [this] { Textcle_KeyDown(r_, 0, 13, 0); }));
}

// How the words combine, where they are looked for, how they compare, and the three buttons.
void PanneauMotsCles::lieChoix() {
    const LibellesFenetre &l = r_.Principale.Libelles;
    const std::vector<OptionButton *> combinaison{&r_.Option1, &r_.Option2};
    for (std::size_t i = 0; i < combinaison.size(); ++i) {
        QRadioButton *bouton = i == 0 ? option1_ : option2_;
        LieOption(suivi_, bouton, *combinaison[i], l);
        RelieOption(bouton, combinaison, i, agit_);
    }
    for (std::size_t i = 0; i < option3_.size(); ++i) {
        LieOption(suivi_, option3_[i], r_.Option3[i], l);
        RelieOption(option3_[i], Groupe(r_.Option3), i, agit_);
    }
    for (QCheckBox *boite : {check1_, check2_}) {
        CheckBox &modele = boite == check1_ ? r_.Check1 : r_.Check2;
        LieCase(suivi_, boite, modele, &l);
        RelieCase(boite, modele, agit_);
    }
    const std::string *bulles[] = {nullptr, &l.BulleValider, &l.BulleAnnuler};
    for (std::size_t i = 0; i < mocle_.size(); ++i) {
        LieBouton(suivi_, mocle_[i], r_.MoCle[i], &l);
        if (const std::string *bulle = bulles[i])
            suivi_.Lie({&l}, [bouton = mocle_[i], bulle] { bouton->setToolTip(qs(*bulle)); });
        const int index = static_cast<int>(i);
        RelieClic(mocle_[i], agit_, [this, index] { MoCle_Click(r_, index); });
    }
}

void PanneauMotsCles::Focalise() {
    std::string &focus = r_.Principale.Focus;
    if (focus != "Textcle0" && focus != "Textcle1") return;
    QLineEdit *boite = textcle_[focus == "Textcle0" ? 0 : 1];
    if (!boite->isVisible()) return;
    boite->setFocus(Qt::OtherFocusReason);
    boite->selectAll();
    focus.clear();
}

void PanneauMotsCles::litSelection(int i) {
    QLineEdit *boite = textcle_[static_cast<std::size_t>(i)];
    TextBox &modele = r_.Textcle[static_cast<std::size_t>(i)];
    const QString texte = boite->text();
    const int debut = boite->hasSelectedText() ? boite->selectionStart() : boite->cursorPosition();
    const int fin =
        boite->hasSelectedText() ? debut + static_cast<int>(boite->selectedText().size()) : debut;
    modele.SetSelection(OctetsUtf8(texte, debut),
                        OctetsUtf8(texte, fin) - OctetsUtf8(texte, debut));
    suivi_.DejaVu(modele);
}

bool PanneauMotsCles::eventFilter(QObject *objet, QEvent *event) {
    if (event->type() == QEvent::KeyPress) {
        auto *touche = static_cast<QKeyEvent *>(event);
        for (int i = 0; i < 2; ++i) {
            if (objet != textcle_[static_cast<std::size_t>(i)] ||
                !touche->matches(QKeySequence::Paste))
                continue;
            // The model pastes: it keeps the box to one line.
            litSelection(i);
            agit_([this, i] { Textcle_KeyDown(r_, i, 86, ToucheCtrl); });
            return true;
        }
    }
    return QGroupBox::eventFilter(objet, event);
}

} // namespace lamelix
