#pragma once

#include <string_view>

namespace lamelix {

// The published page's files (web/page/lamelix.html, .css, .js), built into the program: the
// page changes with those files alone. A file absent from web/page/ is empty here.
struct FichiersPage {
    std::string_view html, style, script;
};
const FichiersPage &PageModele();

} // namespace lamelix
