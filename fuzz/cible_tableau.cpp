// A table of any bytes: read as the key exchange and as importe-tableau read it, and the key
// file each gives, if any.

#include "tools/echange_tableau.hpp"
#include "tools/import_keybase.hpp"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, std::size_t taille) {
    const std::string_view octets(reinterpret_cast<const char *>(data), taille);
    const lamelix::CleImportee cle = lamelix::CleDuTableau(octets);
    // A table either gives a key or says why not.
    if (cle.Octets.empty() == cle.Erreurs.empty()) __builtin_trap();
    // Read as importe-tableau reads it (KeyBase's forms too): a key, or the reasons for none.
    const lamelix::TableauImporte importe = lamelix::ImporteTableau(octets);
    if (importe.Octets.empty() == importe.Refus.empty()) __builtin_trap();
    return 0;
}
