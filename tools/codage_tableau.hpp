#pragma once

// The two encodings a key file written from a table may take: Windows-1252 when every character
// has a byte there, else UTF-8 behind its marker line. Tables arrive as UTF-8, checked strictly.

#include <optional>
#include <string>
#include <string_view>

namespace lamelix {

// Well-formed UTF-8: shortest forms, no surrogates, nothing above U+10FFFF.
bool EstUtf8Strict(std::string_view t);

// The Windows-1252 bytes of a UTF-8 text, or nothing when a character has no byte there.
std::optional<std::string> EnWindows1252(std::string_view texte);

// A key file's bytes from its UTF-8 text: in Windows-1252 when it fits (utf8 set false), else
// the text behind the line rem$UTF8$ (utf8 set true).
std::string OctetsDeCle(const std::string &texte, bool &utf8);

} // namespace lamelix
