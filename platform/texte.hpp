#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace lamelix {

// Text inside the program is UTF-8. These helpers count code points where the program's rules
// count characters, and treat only the blank (space) as a blank, as key authors' files expect.

std::string SansBlancs(std::string_view texte); // leading and trailing blanks removed
std::string SansBlancsGauche(std::string_view texte);

// Upper case of every letter of Latin-1, Latin Extended-A, Greek and Cyrillic.
std::string Majuscules(std::string_view texte);
bool EgauxSansCasse(std::string_view a, std::string_view b);

// The first n code points of a text.
std::string PremiersCaracteres(std::string_view texte, std::size_t n);

// Appends the UTF-8 form of a code point (U+FFFD for a value that is no Unicode scalar value).
void AjouteCodePoint(std::string &sortie, uint32_t codePoint);

// One byte read as a character of Windows-1252, and a whole byte string read that way.
uint32_t CodePointWindows1252(unsigned char octet);
std::string Windows1252VersUtf8(std::string_view octets);

// Replaces every occurrence of a text.
std::string Remplace(std::string_view texte, std::string_view quoi, std::string_view par);

} // namespace lamelix
