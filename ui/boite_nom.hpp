#pragma once

#include <QFont>
#include <QLabel>

namespace lamelix {

// The species box Text2: the whole name at the box's font size, wrapped over as many lines as it
// needs, in a smaller font only when it would take more than three lines or a word would not
// fit; the name is also its tooltip. Empty, it says what it waits for.
class BoiteEspece : public QLabel {
    Q_OBJECT

  public:
    static constexpr int LignesAvantReduction = 3;

    explicit BoiteEspece(QWidget *parent = nullptr);

    void Montre(const QString &nom);
    void FixeTexteVide(const QString &texte);
    const QString &TexteVide() const { return texteVide_; }
    // The font the box uses for a name that fits.
    const QFont &PoliceDeBase() const { return base_; }

  protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

  private:
    void ajustePolice();
    void encre();

    QFont base_;
    QString texteVide_;
};

} // namespace lamelix
