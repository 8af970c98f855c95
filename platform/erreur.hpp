#pragma once

#include <stdexcept>
#include <string>

namespace lamelix {

// The one run-time error of the program: an index outside a table, a 16-bit overflow, an
// unreadable file, a malformed field. Thrown by checked access and arithmetic, caught at the
// boundary of each handler or long operation, which reports it as that operation requires.
class ErreurExecution : public std::runtime_error {
  public:
    explicit ErreurExecution(const std::string &quoi) : std::runtime_error(quoi) {}
};

} // namespace lamelix
