#pragma once

#include "key/tables.hpp"
#include "settings/messages.hpp"

namespace lamelix {

// Program-wide state for one process (or one test): the loaded key and the message table.
// Created in main, never a hidden global.
struct Programme {
    CleCompilee Cle;
    Messages Textes;
};

} // namespace lamelix
