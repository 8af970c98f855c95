#pragma once

#include <functional>
#include <ostream>
#include <string>

namespace lamelix {

struct Outils;

// The key loaded as the tools window's "Charger" loads it (dialogs on the error stream), then
// the action run on the tools window: 0 when it ran, 1 when the key did not load or the action
// was interrupted (said on the error stream).
int SurCleChargee(const std::string &chemin, bool oui, std::ostream &erreurs,
                  const std::function<void(Outils &)> &action);

} // namespace lamelix
