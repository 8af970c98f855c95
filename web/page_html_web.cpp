// The page's engine asks no translation server (it loads nothing from the network): the reader
// of translation pages answers that a page holds nothing.

#include "search/page_html.hpp"

namespace lamelix {

std::string PremierDivT0(std::string_view) {
    return {};
}

std::optional<std::string> TexteDeLElement(std::string_view, std::string_view) {
    return std::nullopt;
}

} // namespace lamelix
