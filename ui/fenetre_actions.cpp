// From the user to the model: each widget event becomes the model change it stands for (the
// selected line, the value of a check box) and a call of the handler of the same name.

#include "platform/piege.hpp"
#include "search/traduction_automatique.hpp"
#include "ui/bandeau_flash.hpp"
#include "ui/fenetre_form1.hpp"
#include "ui/fenetre_principale.hpp"
#include "ui/liste_controle.hpp"

#include <exception>

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMouseEvent>
#include <QPushButton>
#include <QShortcut>
#include <QStatusBar>
#include <QTextCursor>
#include <QTextEdit>
#include <QTimer>

namespace lamelix {

bool FenetrePrincipale::agit(const std::function<void()> &action) {
    if (occupe_) return false; // a handler is waiting on the event loop: one at a time
    occupe_ = true;
    const AvantGestionnaire avant = EtatAvantGestionnaire(traducteur_);
    if (const auto erreur = ExecuteGestionnaire(action)) {
        const LibellesFenetre &l = modele_.Libelles;
        statusBar()->showMessage(erreur->empty() ? QString::fromStdString(l.ActionInterrompue)
                                                 : QString::fromStdString(l.ActionInterrompueCar)
                                                       .arg(QString::fromStdString(*erreur)),
                                 8000);
    }
    occupe_ = false;
    if (TraduitAutomatiquement(traducteur_, avant)) agit([this] { Text1_Change(traducteur_); });
    // Qt's own dialogs speak the interface language too.
    const std::string &langue = modele_.Options().LangueM;
    traduction_.Suit(langue.empty() ? "fr" : langue);
    Rafraichit();
    if (modele_.Termine && !fin_) {
        // The model ended the program: the windows go, without a second question.
        fin_ = true;
        QTimer::singleShot(0, this, [this] {
            close();
            if (AuTermine) AuTermine();
        });
    }
    return true;
}

void FenetrePrincipale::arreteRecherche() {
    const auto arrete = [this] { Command40_Click(documentation_, 0); };
    if (agit(arrete)) return;
    // The search's handler is waiting on the event loop: the request reaches the model now, and
    // the search reads it at its next file.
    ExecuteGestionnaire(arrete);
}

void FenetrePrincipale::relieListes() {
    Lamelix &f = modele_;

    // Either button selects the line it is pressed on before the handler runs: the right one
    // enlarges that line, not the one selected before.
    const auto selectionne = [](ListBox &liste, int bouton, int ligne) {
        if ((bouton == BoutonGauche || bouton == BoutonDroit) && ligne >= 0)
            liste.Selectionne(ligne);
    };
    list1_->AuBoutonEnfonce = [this, &f, selectionne](int bouton, int shift, int ligne) {
        agit([&f, selectionne, bouton, shift, ligne] {
            selectionne(f.List1, bouton, ligne);
            List1_MouseDown(f, bouton, shift);
        });
    };
    list1_->AuBoutonRelache = [this, &f](int bouton, int shift) {
        agit([&f, bouton, shift] { List1_MouseUp(f, bouton, shift); });
    };
    list1_->AuClic = [this, &f](int ligne) {
        agit([&f, ligne] {
            f.List1.Selectionne(ligne);
            List1_Click(f);
        });
    };
    list1_->AuDoubleClic = [this, &f](int ligne) {
        agit([&f, ligne] {
            f.List1.Selectionne(ligne);
            List1_DblClick(f);
        });
    };
    list1_->AuCaractere = [this, &f](int code) {
        agit([&f, code] {
            auto touche = static_cast<int16_t>(code);
            List1_KeyPress(f, touche);
        });
    };
    list1_->AuFocus = [this, &f](bool entree) {
        agit([&f, entree] { entree ? List1_GotFocus(f) : List1_LostFocus(f); });
    };
    list1_->AuCaractereVue = [this, &f](int code) {
        agit([&f, code] {
            auto touche = static_cast<int16_t>(code);
            zoomDesc_KeyPress(f, touche);
        });
    };

    list2_->AuBoutonEnfonce = [this, &f, selectionne](int bouton, int shift, int ligne) {
        agit([&f, selectionne, bouton, shift, ligne] {
            selectionne(f.List2, bouton, ligne);
            List2_MouseDown(f, bouton, shift);
        });
    };
    list2_->AuBoutonRelache = [this, &f](int bouton, int shift) {
        agit([&f, bouton, shift] { List2_MouseUp(f, bouton, shift); });
    };
    list2_->AuClic = [this, &f](int ligne) {
        agit([&f, ligne] {
            f.List2.Selectionne(ligne);
            List2_Click(f);
        });
    };

    list3_->AuBoutonEnfonce = [this, &f](int bouton, int shift, int ligne) {
        agit([&f, bouton, shift, ligne] {
            if (bouton == BoutonGauche && ligne >= 0) f.List3.Selectionne(ligne);
            List3_MouseDown(f, bouton, shift);
        });
    };
    list3_->AuClic = [this, &f](int ligne) { agit([&f, ligne] { f.List3.Selectionne(ligne); }); };
    list3_->AuDoubleClic = [this, &f](int ligne) {
        agit([&f, ligne] {
            f.List3.Selectionne(ligne);
            List3_DblClick(f);
        });
    };
    list3_->AuToucheEnfoncee = [this, &f] { agit([&f] { List3_KeyDown(f); }); };
    list3_->AuToucheRelachee = [this, &f] { agit([&f] { List3_KeyUp(f); }); };
    list3_->AuCaractere = [this, &f](int code) {
        agit([&f, code] {
            auto touche = static_cast<int16_t>(code);
            List3_KeyPress(f, touche);
        });
    };
    list3_->AuFocus = [this, &f](bool entree) {
        if (!entree) agit([&f] { List3_LostFocus(f); });
    };
}

void FenetrePrincipale::relieCommandes() {
    Lamelix &f = modele_;
    for (int i = 0; i < static_cast<int>(bouton_.size()); ++i) {
        connect(bouton_[static_cast<std::size_t>(i)], &QPushButton::clicked, this,
                [this, &f, i] { agit([&f, i] { bouton_Click(f, i); }); });
    }
    for (int i = 0; i < static_cast<int>(command4_.size()); ++i) {
        QPushButton *b = command4_[static_cast<std::size_t>(i)];
        if (b == nullptr) continue;
        connect(b, &QPushButton::clicked, this,
                [this, &f, i] { agit([&f, i] { Command4_Click(f, i); }); });
    }

    // A check box: its new value goes to the model, then its handler runs.
    const auto relie = [this](QCheckBox *boite, CheckBox &controle, std::function<void()> clic) {
        connect(boite, &QCheckBox::clicked, this, [this, &controle, clic](bool coche) {
            agit([&controle, clic, coche] {
                controle.SetValue(coche ? 1 : 0);
                clic();
            });
        });
    };
    relie(chkFnote_, f.chk_Fnote, [&f] { chk_Fnote_Click(f); });
    relie(checkSautLigne_, f.Check_saut_ligne, [&f] { Check_saut_ligne_Click(f); });
    relie(checkOption0_, f.check_Option[0], [&f] { check_Option_Click(f, 0); });
    relie(checkCompare_, f.Check_Compare, [&f] { Check_Compare_Click(f); });

    connect(command2_, &QPushButton::clicked, this,
            [this, &f] { agit([&f] { Command2_Click(f); }); });
    for (int i = 0; i < static_cast<int>(command6_.size()); ++i) {
        connect(command6_[static_cast<std::size_t>(i)], &QPushButton::clicked, this,
                [this, i] { agit([this, i] { Command6_Click(barre_, i); }); });
    }
    connect(command40_, &QPushButton::clicked, this, [this] { arreteRecherche(); });
    // "MotClé", and the desktop's usual shortcut for a search.
    const auto ouvreRecherche = [this] { agit([this] { MotCle_Click(motsCles_); }); };
    connect(motCle_, &QPushButton::clicked, this, ouvreRecherche);
    text1_->viewport()->installEventFilter(this);
    auto *chercher = new QShortcut(QKeySequence::Find, this);
    connect(chercher, &QShortcut::activated, this, ouvreRecherche);

    flash_->AuDelaiEcoule = [this, &f] {
        // While a handler waits on the event loop the panel stays; it goes right after.
        if (!agit([&f] { f.FraFlash.SetVisible(false); }))
            QTimer::singleShot(200, this, [this] { flash_->AuDelaiEcoule(); });
    };
}

bool FenetrePrincipale::eventFilter(QObject *objet, QEvent *event) {
    if (objet == text1_->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        // The paragraph under the pointer is the line of the path's text the model counts.
        const auto *souris = static_cast<QMouseEvent *>(event);
        const int ligne = text1_->cursorForPosition(souris->position().toPoint()).blockNumber();
        agit([this, ligne] { Text1_DblClick(modele_, ligne); });
        return true;
    }
    return QMainWindow::eventFilter(objet, event);
}

void FenetrePrincipale::OuvreCle(const QString &chemin) {
    const std::string cle = QDir::cleanPath(QFileInfo(chemin).absoluteFilePath()).toStdString();
    agit([this, &cle] { OuvreFichier(modele_, cle); });
}

void FenetrePrincipale::ChargeCle(const std::string &chemin) {
    agit([this, chemin] {
        std::string cle = chemin;
        lamelix::ChargeCle(modele_, cle);
    });
}

} // namespace lamelix
