#pragma once

#include "key/tables.hpp"
#include "settings/messages.hpp"
#include "settings/reglages.hpp"

namespace lamelix {

// Program-wide state for one process (or one test): the loaded key, the message table and the
// settings.
// Created in main, never a hidden global.
struct Programme {
    CleCompilee Cle;
    Messages Textes;
    Reglages Options;
};

} // namespace lamelix
