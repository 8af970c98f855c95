#pragma once

#include "app/application.hpp"
#include "web/services_web.hpp"

#include <nlohmann/json.hpp>

namespace lamelix {

// The window's controls as the page shows them, by the names of the window models: for each,
// whether it shows and answers, and its text, items, selection or value.
nlohmann::json ControlesWeb(Application &app);

// The key map's tree from the top rows down; an entity already open above a row (a key that
// loops) is not opened again, and the tree stops growing past a bound.
nlohmann::json PlanWeb(Application &app);

// The state object of one call: entity, steps, title, controls and the recorded messages.
nlohmann::json EtatWeb(Application &app, std::vector<MessageWeb> messages);

} // namespace lamelix
