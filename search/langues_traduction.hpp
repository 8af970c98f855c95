#pragma once

#include <string>

namespace lamelix {

// The code a translation page knows a language by, from its name in the language lists; "" for
// any other name ("Détection automatique", the separator): the page then finds the language
// itself. Names are compared exactly.
std::string CodeLangue(const std::string &nom);

// The same language as a translation server spells it: a few codes differ from the page's
// ("iw" is "he", Chinese has no region), and no language at all is "auto".
std::string CodeServeur(const std::string &code);

// The language translations go to when the user has chosen none: the interface language (its
// code, "fr" when none is set) when the key is written in another one, else English, and
// French for an English key read in English.
std::string LangueCibleParDefaut(const std::string &codeInterface, const std::string &langueCle);

} // namespace lamelix
