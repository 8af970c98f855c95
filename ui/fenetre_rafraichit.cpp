// From the model to the widgets: each widget is bound once to the controls it shows; after every
// handler the shared tracker shows again each control whose change counter moved.

#include "platform/piege.hpp"
#include "platform/texte.hpp"
#include "ui/bandeau_flash.hpp"
#include "ui/conversions.hpp"
#include "ui/couleurs.hpp"
#include "ui/fenetre_form1.hpp"
#include "ui/fenetre_outils.hpp"
#include "ui/fenetre_principale.hpp"
#include "ui/liaison_controles.hpp"
#include "ui/liste_controle.hpp"
#include "ui/panneau_mots_cles.hpp"
#include "ui/panneau_plan.hpp"
#include "ui/panneau_traduction.hpp"
#include "ui/panneaux.hpp"

#include <algorithm>
#include <optional>
#include <utility>

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextEdit>
#include <QVBoxLayout>

namespace lamelix {

namespace {

// A menu caption as a sentence names it: without the "&" that marks its shortcut letter.
QString sansAccelerateur(const std::string &caption) {
    QString texte = qs(caption).simplified();
    texte.replace(QLatin1String("&&"), QLatin1String("\x01"));
    texte.remove(QLatin1Char('&'));
    texte.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return texte;
}

// The enlarged views are there to be read from a distance: half as large again as the text.
int tailleAgrandie(int taille) {
    return taille * 3 / 2;
}

// One paragraph per line of the model's text, its following lines indented under it: a step
// that wraps stays recognisable as one step.
void montreTexte(QTextEdit *widget, const TextBox &modele) {
    const QString texte = TexteQt(modele.Text);
    if (widget->toPlainText() != texte) {
        widget->setPlainText(texte);
        QTextCursor tout(widget->document());
        tout.select(QTextCursor::Document);
        QTextBlockFormat paragraphe;
        paragraphe.setLeftMargin(18);
        paragraphe.setTextIndent(-18);
        paragraphe.setBottomMargin(4);
        tout.mergeBlockFormat(paragraphe);
        // The newest steps are at the end: keep them in sight.
        widget->verticalScrollBar()->setValue(widget->verticalScrollBar()->maximum());
    }
    QFont police = widget->font();
    if (police.pointSize() != modele.FontSize) {
        police.setPointSize(std::clamp(modele.FontSize, 6, 48));
        widget->setFont(police);
    }
    MontreEncre(widget, QPalette::Text, modele.ForeColor);
}

void montreLibelle(QLabel *widget, const Label &modele, bool cacheSiVide) {
    widget->setText(qs(modele.Caption).trimmed());
    widget->setToolTip(qs(modele.Caption).trimmed());
    widget->setVisible(modele.Visible && !(cacheSiVide && modele.Caption.empty()));
}

} // namespace

// Each part runs even when one before failed (only memory can run out here, or a run-time error
// of a model being shown); the first fault is reported as a handler's is, and the next refresh
// shows what this one could not.
void FenetrePrincipale::Rafraichit() {
    std::optional<std::string> faute = ExecuteGestionnaire([this] { creeFenetres(); });
    if (auto erreur = suivi_.Rafraichit(); !faute) faute = std::move(erreur);
    if (auto erreur = ExecuteGestionnaire([this] { focalise(); }); !faute)
        faute = std::move(erreur);
    if (auto erreur = ExecuteGestionnaire([this] { nommeFenetres(); }); !faute)
        faute = std::move(erreur);
    if (faute) signale(*faute);
}

// The tools window and the panels that start hidden are made the first time they are to show:
// the start-up does not pay for them.
void FenetrePrincipale::creeFenetres() {
    const std::array<const void *, 5> avant{outils_.get(), form1_.get(), frame14_.get(), framePlan_,
                                            frame6_};
    if (!outils_ && outil_.Moi.Visible)
        outils_ = std::make_unique<FenetreOutils>(outil_, suivi_, agir_);
    if (!form1_ && biblio_.Moi.Visible) creeForm1();
    const Lamelix &f = modele_;
    if (!panneaux_ &&
        (f.Frame4.Visible || f.Frame7.Visible || f.Frame10.Visible || f.FrameAccueil.Visible ||
         f.FrameCfgDoc.Visible || f.Picture2.Visible || f.frmAbout.Visible))
        panneaux_ = std::make_unique<Panneaux>(modele_, documentation_, this, suivi_, agir_);
    if (!frame14_ && modele_.Frame14.Visible)
        frame14_ = std::make_unique<PanneauTraduction>(traducteur_, suivi_, agir_, this);
    if (!framePlan_ && plan_.Cadre.Visible) {
        framePlan_ = new PanneauPlan(plan_, suivi_, agir_, this);
        framePlan_->LargeurPossible = [this] { return largeurPourLePlan(); };
        addDockWidget(Qt::RightDockWidgetArea, framePlan_);
        framePlan_->hide(); // its binding shows it, at its share of the window
    }
    if (!frame6_ && modele_.Frame6.Visible) {
        frame6_ = new PanneauMotsCles(motsCles_, suivi_, agir_);
        frame6_->hide(); // its binding shows it
        colonneChoix_->insertWidget(1, frame6_);
    }
    if (avant != std::array<const void *, 5>{outils_.get(), form1_.get(), frame14_.get(),
                                             framePlan_, frame6_})
        nomsAJour_ = false; // a window came: its controls are to be named
}

// The keyboard goes where the model asks; the window shows or hides as its model does.
void FenetrePrincipale::focalise() {
    if (modele_.Focus == "List3" && list3_->isVisible()) {
        list3_->setFocus(Qt::OtherFocusReason);
        modele_.Focus.clear();
    }
    if (panneaux_) panneaux_->Focalise();
    if (frame6_) frame6_->Focalise();
    if (modele_.Moi.Visible != moiVisible_) {
        moiVisible_ = modele_.Moi.Visible;
        setVisible(moiVisible_);
    }
}

void FenetrePrincipale::lieControles() {
    Lamelix &f = modele_;
    suivi_.Lie({&f.Caption}, [this, &f] { setWindowTitle(qs(f.Caption.Caption)); });
    suivi_.Lie({&f.List1}, [this, &f] { list1_->Montre(f.List1); });
    suivi_.Lie({&f.List2}, [this, &f] { list2_->Montre(f.List2); });
    suivi_.Lie({&f.List3}, [this, &f] { list3_->Montre(f.List3); });
    lieTextes();
    lieLibelles();
    lieLegendes();
    lieBoutons();
    lieBarre();
    lieOptions();
    lieFenetres();
}

void FenetrePrincipale::lieTextes() {
    Lamelix &f = modele_;
    suivi_.Lie({&f.Text1}, [this, &f] { montreTexte(text1_, f.Text1); });
    suivi_.Lie({&f.Text5}, [this, &f] { montreTexte(text5_, f.Text5); });
    // An empty choice list says why it is empty. List1 changes with every load, search and
    // choice, which is when the reason may change.
    const LibellesFenetre &l = f.Libelles;
    suivi_.Lie({&f.List1, &f.Text2, &f.bouton[0], &f.bouton[1], &l, &f.mnuFile, &f.mnuFileItem[0]},
               [this, &f, &l] {
                   const QString retour = qs(l.RetourOuRAZ)
                                              .arg(qs(f.bouton[0].Caption).simplified(),
                                                   qs(f.bouton[1].Caption).simplified());
                   QString texte;
                   switch (PourquoiList1Vide(f)) {
                   case List1Vide::SansCle:
                       texte = qs(l.AucuneProposition) + "\n" +
                               qs(l.OuvrezUneCle)
                                   .arg(sansAccelerateur(f.mnuFile.Caption),
                                        sansAccelerateur(f.mnuFileItem[0].Caption));
                       break;
                   case List1Vide::EspeceAtteinte:
                       texte = qs(l.EspeceAtteinte) + "\n" + retour;
                       break;
                   case List1Vide::RienTrouve:
                       texte = qs(l.RienTrouve);
                       break;
                   case List1Vide::SansProposition:
                       texte = qs(l.AucuneProposition) + "\n" + retour;
                       break;
                   }
                   list1_->FixeTexteVide(texte);
               });
    suivi_.Lie({&f.Command4[Cmd4Liste], &l}, [this, &f, &l] {
        list2_->FixeTexteVide(
            qs(l.ListeVide) + "\n" +
            qs(l.MontreLaListe).arg(qs(f.Command4[Cmd4Liste].Caption).simplified()));
    });
    suivi_.Lie({&f.Text2}, [this, &f] { text2_->Montre(qs(f.Text2.Text).trimmed()); });
    suivi_.Lie({&f.zoomDesc}, [this, &f] {
        if (f.zoomDesc.Visible)
            list1_->MontreVue(TexteQt(f.zoomDesc.Text).trimmed(),
                              tailleAgrandie(f.zoomDesc.FontSize));
        else
            list1_->CacheVue();
    });
    suivi_.Lie({&f.zoomlist}, [this, &f] {
        if (f.zoomlist.Visible)
            list2_->MontreVue(TexteQt(f.zoomlist.Text).trimmed(),
                              tailleAgrandie(f.zoomlist.FontSize));
        else
            list2_->CacheVue();
    });
}

void FenetrePrincipale::lieLibelles() {
    Lamelix &f = modele_;
    const auto lie = [this](QLabel *widget, const Label &modele, bool cacheSiVide) {
        suivi_.Lie({&modele},
                   [widget, &modele, cacheSiVide] { montreLibelle(widget, modele, cacheSiVide); });
    };
    lie(label1_, f.Label1, true);
    lie(label3_, f.Label3, false);
    lie(label6_, f.Label6, true);
    lie(label7_, f.Label7, true);
    lie(label18_, f.Label18, true);
    lie(statut_, f.StatusBar1, false);
    lie(label4_, f.Label4, false);
}

// The titles of the boxes, the tooltips and what the empty boxes say, in the interface language.
void FenetrePrincipale::lieLegendes() {
    Lamelix &f = modele_;
    const LibellesFenetre &l = f.Libelles;
    suivi_.Lie({&l}, [this, &l] {
        cadreEspece_->setTitle(qs(l.TitreEspece));
        cadreChoix_->setTitle(qs(l.TitrePropositions));
        cadreSections_->setTitle(qs(l.TitreSections));
        cadreNoms_->setTitle(qs(l.TitreNoms));
        cadreComparaison_->setTitle(qs(l.TitreComparaison));
        text2_->FixeTexteVide(qs(l.EspeceNonAtteinte));
        text1_->setPlaceholderText(qs(l.CheminVide));
        text1_->setToolTip(qs(l.BulleChemin));
        text5_->setPlaceholderText(qs(l.SectionsVides));
        const std::pair<QWidget *, const std::string *> bulles[] = {
            {list1_, &l.BulleList1},
            {list2_, &l.BulleList2},
            {list3_, &l.BulleList3},
            {bouton_[0], &l.BulleRetour},
            {bouton_[1], &l.BulleRAZ},
            {command2_, &l.BulleImage},
            {label1_, &l.BulleLabel1},
            {command4_[Cmd4Liste], &l.BulleListe},
            {command4_[Cmd4Suiv], &l.BulleSuiv},
            {command4_[Cmd4Section], &l.BulleSection},
            {command4_[Cmd4CopieListe], &l.BulleCopieListe},
            {command4_[Cmd4LM1], &l.BulleLM1},
            {command4_[Cmd4LM2], &l.BulleLM2},
            {command4_[Cmd4Compare], &l.BulleCompare},
            {command4_[Cmd4Reprise], &l.BulleReprise},
            {command6_[0], &l.BulleImages},
            {command6_[1], &l.BulleBase},
            {command6_[2], &l.BulleDoc},
            {command6_[3], &l.BulleBiblio},
            {command6_[4], &l.BulleTraduire},
            {command6_[5], &l.BulleInventaire},
            {command6_[6], &l.BulleWeb},
            {command6_[7], &l.BulleRegistre},
            {command6_[8], &l.BulleWebPdf},
            {command40_, &l.BulleStop},
            {motCle_, &l.BulleMotCle},
        };
        for (const auto &[widget, bulle] : bulles)
            widget->setToolTip(qs(*bulle));
    });
    // The path's title is the model's once it has one.
    suivi_.Lie({&l, &f.Label5}, [this, &f, &l] {
        const std::string titre = SansBlancs(f.Label5.Caption);
        cadreHistorique_->setTitle(qs(titre.empty() ? l.TitreChemin : titre));
    });
    suivi_.Lie({&f.Frame8}, [this, &f] { cadreOptions_->setTitle(qs(f.Frame8.Caption)); });
    suivi_.Lie({&f.Frame11}, [this, &f] { cadreCles_->setTitle(qs(f.Frame11.Caption)); });
}

void FenetrePrincipale::lieBoutons() {
    Lamelix &f = modele_;
    for (std::size_t i = 0; i < bouton_.size(); ++i)
        LieBouton(suivi_, bouton_[i], f.bouton[i]);
    LieBouton(suivi_, command2_, f.Command2);
    for (std::size_t i = 0; i < command4_.size(); ++i)
        if (command4_[i] != nullptr) LieBouton(suivi_, command4_[i], f.Command4[i]);
    // The comparison buttons have their box while one of them shows.
    suivi_.Lie({&f.Command4[Cmd4Compare], &f.Command4[Cmd4LM1], &f.Command4[Cmd4LM2],
                &f.Command4[Cmd4Reprise]},
               [this, &f] {
                   bool comparaison = false;
                   for (std::size_t i = Cmd4Compare; i < command4_.size(); ++i)
                       comparaison = comparaison || f.Command4[i].Visible;
                   comparaison_ = comparaison;
                   disposePanneaux();
               });
}

void FenetrePrincipale::lieBarre() {
    Lamelix &f = modele_;
    // The look-ups follow the species name: bound before their buttons, so that the buttons
    // show their new state in the same refresh.
    suivi_.Lie({&f.Text2}, [&f] { f.Annexes.Text2_Change(); });
    const LibellesFenetre &l = f.Libelles;
    for (std::size_t i = 0; i < command6_.size(); ++i)
        LieBouton(suivi_, command6_[i], barre_.Command6[i], &l);
    LieBouton(suivi_, command40_, documentation_.Command40[0], &l);
    LieBouton(suivi_, motCle_, motsCles_.MotCle, &l);
}

void FenetrePrincipale::lieOptions() {
    Lamelix &f = modele_;
    LieCase(suivi_, chkFnote_, f.chk_Fnote);
    LieCase(suivi_, checkSautLigne_, f.Check_saut_ligne);
    LieCase(suivi_, checkOption0_, f.check_Option[0]);
    LieCase(suivi_, checkCompare_, f.Check_Compare);
    // The sections have their room under the path only while the option asks for them.
    suivi_.Lie({&f.check_Option[0], &f.Text5}, [this, &f] {
        cadreSections_->setVisible(f.check_Option[0].Value == 1 && f.Text5.Visible);
    });
    suivi_.Lie({&f.Frame8}, [this, &f] { cadreOptions_->setVisible(f.Frame8.Visible); });
    suivi_.Lie({&f.Frame11}, [this, &f] { cadreCles_->setVisible(f.Frame11.Visible); });
}

void FenetrePrincipale::lieFenetres() {
    Lamelix &f = modele_;
    suivi_.Lie({&f.FraFlash, &f.LblflashX}, [this, &f] {
        if (f.FraFlash.Visible)
            flash_->Montre(TexteQt(f.LblflashX.Caption), f.LblflashX.ForeColor);
        else
            flash_->Cache();
    });
}

// The comparison and bibliography window, made and bound the first time it is to show.
void FenetrePrincipale::creeForm1() {
    form1_ = std::make_unique<FenetreForm1>();
    form1_->AuFermer = Appel(agir_, [this] { Form1_Ferme(biblio_); });
    for (int i = 0; i < 2; ++i)
        RelieClic(form1_->Bouton(i), agir_, [this, i] { Command1_Click(biblio_, i); });
    // The option buttons are one group: the word clicked is the one chosen.
    for (std::size_t i = 0; i < biblio_.Option1.size(); ++i)
        RelieOption(form1_->Mot(static_cast<int>(i)), Groupe(biblio_.Option1), i, agir_);
    Lamelix &f = modele_;
    const lamelix::Form1 &w = biblio_;
    suivi_.Lie({&w.Text1}, [this, &w] { form1_->MontreTexte(TexteQt(w.Text1.Text)); });
    // Its title is the model's once it has one.
    suivi_.Lie({&w.Moi, &f.Libelles}, [this, &f, &w] {
        form1_->setWindowTitle(
            qs(w.Moi.Caption.empty() ? f.Libelles.TitreComparaison : w.Moi.Caption));
    });
    for (std::size_t i = 0; i < w.Option1.size(); ++i) {
        const OptionButton &mot = w.Option1[i];
        suivi_.Lie({&mot}, [this, i, &mot] {
            form1_->MontreMot(static_cast<int>(i), qs(mot.Caption), mot.Visible, mot.Value);
        });
    }
    std::vector<const Controle *> mots{&f.Libelles};
    for (const OptionButton &mot : w.Option1)
        mots.push_back(&mot);
    suivi_.Lie(mots, [this, &f, &w] {
        const bool unMot = std::any_of(w.Option1.begin(), w.Option1.end(),
                                       [](const OptionButton &mot) { return mot.Visible; });
        form1_->MontreCadreMots(unMot, qs(f.Libelles.MotAChercher));
    });
    for (std::size_t i = 0; i < w.Command1.size(); ++i)
        LieBouton(suivi_, form1_->Bouton(static_cast<int>(i)), w.Command1[i], &f.Libelles);
    suivi_.Lie({&w.Moi}, [this, &f, &w] {
        if (w.Moi.Visible) {
            // Form1 takes the place of this window until it is closed.
            form1_->show();
            form1_->raise();
            form1_->activateWindow();
            if (f.Moi.Visible) f.Moi.SetVisible(false);
        } else if (form1_->isVisible()) {
            form1_->hide();
        }
    });
}

} // namespace lamelix
