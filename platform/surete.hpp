#pragma once

#include <string>
#include <string_view>

namespace lamelix {

// A key file comes from someone else: what it names must never run a program on this machine.

// True for a file that the desktop would run rather than show: the execute permission set, or
// a program by its content (an ELF binary, a "#!" script, a desktop entry) or by its name
// (.sh, .desktop, .exe, .bat...).
bool EstExecutable(const std::string &chemin);

enum class GenreAdresse {
    Fichier, // no scheme: a file named by its path ("C:\..." counts as a path)
    Web,     // http:// or https://, the only addresses opened as web pages
    Refusee, // any other scheme (file:, javascript:, ftp:...), or a web address hidden inside one
};
GenreAdresse GenreDe(std::string_view cible);

} // namespace lamelix
