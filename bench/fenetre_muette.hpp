#pragma once

#include "bench/services_muets.hpp"
#include "consult/lamelix.hpp"

#include <memory>

namespace lamelix::banc {

// The main window alone, on services and windows that do nothing: what a measure of the
// consultation and of the panels built on it starts from.
struct FenetreMuette {
    ServicesMuets services;
    FenetresMuettes fenetres;
    std::unique_ptr<Programme> programme = std::make_unique<Programme>();
    std::unique_ptr<Lamelix> f = std::make_unique<Lamelix>(*programme, services, fenetres);
};

} // namespace lamelix::banc
