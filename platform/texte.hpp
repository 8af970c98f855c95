#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace lamelix {

// Text inside the program is UTF-8. These helpers count code points where the program's rules
// count characters, and treat only the blank (space) as a blank, as key authors' files expect.

std::string SansBlancs(std::string_view texte); // leading and trailing blanks removed
std::string SansBlancsGauche(std::string_view texte);
// True when the text is empty or holds only blanks: SansBlancs(texte).empty(), without a copy.
bool QueDesBlancs(std::string_view texte);

// Upper case of every letter of Latin-1, Latin Extended-A, Greek and Cyrillic.
std::string Majuscules(std::string_view texte);
bool EgauxSansCasse(std::string_view a, std::string_view b);
// The code point at byte position i of a UTF-8 text, i moved past it; a malformed byte is read as
// itself, so that no text is ever lost.
uint32_t LisCodePoint(std::string_view texte, std::size_t &i);
// The capital of a letter of those scripts; any other character is returned as it is.
uint32_t MajusculeDe(uint32_t codePoint);

// The first n code points of a text.
std::string PremiersCaracteres(std::string_view texte, std::size_t n);

// Appends the UTF-8 form of a code point (U+FFFD for a value that is no Unicode scalar value).
void AjouteCodePoint(std::string &sortie, uint32_t codePoint);

// The end of the run of ASCII bytes that starts at i: most of a key is ASCII, and such a run
// reads the same in UTF-8 and in Windows-1252.
std::size_t FinAscii(std::string_view octets, std::size_t i);

// One byte read as a character of Windows-1252, and a whole byte string read that way.
uint32_t CodePointWindows1252(unsigned char octet);
std::string Windows1252VersUtf8(std::string_view octets);

// Appends the line to sortie without its carriage returns, wherever they are, copying the runs
// between them. Only the line is searched: a line feed file without any is read once.
void AjouteSansRetours(std::string &sortie, std::string_view ligne);

// Replaces every occurrence of a text.
std::string Remplace(std::string_view texte, std::string_view quoi, std::string_view par);

} // namespace lamelix
