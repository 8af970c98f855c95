#pragma once

#include "platform/controles.hpp"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace lamelix {

// The one record, shared by every window of the program, of what the widgets show. Each widget
// is bound once to the controls it shows, with the code that shows them; a refresh runs the
// bindings whose controls changed since they last ran, and every binding the first time. So a
// control bound to a widget is never left out of a refresh.
class SuiviControles {
  public:
    // Binds a display to the controls it shows: it runs whenever one of them changes.
    void Lie(std::vector<const Controle *> controles, std::function<void()> montre);
    // Runs every display whose controls changed, in the order they were bound, each under the
    // error trap: a display that fails does not keep the others from showing. The first fault's
    // text comes back, for the window to report as it reports a handler's.
    std::optional<std::string> Rafraichit();
    // The widget already shows the control's current state (the user has just typed it): its
    // displays need not run for this change.
    void DejaVu(const Controle &controle);

  private:
    struct Liaison {
        std::vector<const Controle *> controles;
        std::vector<uint64_t> vus; // the version of each control last shown
        std::function<void()> montre;
        bool montree = false; // has run once
    };
    std::vector<Liaison> liaisons_;
};

} // namespace lamelix
