#pragma once

#include <QLabel>
#include <QPainter>

namespace lamelix {

// A status-bar label for a path: when the room is short, the middle of the text gives way, so
// that both the beginning (what the label says) and the file name stay readable.
class LibelleElide : public QLabel {
  public:
    using QLabel::QLabel;

  protected:
    void paintEvent(QPaintEvent *) override {
        QPainter peintre(this);
        const QRect zone = contentsRect();
        peintre.drawText(zone, static_cast<int>(alignment() | Qt::AlignVCenter),
                         fontMetrics().elidedText(text(), Qt::ElideMiddle, zone.width()));
    }
};

} // namespace lamelix
