// From the model to the widgets: after every handler, each control whose change counter moved
// is shown again.

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

bool FenetrePrincipale::nouveau(const Controle &controle) {
    auto [vu, premier] = vus_.try_emplace(&controle, controle.Version);
    if (premier) return true;
    if (vu->second == controle.Version) return false;
    vu->second = controle.Version;
    return true;
}

bool FenetrePrincipale::nouveaux(std::initializer_list<const Controle *> controles) {
    bool change = false;
    for (const Controle *c : controles)
        change = nouveau(*c) || change; // every counter is recorded, none is skipped
    return change;
}

void FenetrePrincipale::Rafraichit() {
    try {
        if (nouveau(modele_.Caption)) setWindowTitle(qs(modele_.Caption.Caption));
        if (nouveau(modele_.List1)) list1_->Montre(modele_.List1);
        if (nouveau(modele_.List2)) list2_->Montre(modele_.List2);
        if (nouveau(modele_.List3)) list3_->Montre(modele_.List3);
        montreTextes();
        montreLibelles();
        montreBoutons();
        montreOptions();
        montreFenetres();
        panneaux_->Rafraichit();
        if (modele_.Focus == "List3" && list3_->isVisible()) {
            list3_->setFocus(Qt::OtherFocusReason);
            modele_.Focus.clear();
        }
    } catch (const std::exception &) {
        // Only memory can run out here; the next refresh shows what this one could not.
    }
}

void FenetrePrincipale::montreTextes() {
    const Lamelix &f = modele_;
    if (nouveau(f.Text1)) montreTexte(text1_, f.Text1);
    if (nouveau(f.Text5)) montreTexte(text5_, f.Text5);
    // An empty choice list says why it is empty (the text is set again only when it changes).
    list1_->FixeTexteVide(
        f.Text2.Text.empty()
            ? tr("Aucune proposition à afficher.\nOuvrez une clé par Fichier ▸ Ouvrir...")
            : tr("Espèce atteinte.\n« %1 » revient au choix précédent, « %2 » recommence la clé.")
                  .arg(qs(f.bouton[0].Caption).simplified(), qs(f.bouton[1].Caption).simplified()));
    list2_->FixeTexteVide(tr("Liste vide.\n« %1 » montre toutes les espèces de la clé.")
                              .arg(qs(f.Command4[Cmd4Liste].Caption).simplified()));
    if (nouveau(f.Text2)) {
        const QString espece = qs(f.Text2.Text).trimmed();
        text2_->setText(espece);
        text2_->setCursorPosition(0);
        text2_->setStyleSheet(espece.isEmpty() ? "QLineEdit { padding: 5px 8px; }"
                                               : "QLineEdit { color: #1b5e2b; background: #eaf5e9;"
                                                 " border: 1px solid #8cbf95; border-radius: 4px;"
                                                 " padding: 5px 8px; }");
    }
    if (nouveau(f.zoomDesc)) {
        if (f.zoomDesc.Visible)
            list1_->MontreVue(TexteQt(f.zoomDesc.Text).trimmed(),
                              tailleAgrandie(f.zoomDesc.FontSize));
        else
            list1_->CacheVue();
    }
    if (nouveau(f.zoomlist)) {
        if (f.zoomlist.Visible)
            list2_->MontreVue(TexteQt(f.zoomlist.Text).trimmed(),
                              tailleAgrandie(f.zoomlist.FontSize));
        else
            list2_->CacheVue();
    }
}

void FenetrePrincipale::montreLibelles() {
    const Lamelix &f = modele_;
    if (nouveau(f.Label1)) montreLibelle(label1_, f.Label1, true);
    if (nouveau(f.Label3)) montreLibelle(label3_, f.Label3, false);
    if (nouveau(f.Label6)) montreLibelle(label6_, f.Label6, true);
    if (nouveau(f.Label7)) montreLibelle(label7_, f.Label7, true);
    if (nouveau(f.Label18)) montreLibelle(label18_, f.Label18, true);
    if (nouveau(f.StatusBar1)) montreLibelle(statut_, f.StatusBar1, false);
    if (nouveau(f.Label4)) montreLibelle(label4_, f.Label4, false);
    if (nouveau(f.Label5) && !f.Label5.Caption.empty())
        cadreHistorique_->setTitle(qs(SansBlancs(f.Label5.Caption)));
}

void FenetrePrincipale::montreBoutons() {
    const Lamelix &f = modele_;
    for (std::size_t i = 0; i < bouton_.size(); ++i)
        if (nouveau(f.bouton[i])) montreBouton(bouton_[i], f.bouton[i]);
    bool comparaison = false;
    for (std::size_t i = 0; i < command4_.size(); ++i) {
        if (command4_[i] == nullptr) continue;
        if (nouveau(f.Command4[i])) montreBouton(command4_[i], f.Command4[i]);
        if (i >= Cmd4Compare) comparaison = comparaison || f.Command4[i].Visible;
    }
    cadreComparaison_->setVisible(comparaison);
}

void FenetrePrincipale::montreOptions() {
    const Lamelix &f = modele_;
    if (nouveau(f.chk_Fnote)) montreCase(chkFnote_, f.chk_Fnote);
    if (nouveau(f.Check_saut_ligne)) montreCase(checkSautLigne_, f.Check_saut_ligne);
    if (nouveau(f.check_Option[0])) montreCase(checkOption0_, f.check_Option[0]);
    // The sections have their room under the path only while the option asks for them.
    cadreSections_->setVisible(f.check_Option[0].Value == 1 && f.Text5.Visible);
    if (nouveau(f.Check_Compare)) montreCase(checkCompare_, f.Check_Compare);
    if (nouveau(f.Frame8)) cadreOptions_->setVisible(f.Frame8.Visible);
    if (nouveau(f.Frame11)) cadreCles_->setVisible(f.Frame11.Visible);
    montreMenus();
}

void FenetrePrincipale::montreFenetres() {
    Lamelix &f = modele_;
    if (nouveaux({&f.FraFlash, &f.LblflashX})) {
        if (f.FraFlash.Visible)
            flash_->Montre(TexteQt(f.LblflashX.Caption), f.LblflashX.ForeColor);
        else
            flash_->Cache();
    }
    if (nouveau(f.Form1Texte)) form1_->MontreTexte(TexteQt(f.Form1Texte.Text));
    if (nouveau(f.Form1)) {
        if (!f.Form1.Caption.empty()) form1_->setWindowTitle(qs(f.Form1.Caption));
        if (f.Form1.Visible) {
            // Form1 takes the place of this window until it is closed.
            form1_->show();
            form1_->raise();
            form1_->activateWindow();
            if (f.Moi.Visible) f.Moi.SetVisible(false);
        } else if (form1_->isVisible()) {
            form1_->hide();
        }
    }
    if (f.Moi.Visible != moiVisible_) {
        moiVisible_ = f.Moi.Visible;
        setVisible(moiVisible_);
    }
}

} // namespace lamelix
