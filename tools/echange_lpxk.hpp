#pragma once

// A key exchanged as a pathway key in XML (the .lpxk files that Lucid and KeyBase read and
// write): a PhoenixKey of steps, each step's leads going to another step or to an identity (a
// taxon). Secondary keys are flattened in the compiled key's single numbering for other readers;
// what the format has no place for (the name on a lead that calls a step, the complements, the
// secondary keys' headers, the key's comment) travels in attributes of the program's own
// namespace, which other readers pass over, so that a key written and read again is the same key.

#include "tools/echange_tableau.hpp"

#include <string>
#include <string_view>

namespace lamelix {

// The namespace of the program's own attributes in an LPXK document.
inline constexpr const char *EspaceLpxkLamelix = "urn:lamelix:cle";

// The LPXK document of the compiled key, in UTF-8 (tools/echange_lpxk.cpp; the reading is in
// tools/lecture_lpxk.cpp).
std::string LpxkDeLaCle(const CleCompilee &cle);

// True when the bytes look like an LPXK document rather than a table: an XML document whose
// root element is a PhoenixKey.
bool EstLpxk(std::string_view octets);

// The key file of an LPXK document read from any bytes: its steps numbered from 1 in the order
// they come (the first step first), in UTF-8 behind the line rem$UTF8$. The document is read
// without a network, without loading a DTD and without expanding entities, and refused when it
// is larger, deeper or has more nodes than any key needs; a lead to a step or an identity the
// document lacks is an error at its line, and nothing is written.
CleImportee CleDuLpxk(std::string_view octets);

} // namespace lamelix
