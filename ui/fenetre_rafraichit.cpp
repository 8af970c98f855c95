// From the model to the widgets: each widget is bound once to the controls it shows; after every
// handler the shared tracker shows again each control whose change counter moved.

#include "platform/texte.hpp"
#include "ui/bandeau_flash.hpp"
#include "ui/conversions.hpp"
#include "ui/fenetre_form1.hpp"
#include "ui/fenetre_principale.hpp"
#include "ui/liste_controle.hpp"
#include "ui/panneaux.hpp"

#include <algorithm>

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextEdit>

namespace lamelix {

namespace {

QString qs(const std::string &s) {
    return QString::fromStdString(s);
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
    widget->setStyleSheet(
        QString("QTextEdit { color: %1; }").arg(CouleurQt(modele.ForeColor).name()));
}

void montreLibelle(QLabel *widget, const Label &modele, bool cacheSiVide) {
    widget->setText(qs(modele.Caption).trimmed());
    widget->setToolTip(qs(modele.Caption).trimmed());
    widget->setVisible(modele.Visible && !(cacheSiVide && modele.Caption.empty()));
}

void montreBouton(QPushButton *widget, const CommandButton &modele) {
    widget->setText(qs(modele.Caption).simplified());
    widget->setEnabled(modele.Enabled);
    widget->setVisible(modele.Visible);
    widget->setDefault(modele.Default);
}

void montreCase(QCheckBox *widget, const CheckBox &modele) {
    const QSignalBlocker bloque(widget);
    widget->setText(qs(modele.Caption));
    widget->setChecked(modele.Value == 1);
    widget->setEnabled(modele.Enabled);
    widget->setVisible(modele.Visible);
}

} // namespace

void FenetrePrincipale::Rafraichit() {
    try {
        suivi_.Rafraichit();
        if (modele_.Focus == "List3" && list3_->isVisible()) {
            list3_->setFocus(Qt::OtherFocusReason);
            modele_.Focus.clear();
        }
        panneaux_->Focalise();
        if (modele_.Moi.Visible != moiVisible_) {
            moiVisible_ = modele_.Moi.Visible;
            setVisible(moiVisible_);
        }
    } catch (const std::exception &) {
        // Only memory can run out here; the next refresh shows what this one could not.
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
    lieBoutons();
    lieOptions();
    lieFenetres();
}

void FenetrePrincipale::lieTextes() {
    Lamelix &f = modele_;
    suivi_.Lie({&f.Text1}, [this, &f] { montreTexte(text1_, f.Text1); });
    suivi_.Lie({&f.Text5}, [this, &f] { montreTexte(text5_, f.Text5); });
    // An empty choice list says why it is empty.
    suivi_.Lie({&f.Text2, &f.bouton[0], &f.bouton[1]}, [this, &f] {
        list1_->FixeTexteVide(
            f.Text2.Text.empty()
                ? tr("Aucune proposition à afficher.\nOuvrez une clé par Fichier ▸ Ouvrir...")
                : tr("Espèce atteinte.\n« %1 » revient au choix précédent, « %2 » recommence la "
                     "clé.")
                      .arg(qs(f.bouton[0].Caption).simplified(),
                           qs(f.bouton[1].Caption).simplified()));
    });
    suivi_.Lie({&f.Command4[Cmd4Liste]}, [this, &f] {
        list2_->FixeTexteVide(tr("Liste vide.\n« %1 » montre toutes les espèces de la clé.")
                                  .arg(qs(f.Command4[Cmd4Liste].Caption).simplified()));
    });
    suivi_.Lie({&f.Text2}, [this, &f] {
        const QString espece = qs(f.Text2.Text).trimmed();
        text2_->setText(espece);
        text2_->setCursorPosition(0);
        text2_->setStyleSheet(espece.isEmpty() ? "QLineEdit { padding: 5px 8px; }"
                                               : "QLineEdit { color: #1b5e2b; background: #eaf5e9;"
                                                 " border: 1px solid #8cbf95; border-radius: 4px;"
                                                 " padding: 5px 8px; }");
    });
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
    suivi_.Lie({&f.Label5}, [this, &f] {
        if (!f.Label5.Caption.empty()) cadreHistorique_->setTitle(qs(SansBlancs(f.Label5.Caption)));
    });
}

void FenetrePrincipale::lieBoutons() {
    Lamelix &f = modele_;
    for (std::size_t i = 0; i < bouton_.size(); ++i)
        suivi_.Lie({&f.bouton[i]}, [this, &f, i] { montreBouton(bouton_[i], f.bouton[i]); });
    for (std::size_t i = 0; i < command4_.size(); ++i) {
        if (command4_[i] == nullptr) continue;
        suivi_.Lie({&f.Command4[i]}, [this, &f, i] { montreBouton(command4_[i], f.Command4[i]); });
    }
    // The comparison buttons have their box while one of them shows.
    suivi_.Lie({&f.Command4[Cmd4Compare], &f.Command4[Cmd4LM1], &f.Command4[Cmd4LM2],
                &f.Command4[Cmd4Reprise]},
               [this, &f] {
                   bool comparaison = false;
                   for (std::size_t i = Cmd4Compare; i < command4_.size(); ++i)
                       comparaison = comparaison || f.Command4[i].Visible;
                   cadreComparaison_->setVisible(comparaison);
               });
}

void FenetrePrincipale::lieOptions() {
    Lamelix &f = modele_;
    const auto lie = [this](QCheckBox *widget, const CheckBox &modele) {
        suivi_.Lie({&modele}, [widget, &modele] { montreCase(widget, modele); });
    };
    lie(chkFnote_, f.chk_Fnote);
    lie(checkSautLigne_, f.Check_saut_ligne);
    lie(checkOption0_, f.check_Option[0]);
    lie(checkCompare_, f.Check_Compare);
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
    const lamelix::Form1 &w = biblio_;
    suivi_.Lie({&w.Text1}, [this, &w] { form1_->MontreTexte(TexteQt(w.Text1.Text)); });
    suivi_.Lie({&w.Moi}, [this, &f, &w] {
        if (!w.Moi.Caption.empty()) form1_->setWindowTitle(qs(w.Moi.Caption));
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
