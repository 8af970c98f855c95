// A translation page of any bytes: the translation and the texts read out of it.

#include "search/page_html.hpp"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, std::size_t taille) {
    const std::string_view page(reinterpret_cast<const char *>(data), taille);
    (void)lamelix::PremierDivT0(page);
    (void)lamelix::TexteDeLElement(page, "result_box");
    return 0;
}
