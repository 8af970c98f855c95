#pragma once

#include <functional>

#include <QWidget>

class QPlainTextEdit;
class QPushButton;

namespace lamelix {

// The small window Form1: one read-only text (the comparison of two memorised paths) and a
// button to close it. It takes the place of the main window while it shows, so closing it in any
// way (button, Esc, the window manager) tells the main window to come back.
class FenetreForm1 : public QWidget {
    Q_OBJECT

  public:
    explicit FenetreForm1(QWidget *parent = nullptr);

    void MontreTexte(const QString &texte);
    void FixeFermer(const QString &texte);
    QPlainTextEdit *Texte() const { return texte_; }

    std::function<void()> AuFermer;

  protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

  private:
    QPlainTextEdit *texte_;
    QPushButton *fermer_;
};

} // namespace lamelix
