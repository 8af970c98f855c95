#pragma once

#include "app/application.hpp"
#include "ui/boite_nom.hpp"
#include "ui/liaison_controles.hpp"
#include "ui/liste_controle.hpp"
#include "ui/suivi_controles.hpp"
#include "ui/traduction_qt.hpp"

#include <array>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <QElapsedTimer>
#include <QMainWindow>

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QScrollArea;
class QSplitter;
class QTextEdit;
class QVBoxLayout;

namespace lamelix {

class BandeauFlash;
class FenetreForm1;
class FenetreOutils;
class Panneaux;
class PanneauMotsCles;
class PanneauPlan;
class PanneauTraduction;
class VeilleFichier;

// The consultation window: one widget per control of the window model. It forwards the user's
// actions to the model's procedures and, after each of them, shows the controls that changed.
class FenetrePrincipale : public QMainWindow {
    Q_OBJECT

  public:
    explicit FenetrePrincipale(Application &app, QWidget *parent = nullptr);
    ~FenetrePrincipale() override;

    // Compiles the key at this path and starts the consultation.
    void ChargeCle(const std::string &chemin);
    // What "Ouvrir..." does once a file is chosen: the key becomes the current key, is loaded,
    // its names are listed and it joins the list of opened keys.
    void OuvreCle(const QString &chemin);
    // Shows every control whose model changed since the last call.
    void Rafraichit();

    ListeControle *List1() const { return list1_; }
    ListeControle *List2() const { return list2_; }
    ListeControle *List3() const { return list3_; }
    QTextEdit *Text1() const { return text1_; }
    BoiteEspece *Text2() const { return text2_; }
    QTextEdit *Text5() const { return text5_; }
    QPushButton *Bouton(int index) const { return bouton_.at(static_cast<std::size_t>(index)); }
    // nullptr for the indexes that have no action (1 to 3).
    QPushButton *Command4(int index) const { return command4_.at(static_cast<std::size_t>(index)); }
    BandeauFlash *Flash() const { return flash_; }
    FenetreForm1 *Form1() const { return form1_.get(); } // once shown
    // The tools window, created the first time "Mise au point" shows it (nullptr until then).
    FenetreOutils *Outils_() const { return outils_.get(); }
    Panneaux *Panneaux_() const { return panneaux_.get(); } // once one of them shows
    QPushButton *Command2() const { return command2_; }
    // The keyword panel and the button that opens it.
    PanneauMotsCles *Frame6() const { return frame6_; } // once shown
    QPushButton *MotCle() const { return motCle_; }
    PanneauTraduction *Frame14() const { return frame14_.get(); } // once shown
    // The key map, docked at the right.
    PanneauPlan *FramePlan() const { return framePlan_; } // once shown
    // The look-ups of the species reached (the button bar Frame9) and the documentation
    // search's stop button.
    QPushButton *Command6(int index) const { return command6_.at(static_cast<std::size_t>(index)); }
    QWidget *Frame9() const { return frame9_; }
    QPushButton *Command40() const { return command40_; }
    // The columns, which scroll when the window is smaller than they need.
    QScrollArea *Defilement() const { return defilement_; }
    const TraductionQt &TraductionDeQt() const { return traduction_; }
    // The watch on the key's file.
    VeilleFichier *Veille() const { return veille_; }
    // The menu action of that object name (such as "mnuFileItem_4").
    QAction *Action(const char *nom) const;

    // Creation, then the start-up sequence at the first activation.
    void Demarre();
    void Active();
    // Called when the model has been asked to end the program.
    std::function<void()> AuTermine;

  protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    // Esc closes the open panel, Backspace is the back step, when the widget with the keyboard
    // has no use for them.
    void keyPressEvent(QKeyEvent *event) override;
    // A double click on a step of the path Text1.
    bool eventFilter(QObject *objet, QEvent *event) override;

  private:
    // Construction (fenetre_principale.cpp).
    QWidget *colonneChoix();
    QWidget *colonneHistorique();
    QWidget *colonneNoms();
    void creeBarreEtat();
    // Below this width the display options go one under the other.
    static constexpr int LargeurEtroite = 1100;
    void disposeOptions(bool etroite);
    // The look-ups in rows of five, or of three in a narrow window.
    void disposeBarre(bool etroite);
    // Below this height the keyword panel takes the place of the species box while it is empty.
    static constexpr int HauteurBasse = 720;
    // The open panels in a small window (fenetre_place.cpp): the keyword panel narrow and in
    // the species box's place, the key map in the path column's place, the opened keys in the
    // comparison box's.
    void disposePanneaux();
    void ajusteBoutonsChoix();
    void placePanneaux();
    int largeurPourLePlan() const;

