// The KeyBase exchange as the window reaches it, not connected yet.

#include "tools/raccords_keybase.hpp"

namespace lamelix {

std::optional<std::string> TableauKeyBaseDeLaCle(const CleCompilee &) {
    return std::nullopt;
}

ProjetImporte ImporteProjetKeyBase(const std::string &, const std::string &) {
    return {{}, {"l'importation des projets KeyBase n'est pas encore disponible"}};
}

} // namespace lamelix
