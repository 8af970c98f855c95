#pragma once

// Helpers the tools share: the key file read as lines, the head of a key line.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace lamelix {

class Horloge;

// The whole key file as bytes; a run-time error when it cannot be read.
std::string LitFichierOutils(const std::string &chemin);

// The lines of a file read character by character: a line ends at a line feed or at the end of
// the file, and every carriage return is dropped, so CR LF and LF files give the same lines.
std::vector<std::string> LignesSansRetour(std::string_view octets);

// The lines of LignesSansRetour, each in the program's text as the compiler reads it:
// Windows-1252 until the key declares UTF-8, UTF-8 from that declaration on.
std::vector<std::string> LignesDecodeesCommeLaCle(std::string_view octets);

// A line that the numbering reads: not a comment (its trimmed text begins with "REM" in any
// case) and holding a "$".
bool LigneNumerotable(std::string_view ligne);
// The head of a line: the text before its first "$", trimmed and upper-cased.
std::string TeteDeLigne(std::string_view ligne);

// The lines of a file in order, each a numbered line (counted from 1: not a comment, holding a
// "$", its head neither empty nor TITRE, COM or CODAGETXT) or another line; the event loop runs
// after each.
void ParcourtLignesNumerotees(const std::vector<std::string> &lignes, Horloge &horloge,
                              const std::function<void(long, const std::string &)> &numerotee,
                              const std::function<void(const std::string &)> &autre);

// A text split at every separator (a text without one is one piece).
std::vector<std::string> Decoupe(const std::string &texte, char separateur);

} // namespace lamelix
