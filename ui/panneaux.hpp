#pragma once

#include "consult/lamelix.hpp"
#include "search/documentation.hpp"
#include "ui/liaison_controles.hpp"
#include "ui/suivi_controles.hpp"

#include <array>
#include <functional>

#include <QDialog>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLayout;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;

namespace lamelix {

// A task panel of the main window as a window of its own beside it: shown and hidden by its
// frame model; closing it (Esc, the window manager) runs the panel's own closing action.
class Panneau : public QDialog {
    Q_OBJECT
  public:
    Panneau(const QString &nom, QWidget *parent);
    std::function<void()> AuFermer;

  protected:
    void reject() override;
};

// The task panels: result export (Frame4), default-file chooser (Frame7), settings view
// (Frame10), welcome (the frame array's item 9), documentation set-up (FrameCfgDoc), the
// picture (Picture2) and the about box.
class Panneaux {
  public:
    // Each panel binds its widgets to their controls in the window's shared tracker.
    Panneaux(Lamelix &modele, RechercheDocumentation &documentation, QWidget *fenetre,
             SuiviControles &suivi, Agit agit);

    // Gives the keyboard to the panel control the model asks for.
    void Focalise();
    // Copies the selection of txtEdit into its model, before an Edit menu action.
    void LitSelection();

    Panneau *Export() const { return export_; }
    Panneau *Choix() const { return choix_; }
    Panneau *Parametres() const { return parametres_; }
    Panneau *Accueil() const { return accueil_; }
    Panneau *CfgDoc() const { return cfgDoc_; }
    Panneau *Image() const { return image_; }
    Panneau *Apropos() const { return apropos_; }
    QLabel *ImageVue() const { return imageVue_; }
    QPlainTextEdit *Text7() const { return text7_; }
    QPlainTextEdit *TxtEdit() const { return txtEdit_; }
    QListWidget *DirList() const { return dirList_; }
    QListWidget *FileList() const { return fileList_; }
    // The documentation set-up: the check box of Check3 item i (nullptr for the unused ones),
    // the number boxes Text8 and the extension Text9.
    QCheckBox *Check3(int i) const { return check3_.at(static_cast<std::size_t>(i)); }
    QSpinBox *Text8(int i) const { return text8_.at(static_cast<std::size_t>(i)); }
    QLineEdit *Text9() const { return text9_; }

  private:
    void creeExport();
    void creeChoix();
    QLayout *listesChoix();
    void creeParametres();
    void creeAccueil();
    void creeCfgDoc();
    void creeCasesDoc();
    void creeNombresDoc();
    QGroupBox *fichiersDoc();
    QGroupBox *motsDoc();
    void creeDivers();
    void montreImage();
    // A panel shown and hidden by its frame.
    void liePanneau(Panneau *panneau, const Frame &cadre);

    Lamelix &f_;
    RechercheDocumentation &doc_;
    QWidget *fenetre_;
    SuiviControles &suivi_;
    Agit agit_;
    Panneau *export_, *choix_, *parametres_, *accueil_, *cfgDoc_, *image_, *apropos_;
    QPlainTextEdit *text7_, *txtEdit_, *tbox7_;
    QListWidget *dirList_, *fileList_;
    QLabel *dossier_, *label14_, *imageVue_, *cfgDocTexte_;
    std::array<QCheckBox *, 11> check3_{};
    std::array<QSpinBox *, 2> text8_{};
    QLineEdit *text9_ = nullptr;
};

} // namespace lamelix
