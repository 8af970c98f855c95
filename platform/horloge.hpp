#pragma once

#include <ctime>

namespace lamelix {

// The local calendar time of a moment, as the system's time zone gives it.
std::tm HeureLocale(std::time_t moment);

} // namespace lamelix
