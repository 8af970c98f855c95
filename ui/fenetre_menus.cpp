// The menu bar: every item is bound to its menu-item model (caption, check, enabled, visible)
// and runs the handler of the same name.

#include "tools/echange_fenetre.hpp"
#include "ui/conversions.hpp"
#include "ui/fenetre_principale.hpp"
#include "ui/liaison_controles.hpp"
#include "ui/panneaux.hpp"

#include <utility>

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace lamelix {

QAction *FenetrePrincipale::element(QMenu *menu, MenuItem &item, const char *nom,
                                    std::function<void()> clic, bool cochable) {
    QAction *action = menu->addAction(QString());
    action->setObjectName(nom);
    action->setCheckable(cochable);
    RelieMenu(action, item, agir_, std::move(clic));
    lieMenu(item, action);
    return action;
}

QMenu *FenetrePrincipale::sousMenu(QMenu *parent, MenuItem &item, const char *nom) {
    QMenu *menu = parent ? parent->addMenu(QString()) : menuBar()->addMenu(QString());
    menu->setObjectName(nom);
    lieMenu(item, menu->menuAction());
    return menu;
}

void FenetrePrincipale::creeMenus() {
    creeMenuFichier();
    creeMenuEdition();
    creeMenuOptions();
    creeMenuOutils();
    creeMenuAide();
}

void FenetrePrincipale::creeMenuFichier() {
    Lamelix &f = modele_;
    QMenu *fichier = sousMenu(nullptr, f.mnuFile, "mnuFile");
    const auto item = [this, &f, fichier](int i, const char *nom) {
        return element(fichier, f.mnuFileItem[static_cast<std::size_t>(i)], nom,
                       [&f, i] { mnuFileItem_Click(f, i); });
    };
    item(FichierOuvrir, "mnuFileItem_0")->setShortcut(QKeySequence::Open);
    // "Importer...": a key of another system (table, LPXK, KeyBase project) made a key file.
    QAction *importer = fichier->addAction(QString());
    importer->setObjectName("mnuImporter");
    RelieClic(importer, agir_, [&f] { ImporteFichier(f); });
    actions_.push_back(importer);
    suivi_.Lie({&f.Libelles}, [importer, &f] { importer->setText(qs(f.Libelles.MenuImporter)); });
    item(FichierClesOuvertes, "mnuFileItem_1");
    item(FichierExporter, "mnuFileItem_2")->setShortcut(QKeySequence::Save);
    fichier->addSeparator();
    item(FichierSession, "mnuFileItem_3");
    fichier->addSeparator();
    item(FichierQuitter, "mnuFileItem_4")->setShortcut(QKeySequence::Quit);
}

// Every Edit action works on the selection of the settings view: it is read first.
void FenetrePrincipale::creeMenuEdition() {
    Lamelix &f = modele_;
    QMenu *edition = sousMenu(nullptr, f.mnuEdit, "mnuEdit");
    connect(edition, &QMenu::aboutToShow, this, Appel(agir_, [this, &f] {
                if (panneaux_) panneaux_->LitSelection();
                mnuEdit_Click(f);
            }));
    for (int i = 0; i < 4; ++i) {
        static const char *const noms[] = {"mnuEditItem_0", "mnuEditItem_1", "mnuEditItem_2",
                                           "mnuEditItem_3"};
        element(edition, f.mnuEditItem[static_cast<std::size_t>(i)], noms[i], [this, &f, i] {
            if (panneaux_) panneaux_->LitSelection();
            mnuEditItem_Click(f, i);
        });
        if (i == 2) edition->addSeparator();
    }
    // The key map: an item of the panel's own, its caption in the interface language.
    edition->addSeparator();
    QAction *plan = edition->addAction(QString());
    plan->setObjectName("mnuPlan");
    plan->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
    RelieClic(plan, agir_, [this] { MnuPlan_Click(plan_); });
    actions_.push_back(plan);
    suivi_.Lie({&f.Libelles}, [plan, &f] { plan->setText(qs(f.Libelles.MenuPlan)); });
}

void FenetrePrincipale::creeMenuOptions() {
    Lamelix &f = modele_;
    QMenu *options = sousMenu(nullptr, f.mnuSettings, "mnuSettings");
    QMenu *tailles = sousMenu(options, f.mnuSettingsItem[0], "mnuSettingsItem_0");
    for (int i = 2; i <= 7; ++i)
        element(
            tailles, f.mnuFontSizesItem[static_cast<std::size_t>(i)],
            qPrintable(QString("mnuFontSizesItem_%1").arg(i)),
            [&f, i] { mnuFontSizesItem_Click(f, i); }, true);
    element(
        options, f.Mnuprefx[0], "Mnuprefx_0", [&f] { Mnuprefx_Click(f, 0); }, true);
    element(options, f.exFlagOption, "exFlagOption", [&f] { exFlagOption_Click(f); });
    element(
        options, f.MnExec, "MnExec", [&f] { MnExec_Click(f); }, true);
    element(options, f.MnuMemo, "MnuMemo", [&f] { MnuMemo_Click(f); });
    options->addSeparator();
    for (int i = 0; i < 3; ++i)
        element(options, f.MnuOptFic_xy[static_cast<std::size_t>(i)],
                qPrintable(QString("MnuOptFic_xy_%1").arg(i)),
                [&f, i] { MnuOptFic_xy_Click(f, i); });
    element(
        options, f.FlagPattern[0], "FlagPattern_0", [&f] { FlagPattern_Click(f, 0); }, true);
    QMenu *absents = sousMenu(options, f.MnuFicExtrTitre, "FicExtr");
    for (int i = 1; i <= 2; ++i)
        element(
            absents, f.FicExtr[static_cast<std::size_t>(i)],
            qPrintable(QString("FicExtr_%1").arg(i)), [&f, i] { FicExtr_Click(f, i); }, true);
    QMenu *langues = sousMenu(options, f.MnuLangueTitre, "MnLang");
    for (int i = 1; i <= 8; ++i)
        element(
            langues, f.MnLang[static_cast<std::size_t>(i)], qPrintable(QString("MnLang_%1").arg(i)),
            [&f, i] { MnLang_Click(f, i); }, true);
    options->addSeparator();
    element(options, f.MnuSavIni_xy, "MnuSavIni_xy", [&f] { MnuSavIni_xy_Click(f); });
}

// The tools, then "Suivants", an action of the menu bar itself.
void FenetrePrincipale::creeMenuOutils() {
    Lamelix &f = modele_;
    QMenu *outils = sousMenu(nullptr, f.MnuOutils, "MnuOutils");
    QMenu *exporter = sousMenu(outils, f.MnOutil[1], "MnOutil_1");
    for (int i : {1, 5, 6})
        element(exporter, f.MnSOut[static_cast<std::size_t>(i)],
                qPrintable(QString("MnSOut_%1").arg(i)), [&f, i] { f.Annexes.MnSOut_Click(i); });
    for (int i : {10, 20, 30})
        element(
            outils, f.MnOutil[static_cast<std::size_t>(i)],
            qPrintable(QString("MnOutil_%1").arg(i)), [&f, i] { MnOutil_Click(f, i); }, i == 30);

    QAction *suivants = menuBar()->addAction(QString());
    suivants->setObjectName("Mnusuiv");
    RelieClic(suivants, agir_, [&f] { Mnusuiv_Click(f); });
    lieMenu(f.Mnusuiv, suivants);
}

void FenetrePrincipale::creeMenuAide() {
    Lamelix &f = modele_;
    QMenu *aide = sousMenu(nullptr, f.mnuAideTitre, "mnuAide");
    element(aide, f.MnuAide, "MnuAide", [&f] {
        MnuAide_Click(f);
    })->setShortcut(QKeySequence::HelpContents);
    element(aide, f.MnuAvert, "AfficheAvert", [&f] { AfficheAvert(f); });
    aide->addSeparator();
    element(aide, f.MnuApropos, "frmAbout", [&f] { f.frmAbout.SetVisible(true); });
}

void FenetrePrincipale::lieMenu(const MenuItem &item, QAction *action) {
    actions_.push_back(action);
    LieMenu(suivi_, action, item);
}

QAction *FenetrePrincipale::Action(const char *nom) const {
    for (QAction *action : actions_)
        if (action->objectName() == QLatin1String(nom)) return action;
    return findChild<QAction *>(nom);
}

} // namespace lamelix
