#include "ui/panneau_plan.hpp"

#include "ui/conversions.hpp"
#include "ui/couleurs.hpp"

#include <algorithm>
#include <exception>

#include <QCloseEvent>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace lamelix {

namespace {

// The rows a filter opens at once; the others open by hand.
constexpr int RangsOuvertsParFiltre = 3000;

enum Role : int { RoleGenre = Qt::UserRole, RoleLigne, RoleEntite, RolePeuple };

const QColor FondTrouve(0xff, 0xe0, 0xc2); // the peach of the keyword search's hits

NoeudPlan noeud(const QTreeWidgetItem *item) {
    return {static_cast<GenrePlan>(item->data(0, RoleGenre).toInt()),
            static_cast<int16_t>(item->data(0, RoleLigne).toInt()),
            static_cast<int16_t>(item->data(0, RoleEntite).toInt())};
}

} // namespace

PanneauPlan::PanneauPlan(PlanCle &modele, SuiviControles &suivi, Agit agit, QWidget *parent)
    : QDockWidget(parent), p_(modele), suivi_(suivi), agit_(std::move(agit)) {
    setObjectName("FramePlan");
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable |
                QDockWidget::DockWidgetFloatable);
    filtre_ = new QLineEdit;
    filtre_->setObjectName("TextFiltrePlan");
    filtre_->setClearButtonEnabled(true);
    arbre_ = new QTreeWidget;
    arbre_->setObjectName("ArbrePlan");
    arbre_->setHeaderHidden(true);
    arbre_->setColumnCount(1);
    arbre_->setUniformRowHeights(true);
    arbre_->setExpandsOnDoubleClick(false);
    arbre_->setIndentation(12);
    // A long proposition ends in "…"; its whole text is the row's tooltip.
    arbre_->setTextElideMode(Qt::ElideRight);
    arbre_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    vide_ = new QLabel;
    vide_->setObjectName("PlanVide");
    vide_->setWordWrap(true);
    vide_->setVisible(false);

    auto *fond = new QWidget;
    auto *disposition = new QVBoxLayout(fond);
    disposition->setContentsMargins(6, 4, 6, 6);
    disposition->setSpacing(4);
    disposition->addWidget(filtre_);
    disposition->addWidget(vide_);
    disposition->addWidget(arbre_, 1);
    setWidget(fond);
    lie();
}

void PanneauPlan::lie() {
    Lamelix &f = p_.Principale;
    const LibellesFenetre &l = f.Libelles;
    suivi_.Lie({&l}, [this, &l] {
        setWindowTitle(qs(l.TitrePlan));
        filtre_->setPlaceholderText(qs(l.InviteFiltrePlan));
        arbre_->setToolTip(qs(l.BullePlan));
        vide_->setText(qs(l.PlanVide));
    });
    suivi_.Lie({&p_.Cadre}, [this] {
        if (p_.Cadre.Visible && !isVisible()) elargit();
        setVisible(p_.Cadre.Visible);
    });
    if (parentWidget()) parentWidget()->installEventFilter(this);
    suivi_.Lie({&p_.Filtre}, [this] {
        if (filtre_->text().toStdString() != p_.Filtre.Text) {
            const QSignalBlocker bloque(filtre_);
            filtre_->setText(qs(p_.Filtre.Text));
        }
    });
    // The consultation moved, another key came, the filter or the language changed.
    suivi_.Lie({&p_.Cadre, &p_.Filtre, &f.Text1, &f.List1, &l}, [this] {
        if (p_.Cadre.Visible) reconstruit();
    });

    connect(filtre_, &QLineEdit::textChanged, this, [this](const QString &texte) {
        agit_([this, texte] { p_.Filtre.SetText(texte.toStdString()); });
    });
    connect(arbre_, &QTreeWidget::itemExpanded, this,
            [this](QTreeWidgetItem *item) { agit_([this, item] { peuple(item); }); });
    connect(arbre_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem *item, int) {
        const NoeudPlan n = noeud(item);
        if (n.Genre == GenrePlan::Cle || n.Genre == GenrePlan::Entite) {
            item->setExpanded(!item->isExpanded());
            return;
        }
        agit_([this, n] { Plan_DblClick(p_, n); });
    });
}

void PanneauPlan::elargit() {
    // The map takes about a third of the window, never less than it needs to be read, unless
    // the columns beside it would not fit.
    auto *fenetre = qobject_cast<QMainWindow *>(parentWidget());
    if (fenetre == nullptr || isFloating()) return;
    int largeur = std::max(260, fenetre->width() * 3 / 10);
    if (LargeurPossible) largeur = std::min(largeur, std::max(200, LargeurPossible()));
    fenetre->resizeDocks({this}, {largeur}, Qt::Horizontal);
}

bool PanneauPlan::eventFilter(QObject *objet, QEvent *event) {
    if (objet == parentWidget() && event->type() == QEvent::Resize && isVisible()) elargit();
    return QDockWidget::eventFilter(objet, event);
}

