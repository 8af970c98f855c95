// From the user to the model: each widget event becomes the model change it stands for (the
// selected line, the value of a check box) and a call of the handler of the same name.

#include "consult/rechargement.hpp"
#include "platform/piege.hpp"
#include "search/traduction_automatique.hpp"
#include "ui/bandeau_flash.hpp"
#include "ui/conversions.hpp"
#include "ui/fenetre_form1.hpp"
#include "ui/fenetre_principale.hpp"
#include "ui/liaison_controles.hpp"
#include "ui/liste_controle.hpp"
#include "ui/veille_fichier.hpp"

#include <exception>

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMouseEvent>
#include <QPointer>
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
    if (const auto erreur = ExecuteGestionnaire(action)) signale(*erreur);
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

void FenetrePrincipale::signale(const std::string &erreur) {
    const LibellesFenetre &l = modele_.Libelles;
    statusBar()->showMessage(erreur.empty() ? qs(l.ActionInterrompue)
                                            : qs(l.ActionInterrompueCar).arg(qs(erreur)),
                             8000);
}

void FenetrePrincipale::arreteRecherche() {
    const auto arrete = [this] { Command40_Click(documentation_, 0); };
    if (agit(arrete)) return;
    // The search's handler is waiting on the event loop: the request reaches the model now, and
    // the search reads it at its next file.
    if (const auto erreur = ExecuteGestionnaire(arrete)) signale(*erreur);
}

void FenetrePrincipale::relieListes() {
    Lamelix &f = modele_;
    // Either button selects the line it is pressed on before the handler runs: the right one
    // enlarges that line, not the one selected before.
    RelieListe(list1_, f.List1, agir_,
               {.BoutonsSelectionnant = BoutonGauche | BoutonDroit,
                .Enfonce = [&f](int b, int s) { List1_MouseDown(f, b, s); },
                .Relache = [&f](int b, int s) { List1_MouseUp(f, b, s); },
                .Clic = [&f] { List1_Click(f); },
                .DoubleClic = [&f] { List1_DblClick(f); },
                .Caractere = [&f](int16_t &touche) { List1_KeyPress(f, touche); },
                .CaractereVue = [&f](int16_t &touche) { zoomDesc_KeyPress(f, touche); },
                .FocusEntre = [&f] { List1_GotFocus(f); },
                .FocusSort = [&f] { List1_LostFocus(f); }});
    RelieListe(list2_, f.List2, agir_,
               {.BoutonsSelectionnant = BoutonGauche | BoutonDroit,
                .Enfonce = [&f](int b, int s) { List2_MouseDown(f, b, s); },
                .Relache = [&f](int b, int s) { List2_MouseUp(f, b, s); },
                .Clic = [&f] { List2_Click(f); }});
    RelieListe(list3_, f.List3, agir_,
               {.Enfonce = [&f](int b, int s) { List3_MouseDown(f, b, s); },
                .DoubleClic = [&f] { List3_DblClick(f); },
                .Caractere = [&f](int16_t &touche) { List3_KeyPress(f, touche); },
                .ToucheEnfoncee = [&f] { List3_KeyDown(f); },
                .ToucheRelachee = [&f] { List3_KeyUp(f); },
                .FocusSort = [&f] { List3_LostFocus(f); }});
}

void FenetrePrincipale::relieCommandes() {
    Lamelix &f = modele_;
    for (int i = 0; i < static_cast<int>(bouton_.size()); ++i)
        RelieClic(bouton_[static_cast<std::size_t>(i)], agir_, [&f, i] { bouton_Click(f, i); });
    for (int i = 0; i < static_cast<int>(command4_.size()); ++i)
        if (QPushButton *b = command4_[static_cast<std::size_t>(i)])
            RelieClic(b, agir_, [&f, i] { Command4_Click(f, i); });
    RelieCase(chkFnote_, f.chk_Fnote, agir_, [&f] { chk_Fnote_Click(f); });
    RelieCase(checkSautLigne_, f.Check_saut_ligne, agir_, [&f] { Check_saut_ligne_Click(f); });
    RelieCase(checkOption0_, f.check_Option[0], agir_, [&f] { check_Option_Click(f, 0); });
    RelieCase(checkCompare_, f.Check_Compare, agir_, [&f] { Check_Compare_Click(f); });
    RelieClic(command2_, agir_, [&f] { Command2_Click(f); });
    for (int i = 0; i < static_cast<int>(command6_.size()); ++i)
        RelieClic(command6_[static_cast<std::size_t>(i)], agir_,
                  [this, i] { Command6_Click(barre_, i); });
    connect(command40_, &QPushButton::clicked, this, [this] { arreteRecherche(); });
    // "MotClé", and the desktop's usual shortcut for a search.
    const auto ouvreRecherche = Appel(agir_, [this] { MotCle_Click(motsCles_); });
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

void FenetrePrincipale::suitFichierCle() {
    // A change is handled as a handler; while another one runs (a dialog is open) it waits.
    veille_ = new VeilleFichier(
        [this] {
            return agit([this] {
                if (RechargeCle(modele_)) RelanceRapport(outil_);
            });
        },
        this);
    // Every load names the file to follow, a failed one too: its next good save brings it back.
    QPointer<VeilleFichier> veille = veille_;
    Lamelix &modele = modele_;
    modele_.AbonneChargement([veille, &modele] {
        if (veille) veille->Suit(qs(modele.Cle().FichierCle));
    });
}

} // namespace lamelix
