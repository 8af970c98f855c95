#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace lamelix {

// The lines of a text file in the program's text: each line is decoded as UTF-8 when it is
// valid UTF-8, else read as Windows-1252. Line ends (LF or CR LF) are dropped; a final line end
// gives no empty last line.
std::vector<std::string> LignesTexte(std::string_view octets);

// The items of a settings file: split at line ends and at commas, leading blanks skipped; an
// item that begins with a double quote runs to the next double quote, commas included, and
// loses its quotes. Blank items carry nothing and are left out.
std::vector<std::string> ElementsIni(std::string_view texte);

// An item split at its first "=": the key trimmed and upper-cased, the value trimmed. An item
// without "=" has no key: its whole trimmed text is the value.
struct ElementCle {
    bool AUneCle = false;
    std::string Cle;
    std::string Valeur;
};
ElementCle DecoupeElement(std::string_view element);

} // namespace lamelix
