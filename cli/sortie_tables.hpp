#pragma once

#include "key/tables.hpp"

#include <string>

namespace lamelix {

struct ListBox;

// The compiled key as the `tables` command prints it: scalars, one row per key line, then the
// entity index. A stable text format that key authors and checks compare byte for byte.
std::string ImprimeTables(const CleCompilee &cle, const ListBox &lgs);

} // namespace lamelix
