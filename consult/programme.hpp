#pragma once

#include "key/langues_source.hpp"
#include "key/tables.hpp"
#include "settings/messages.hpp"
#include "settings/reglages.hpp"
#include "settings/textes_rapports.hpp"
#include "settings/textes_traduits.hpp"

namespace lamelix {

// Program-wide state for one process (or one test): the loaded key, the message table, the
// settings, and the texts of the reports and of the translation languages' names in the
// interface language (sections RAPPORTS and LANGUES of a language file).
// Created in main, never a hidden global.
struct Programme {
    CleCompilee Cle;
    Messages Textes;
    Reglages Options;
    TextesTraduits Rapports{TextesRapports()};
    TextesTraduits Langues{LanguesSource()};
};

} // namespace lamelix
