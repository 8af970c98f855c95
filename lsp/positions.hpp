#pragma once

// Positions as the protocol counts them: a line and a column in UTF-16 code units, or in bytes of
// UTF-8 when the editor offered that encoding; the text itself is UTF-8.

#include <cstddef>
#include <string_view>

namespace lamelix {

enum class CodagePositions { Utf16, Utf8 };

// The byte of the line where the column falls. A column inside a character (in the middle of a
// multi-byte sequence or between the halves of a surrogate pair) falls at that character's
// start, so that an edit never cuts a character; a column past the end falls at the end.
std::size_t OctetDeColonne(std::string_view ligne, long colonne, CodagePositions codage);

// The column of a byte of the line (a byte inside a character counts as the character's start).
long ColonneDOctet(std::string_view ligne, std::size_t octet, CodagePositions codage);

} // namespace lamelix
