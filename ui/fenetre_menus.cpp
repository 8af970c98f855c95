// The menu bar: every item is bound to its menu-item model (caption, check, enabled, visible)
// and runs the handler of the same name.

#include "ui/fenetre_principale.hpp"
#include "ui/panneaux.hpp"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QSignalBlocker>

namespace lamelix {

QAction *FenetrePrincipale::element(QMenu *menu, MenuItem &item, const char *nom,
                                    std::function<void()> clic, bool cochable) {
    QAction *action = menu->addAction(QString());
    action->setObjectName(nom);
    action->setCheckable(cochable);
    connect(action, &QAction::triggered, this, [this, clic, action, &item] {
        agit(clic);
        // A checkable item toggles itself when clicked: the model's check always wins.
        const QSignalBlocker bloque(action);
        action->setChecked(item.Checked);
    });
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
    Lamelix &f = modele_;

    QMenu *fichier = sousMenu(nullptr, f.mnuFile, "mnuFile");
    element(fichier, f.mnuFileItem[FichierOuvrir], "mnuFileItem_0", [&f] {
        mnuFileItem_Click(f, FichierOuvrir);
    })->setShortcut(QKeySequence::Open);
    element(fichier, f.mnuFileItem[FichierClesOuvertes], "mnuFileItem_1",
            [&f] { mnuFileItem_Click(f, FichierClesOuvertes); });
    element(fichier, f.mnuFileItem[FichierExporter], "mnuFileItem_2", [&f] {
        mnuFileItem_Click(f, FichierExporter);
    })->setShortcut(QKeySequence::Save);
    fichier->addSeparator();
    element(fichier, f.mnuFileItem[FichierSession], "mnuFileItem_3",
            [&f] { mnuFileItem_Click(f, FichierSession); });
    fichier->addSeparator();
    element(fichier, f.mnuFileItem[FichierQuitter], "mnuFileItem_4", [&f] {
        mnuFileItem_Click(f, FichierQuitter);
    })->setShortcut(QKeySequence::Quit);

    QMenu *edition = sousMenu(nullptr, f.mnuEdit, "mnuEdit");
    connect(edition, &QMenu::aboutToShow, this, [this, &f] {
        agit([this, &f] {
            if (panneaux_) panneaux_->LitSelection();
            mnuEdit_Click(f);
        });
    });
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
    connect(plan, &QAction::triggered, this, [this] { agit([this] { MnuPlan_Click(plan_); }); });
    actions_.push_back(plan);
    suivi_.Lie({&f.Libelles},
               [plan, &f] { plan->setText(QString::fromStdString(f.Libelles.MenuPlan)); });

    QMenu *options = sousMenu(nullptr, f.mnuSettings, "mnuSettings");
    QMenu *tailles = sousMenu(options, f.mnuSettingsItem[0], "mnuSettingsItem_0");
    for (int i = 2; i <= 7; ++i) {
        static const char *const noms[] = {"",
                                           "",
                                           "mnuFontSizesItem_2",
                                           "mnuFontSizesItem_3",
                                           "mnuFontSizesItem_4",
                                           "mnuFontSizesItem_5",
                                           "mnuFontSizesItem_6",
                                           "mnuFontSizesItem_7"};
        element(
            tailles, f.mnuFontSizesItem[static_cast<std::size_t>(i)], noms[i],
            [&f, i] { mnuFontSizesItem_Click(f, i); }, true);
    }
    element(
        options, f.Mnuprefx[0], "Mnuprefx_0", [&f] { Mnuprefx_Click(f, 0); }, true);
    element(options, f.exFlagOption, "exFlagOption", [&f] { exFlagOption_Click(f); });
    element(
        options, f.MnExec, "MnExec", [&f] { MnExec_Click(f); }, true);
    element(options, f.MnuMemo, "MnuMemo", [&f] { MnuMemo_Click(f); });
    options->addSeparator();
    element(options, f.MnuOptFic_xy[0], "MnuOptFic_xy_0", [&f] { MnuOptFic_xy_Click(f, 0); });
    element(options, f.MnuOptFic_xy[1], "MnuOptFic_xy_1", [&f] { MnuOptFic_xy_Click(f, 1); });
    element(options, f.MnuOptFic_xy[2], "MnuOptFic_xy_2", [&f] { MnuOptFic_xy_Click(f, 2); });
    element(
        options, f.FlagPattern[0], "FlagPattern_0", [&f] { FlagPattern_Click(f, 0); }, true);
    QMenu *absents = sousMenu(options, f.MnuFicExtrTitre, "FicExtr");
    element(
        absents, f.FicExtr[1], "FicExtr_1", [&f] { FicExtr_Click(f, 1); }, true);
    element(
        absents, f.FicExtr[2], "FicExtr_2", [&f] { FicExtr_Click(f, 2); }, true);
    QMenu *langues = sousMenu(options, f.MnuLangueTitre, "MnLang");
    for (int i = 1; i <= 8; ++i) {
        static const char *const noms[] = {"",         "MnLang_1", "MnLang_2",
                                           "MnLang_3", "MnLang_4", "MnLang_5",
                                           "MnLang_6", "MnLang_7", "MnLang_8"};
        element(
            langues, f.MnLang[static_cast<std::size_t>(i)], noms[i],
            [&f, i] { MnLang_Click(f, i); }, true);
    }
    options->addSeparator();
    element(options, f.MnuSavIni_xy, "MnuSavIni_xy", [&f] { MnuSavIni_xy_Click(f); });

    QMenu *outils = sousMenu(nullptr, f.MnuOutils, "MnuOutils");
    QMenu *exporter = sousMenu(outils, f.MnOutil[1], "MnOutil_1");
    for (int i : {1, 5, 6}) {
        static const char *const noms[] = {"", "MnSOut_1", "", "", "", "MnSOut_5", "MnSOut_6"};
        element(exporter, f.MnSOut[static_cast<std::size_t>(i)], noms[i],
                [&f, i] { f.Annexes.MnSOut_Click(i); });
    }
    element(outils, f.MnOutil[10], "MnOutil_10", [&f] { MnOutil_Click(f, 10); });
    element(outils, f.MnOutil[20], "MnOutil_20", [&f] { MnOutil_Click(f, 20); });
    element(
        outils, f.MnOutil[30], "MnOutil_30", [&f] { MnOutil_Click(f, 30); }, true);

    QAction *suivants = menuBar()->addAction(QString());
    suivants->setObjectName("Mnusuiv");
    connect(suivants, &QAction::triggered, this, [this, &f] { agit([&f] { Mnusuiv_Click(f); }); });
    lieMenu(f.Mnusuiv, suivants);

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
    suivi_.Lie({&item}, [action, &item] {
        const QSignalBlocker bloque(action);
        action->setText(QString::fromStdString(item.Caption));
        action->setChecked(item.Checked);
        action->setEnabled(item.Enabled);
        action->setVisible(item.Visible);
    });
}

QAction *FenetrePrincipale::Action(const char *nom) const {
    for (QAction *action : actions_)
        if (action->objectName() == QLatin1String(nom)) return action;
    return findChild<QAction *>(nom);
}

} // namespace lamelix
