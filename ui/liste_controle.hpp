#pragma once

#include "platform/controles.hpp"

#include <functional>
#include <string>
#include <vector>

#include <QListWidget>

class QPlainTextEdit;

namespace lamelix {

class LignesAerees;

// A list box as the handlers expect it: mouse buttons and Shift numbered as they are (left 1,
// right 2, middle 4; Shift 1), a press of the right button that leaves the selection alone, a
// click that is not repeated by the release after a double click, and the focus changes of the
// user only (not those of a menu or of another window). It can also show an enlarged view of one
// line over its lower part.
class ListeControle : public QListWidget {
    Q_OBJECT

  public:
    explicit ListeControle(QWidget *parent = nullptr);

    // Called with the list line under the mouse (-1 over no line).
    std::function<void(int bouton, int shift, int ligne)> AuBoutonEnfonce;
    std::function<void(int bouton, int shift)> AuBoutonRelache;
    // A click on a line, or the keyboard moving the selection.
    std::function<void(int ligne)> AuClic;
    // A double click on a line, or Enter on the selected one.
    std::function<void(int ligne)> AuDoubleClic;
    // A character typed in the list (Esc is 27, Space 32).
    std::function<void(int code)> AuCaractere;
    std::function<void()> AuToucheEnfoncee;
    std::function<void()> AuToucheRelachee;
    std::function<void(bool entree)> AuFocus;
    // A character typed in the enlarged view.
    std::function<void(int code)> AuCaractereVue;

    // Shows the model's lines, selection, background and font size. The lines are rebuilt only
    // when their texts changed, so that a new selection keeps the scroll position.
    void Montre(const ListBox &modele);

    void MontreVue(const QString &texte, int taillePoints);
    void CacheVue();
    // The enlarged view, made the first time it is asked for: most walks never show it.
    QPlainTextEdit *Vue();
    // Its object name, given when it is made.
    void NommeVue(const QString &nom) { nomVue_ = nom; }

    // The space above and below the text of each row.
    void FixeMargeLignes(int pixels);

    // What the list says while it holds no line.
    void FixeTexteVide(const QString &texte);
    const QString &TexteVide() const { return texteVide_; }

    // Forgets every callback: used while the window is being destroyed.
    void Deconnecte();

  protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *objet, QEvent *event) override;

  private:
    void prevoitDefilement();
    void placeVue();
    // The enlarged view in the desktop's tooltip colours, again when the desktop's change.
    void peintVue();

    QPlainTextEdit *vue_ = nullptr;
    QString nomVue_;
    LignesAerees *delegue_;
    QString texteVide_;
    std::vector<std::string> textes_; // the lines shown, as the model holds them
    qint64 lignesEcrites_ = 0;        // those of them that show some text
    uint32_t fond_ = 0xFFFFFF;
    int taille_ = 0;
    int lignePressee_ = -1;
    bool apresDoubleClic_ = false;
};

} // namespace lamelix