void PanneauPlan::closeEvent(QCloseEvent *event) {
    agit_([this] { p_.Cadre.SetVisible(false); });
    event->accept();
}

QTreeWidgetItem *PanneauPlan::cree(QTreeWidgetItem *parent, const NoeudPlan &n) {
    auto *item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(arbre_);
    item->setData(0, RoleGenre, static_cast<int>(n.Genre));
    item->setData(0, RoleLigne, n.Ligne);
    item->setData(0, RoleEntite, n.Entite);
    const QString texte = qs(TextePlan(p_, n));
    item->setText(0, texte);
    item->setToolTip(0, texte);
    item->setChildIndicatorPolicy(APourEnfants(p_, n)
                                      ? QTreeWidgetItem::ShowIndicator
                                      : QTreeWidgetItem::DontShowIndicatorWhenChildless);
    const EtatPlan etat = EtatNoeud(p_, n);
    QFont police = arbre_->font();
    police.setBold(etat.SurChemin || n.Genre == GenrePlan::Cle);
    police.setItalic(n.Genre == GenrePlan::Espece || n.Genre == GenrePlan::Note ||
                     n.Genre == GenrePlan::Section);
    item->setFont(0, police);
    // The path in the selection's colour, faint, the current row stronger; the hits of a filter
    // in the search's peach, in black ink whatever the theme.
    const QPalette &p = arbre_->palette();
    const QColor base = p.color(QPalette::Base), encre = p.color(QPalette::Text);
    if (n.Genre == GenrePlan::Entite || n.Genre == GenrePlan::Section || n.Genre == GenrePlan::Note)
        item->setForeground(0, Melange(encre, base, 0.3));
    if (n.Genre == GenrePlan::Espece) item->setForeground(0, Melange(encre, VertEspece, 0.6));
    if (etat.Trouve) {
        item->setBackground(0, FondTrouve);
        item->setForeground(0, EncreSur(FondTrouve));
    } else if (etat.Courant || etat.SurChemin) {
        item->setBackground(0,
                            Melange(base, p.color(QPalette::Highlight), etat.Courant ? 0.4 : 0.15));
    }
    return item;
}

void PanneauPlan::peuple(QTreeWidgetItem *item) {
    if (item->data(0, RolePeuple).toBool()) return;
    item->setData(0, RolePeuple, true);
    for (const NoeudPlan &enfant : EnfantsPlan(p_, noeud(item)))
        cree(item, enfant);
}

void PanneauPlan::ouvreFiltre(QTreeWidgetItem *item, std::vector<NoeudPlan> &ancetres,
                              int &budget) {
    const NoeudPlan n = noeud(item);
    if (budget <= 0 || !OuvertParFiltre(p_, n, ancetres)) return;
    peuple(item);
    budget -= item->childCount();
    {
        const QSignalBlocker bloque(arbre_);
        item->setExpanded(true);
    }
    ancetres.push_back(n);
    for (int i = 0; i < item->childCount(); ++i)
        ouvreFiltre(item->child(i), ancetres, budget);
    ancetres.pop_back();
}

// A fault while the tree is filled leaves it as far as it got, usable; the refresh reports it.
void PanneauPlan::reconstruit() {
    const QSignalBlocker bloque(arbre_);
    arbre_->setUpdatesEnabled(false);
    arbre_->clear();
    courant_ = nullptr;
    std::exception_ptr faute;
    try {
        remplit();
    } catch (...) {
        faute = std::current_exception();
    }
    vide_->setVisible(p_.Filtrant() && arbre_->topLevelItemCount() == 0);
    arbre_->setUpdatesEnabled(true);
    if (courant_) {
        arbre_->setCurrentItem(courant_);
        arbre_->scrollToItem(courant_, QAbstractItemView::PositionAtCenter);
    }
    if (faute) std::rethrow_exception(faute);
}

void PanneauPlan::remplit() {
    PreparePlan(p_);
    for (const NoeudPlan &r : RacinesPlan(p_))
        cree(nullptr, r);
    if (p_.Filtrant()) {
        std::vector<NoeudPlan> ancetres;
        int budget = RangsOuvertsParFiltre;
        for (int i = 0; i < arbre_->topLevelItemCount(); ++i)
            ouvreFiltre(arbre_->topLevelItem(i), ancetres, budget);
        return;
    }
    // Down the path taken: each row of it is a child of the one before.
    QTreeWidgetItem *ici = nullptr;
    for (const NoeudPlan &n : CheminPlan(p_)) {
        QTreeWidgetItem *suivant = nullptr;
        const int compte = ici ? ici->childCount() : arbre_->topLevelItemCount();
        for (int i = 0; i < compte && !suivant; ++i) {
            QTreeWidgetItem *candidat = ici ? ici->child(i) : arbre_->topLevelItem(i);
            if (noeud(candidat) == n) suivant = candidat;
        }
        if (!suivant) break;
        if (ici) ici->setExpanded(true);
        ici = suivant;
        peuple(ici);
    }
    if (ici) {
        ici->setExpanded(true);
        courant_ = ici;
    }
}

} // namespace lamelix
