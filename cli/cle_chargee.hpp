#pragma once

#include <functional>
#include <ostream>
#include <string>

namespace lamelix {

struct Outils;

// The key loaded as the tools window's "Charger" loads it (dialogs on the error stream), then
// the action run on the tools window: 0 when it ran, 1 when the key did not load or the action
// was interrupted (said on the error stream).
// The key loaded as "Charger" loads it. A file whose name is not a key's (neither .cle nor
// .txt), which the window would show as a text, is said on the error stream: false then, as
// when the key did not load.
bool ChargeCleOuDit(Outils &o, const std::string &chemin, std::ostream &erreurs);

int SurCleChargee(const std::string &chemin, bool oui, std::ostream &erreurs,
                  const std::function<void(Outils &)> &action);

} // namespace lamelix
