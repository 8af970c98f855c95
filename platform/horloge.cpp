#include "platform/horloge.hpp"

namespace lamelix {

std::tm HeureLocale(std::time_t moment) {
    // std::localtime is the one portable conversion; its result lives in a shared buffer, copied
    // at once. The program has one thread, so nothing else can write that buffer meanwhile.
    const std::tm *local = std::localtime(&moment);
    return local != nullptr ? *local : std::tm{};
}

} // namespace lamelix
