#pragma once

#include <array>
#include <functional>

#include <QWidget>

class QGroupBox;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace lamelix {

// The small window Form1: one read-only text (the comparison of two memorised paths, a text
// file), the words of a species name to look up in the bibliography with the button that looks
// the chosen one up, and a button to close it; the main window binds its words and buttons. It
// takes the place of the main window while it shows, so closing it in any way (button, Esc, the
// window manager) tells the main window to come back.
class FenetreForm1 : public QWidget {
    Q_OBJECT

  public:
    static constexpr int NombreDeMots = 9;

    explicit FenetreForm1(QWidget *parent = nullptr);

    void MontreTexte(const QString &texte);
    // Word i: its caption, whether it shows and whether it is the chosen one.
    void MontreMot(int i, const QString &mot, bool visible, bool choisi);
    // The box of the words shows while one of the words does.
    void MontreCadreMots(bool visible, const QString &titre);
    QPlainTextEdit *Texte() const { return texte_; }
    QRadioButton *Mot(int i) const { return mots_.at(static_cast<std::size_t>(i)); }
    QGroupBox *CadreMots() const { return cadreMots_; }
    // 0 looks the chosen word up, 1 closes.
    QPushButton *Bouton(int i) const { return boutons_.at(static_cast<std::size_t>(i)); }

    std::function<void()> AuFermer;

  protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

  private:
    void ajuste();

    QPlainTextEdit *texte_;
    QGroupBox *cadreMots_;
    std::array<QRadioButton *, NombreDeMots> mots_{};
    std::array<QPushButton *, 2> boutons_{};
};

} // namespace lamelix
