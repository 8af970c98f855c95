#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace lamelix {

// A key file comes from someone else: what it names must never run a program on this machine.

// True for a file that the desktop would run rather than show: the execute permission set, or
// a program by its content (an ELF binary, a "#!" script, a desktop entry) or by its name
// (.sh, .desktop, .exe, .bat...).
bool EstExecutable(const std::string &chemin);

// Why the desktop must not be handed this file; nothing when it is a document it may open. Only
// documents go out: a regular file, no program (EstExecutable), whose type by its name (the
// extension) and by its content (the system's table of file signatures) is the same kind of
// document: PDF, text and web pages, pictures, sound and video, office documents. The name of
// the file a link leads to must be a document's name as well.
std::optional<std::string> PourquoiPasUnDocument(const std::string &chemin);

// The file that a complement names, always inside the key's folder: the folder, a separator and
// the name ("\" read as a separator, letter case as ResoutDansDossier finds it). A name written
// as a full path ("\doc.pdf", "/etc/passwd", "C:\doc.pdf") is joined to the folder as well: a
// key reaches no file of the system by naming it.
std::string CheminDuComplement(const std::string &dossierCle, const std::string &nom);

enum class GenreAdresse {
    Fichier, // no scheme: a file named by its path ("C:\..." counts as a path)
    Web,     // http:// or https://, the only addresses opened as web pages
    Refusee, // any other scheme (file:, javascript:, ftp:...), or a web address hidden inside one
};
GenreAdresse GenreDe(std::string_view cible);

} // namespace lamelix
