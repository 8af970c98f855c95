#pragma once

#include <functional>
#include <optional>
#include <string>

namespace lamelix {

// The program's error trap. A run-time error (ErreurExecution: an index outside a table, a
// 16-bit overflow, an unreadable file) ends the operation where it happened; what the operation
// already did stays in place, and the error's text comes back. Nothing when it ran to its end.
// Procedures run the steps that must not end their caller under it.
std::optional<std::string> SousPiege(const std::function<void()> &action);

// Runs one event handler under the trap. Any other fault (a failing system service, memory
// running out) ends the handler too, instead of the program. The window, the command line and
// the tests run every handler through it, so that a fault leaves the same state in each.
std::optional<std::string> ExecuteGestionnaire(const std::function<void()> &gestionnaire) noexcept;

} // namespace lamelix
