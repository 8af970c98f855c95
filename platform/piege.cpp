#include "platform/piege.hpp"

#include "platform/erreur.hpp"

#include <exception>

namespace lamelix {

std::optional<std::string> SousPiege(const std::function<void()> &action) {
    try {
        action();
        return std::nullopt;
    } catch (const ErreurExecution &e) {
        return std::string(e.what());
    }
}

std::optional<std::string> ExecuteGestionnaire(const std::function<void()> &gestionnaire) noexcept {
    try {
        return SousPiege(gestionnaire);
    } catch (const std::exception &e) {
        try {
            return std::string(e.what());
        } catch (...) {
            return std::string();
        }
    } catch (...) {
        return std::string();
    }
}

} // namespace lamelix