    // Keyboard and screen readers (fenetre_clavier.cpp): names, focus order, Esc and Backspace,
    // the species reached announced.
    void rendAccessible();
    void ordreTabulation();
    void annonceEspece();
    bool fermePanneau();
    void nommeFenetres();
    // Size and place on the screen the window opens on, with the frame around it.
    void placeSurEcran(const QMargins &cadre);

    // The menu bar (fenetre_menus.cpp).
    void creeMenus();
    void creeMenuFichier();
    void creeMenuEdition();
    void creeMenuOptions();
    void creeMenuOutils();
    void creeMenuAide();
    QAction *element(QMenu *menu, MenuItem &item, const char *nom, std::function<void()> clic,
                     bool cochable = false);
    QMenu *sousMenu(QMenu *parent, MenuItem &item, const char *nom);
    // Binds a menu action to its item model.
    void lieMenu(const MenuItem &item, QAction *action);

    // From the user to the model (fenetre_actions.cpp).
    void relieListes();
    void relieCommandes();
    // The key's file watched from each load on: changed on disk, it is loaded again.
    void suitFichierCle();
    // Runs one handler: never while another runs, never letting an exception out, and shows
    // the result. Returns false when the action was refused because a handler is running.
    bool agit(const std::function<void()> &action);
    Agit agir_ = [this](const std::function<void()> &action) { return agit(action); };
    // The stop button of the documentation search: its handler is the one made to run while
    // the search's handler waits on the event loop, so it runs even then.
    void arreteRecherche();

    // From the model to the widgets (fenetre_rafraichit.cpp).
    void lieControles();
    void lieTextes();
    void lieLibelles();
    void lieLegendes();
    void lieBoutons();
    void lieBarre();
    void lieOptions();
    void lieFenetres();
    void creeForm1();
    void creeFenetres();
    void focalise();
    // Reports a fault that ended a handler or a refresh, on the status bar.
    void signale(const std::string &erreur);

    Lamelix &modele_;
    lamelix::Form1 &biblio_; // the bibliography window's model
    RechercheMotCle &motsCles_;
    Traduction &traducteur_;
    BarreWeb &barre_; // the look-ups of the species reached
    RechercheDocumentation &documentation_;
    PlanCle &plan_; // the key map's model

    ListeControle *list1_, *list2_, *list3_;
    QTextEdit *text1_, *text5_;
    BoiteEspece *text2_;
    QLabel *label1_, *label3_, *label4_, *label6_, *label7_, *label18_, *statut_;
    QPushButton *command2_ = nullptr;
    QPushButton *motCle_ = nullptr;
    PanneauMotsCles *frame6_ = nullptr;
    QVBoxLayout *colonneChoix_ = nullptr; // the species, the keyword panel, the choices
    PanneauPlan *framePlan_ = nullptr;
    QGroupBox *cadreHistorique_ = nullptr;
    QGroupBox *cadreEspece_ = nullptr, *cadreChoix_ = nullptr, *cadreNoms_ = nullptr;
    QScrollArea *defilement_ = nullptr;
    QSplitter *separation_ = nullptr;
    QWidget *colonneHistorique_ = nullptr;
    bool comparaison_ = false; // a comparison button shows
    QString especeAnnoncee_;   // the species reached last told to the screen reader
    bool nomsAJour_ = false;   // the accessible names follow the captions shown
    std::array<QPushButton *, 2> bouton_{};
    std::array<QPushButton *, 11> command4_{};
    std::array<QPushButton *, 9> command6_{};
    QWidget *frame9_ = nullptr;
    QPushButton *command40_ = nullptr;
    int barreEtroite_ = -1; // the look-ups three a row (1) or five a row (0)
    QCheckBox *chkFnote_, *checkSautLigne_, *checkOption0_, *checkCompare_;
    QGroupBox *cadreSections_, *cadreOptions_, *cadreComparaison_, *cadreCles_;
    std::vector<QAction *> actions_; // the menu actions, found by their object names
    std::unique_ptr<Panneaux> panneaux_;
    std::unique_ptr<PanneauTraduction> frame14_;
    BandeauFlash *flash_;
    std::unique_ptr<FenetreForm1> form1_;
    lamelix::Outils &outil_;                // the tools window's model
    VeilleFichier *veille_ = nullptr;       // the watch on the key's file
    std::unique_ptr<FenetreOutils> outils_; // its window, once shown

    SuiviControles suivi_; // what every window's widgets show
    TraductionQt traduction_;
    bool placee_ = false;           // Demarre has sized the window
    bool cadreConnu_ = false;       // the window manager's frame has been seen
    QSize tailleChoisie_;           // the size Demarre gave
    QElapsedTimer depuisAffichage_; // since the window first showed
    int optionsEtroites_ = -1;      // the display options one under the other (1) or two a row (0)
    bool occupe_ = false;
    bool moiVisible_ = true;
    bool fin_ = false; // the model has ended the program: the window closes without asking
};

} // namespace lamelix
