#pragma once

#include "search/traduction.hpp"

#include <cstdint>

namespace lamelix {

// What the automatic translation compares a handler's end with: the path and the count of
// translations when the handler started.
struct AvantGestionnaire {
    uint64_t VersionChemin = 0; // the change counter of the path Text1
    long Traductions = 0;
};
AvantGestionnaire EtatAvantGestionnaire(const Traduction &t);

// "Automatique": a handler changed the path and nothing translated it meanwhile, while the
// translation panel shows with its box ticked. The window then runs Text1_Change once more, so
// that every new step is translated whichever handler made it.
bool TraduitAutomatiquement(const Traduction &t, const AvantGestionnaire &avant);

} // namespace lamelix
