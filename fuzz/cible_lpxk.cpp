// An LPXK document of any bytes: read as the key exchange reads it, and the key file it gives.

#include "tools/echange_lpxk.hpp"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, std::size_t taille) {
    const std::string_view octets(reinterpret_cast<const char *>(data), taille);
    const lamelix::CleImportee cle = lamelix::CleDuLpxk(octets);
    // A document either gives a key or says why not.
    if (cle.Octets.empty() == cle.Erreurs.empty()) __builtin_trap();
    return 0;
}
