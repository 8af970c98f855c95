#pragma once

#include <cstdint>
#include <functional>

#include <QColor>
#include <QLabel>

class QTimer;

namespace lamelix {

// The transient message FraFlash: a banner over the top of its parent that takes no mouse
// event, so the user can go on working under it, and that tells when its time is up.
class BandeauFlash : public QLabel {
    Q_OBJECT

  public:
    static constexpr int DureeMs = 2500;

    explicit BandeauFlash(QWidget *parent);

    // Shows the text in the given Windows colour number and (re)starts the delay.
    void Montre(const QString &texte, uint32_t couleur);
    void Cache();

    std::function<void()> AuDelaiEcoule;

  protected:
    bool eventFilter(QObject *objet, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

  private:
    void place();
    QTimer *minuterie_;
    QColor fond_, bord_;
};

} // namespace lamelix
