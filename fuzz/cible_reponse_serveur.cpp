// A translation server's answer of any bytes.

#include "search/traduction.hpp"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, std::size_t taille) {
    (void)lamelix::LitReponseServeur(std::string(reinterpret_cast<const char *>(data), taille));
    return 0;
}
