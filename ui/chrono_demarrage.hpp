#pragma once

// LAMELIX_CHRONO: the start-up measure, the same for the program's window and for the empty
// window it is compared with. Once the list of propositions has been drawn with at least one line,
// it prints "propositions LINES SECONDS PEAK_KIB" (the wall clock in seconds, the most memory
// the process has held so far) and ends the process. The start-up time is measured from
// outside, from the process start.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include <QEvent>
#include <QListWidget>
#include <QTimer>

namespace lamelix {

// The most memory the process has held so far, in KiB, as the system counts it (0 where it does
// not say).
inline long PointeMemoireKio() {
    std::ifstream statut("/proc/self/status");
    for (std::string ligne; std::getline(statut, ligne);)
        if (ligne.rfind("VmHWM:", 0) == 0) return std::strtol(ligne.c_str() + 6, nullptr, 10);
    return 0;
}

// Watches the list's drawing: the first one that shows lines is the end of the start-up.
class ChronoDemarrage : public QObject {
  public:
    explicit ChronoDemarrage(QListWidget *liste) : QObject(liste), liste_(liste) {
        liste->viewport()->installEventFilter(this);
    }

    // Starts the measure when LAMELIX_CHRONO is set.
    static void SiDemande(QListWidget *liste) {
        if (qEnvironmentVariableIsSet("LAMELIX_CHRONO")) new ChronoDemarrage(liste);
    }

  protected:
    bool eventFilter(QObject *, QEvent *event) override {
        if (event->type() == QEvent::Paint && liste_->count() > 0 && !vu_) {
            vu_ = true;
            // Once this drawing is done and on its way to the screen.
            QTimer::singleShot(0, this, [this] { termine(); });
        }
        return false;
    }

  private:
    void termine() {
        const auto maintenant = std::chrono::system_clock::now().time_since_epoch();
        std::printf("propositions %d %.6f %ld\n", liste_->count(),
                    std::chrono::duration<double>(maintenant).count(), PointeMemoireKio());
        std::fflush(stdout);
        std::_Exit(0);
    }

    QListWidget *liste_;
    bool vu_ = false;
};

} // namespace lamelix
