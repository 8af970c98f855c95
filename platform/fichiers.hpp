#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace lamelix {

// No file the program reads (a key: at most 32767 lines; settings, language files, texts)
// comes near this size: anything larger is refused before it is read.
inline constexpr std::uintmax_t TailleMaxFichier = 64u << 20;

// Why a file cannot be read whole: missing, not a regular file (a folder, a named pipe that
// would block the program, a device that never ends), larger than TailleMaxFichier, or not
// openable. Nothing when it can be read.
std::optional<std::string> PourquoiIllisible(const std::string &chemin);

// Whole content of a file as bytes; nothing when it cannot be read, and then *pourquoi (when
// given) says why, in PourquoiIllisible's words.
std::optional<std::string> LireOctets(const std::string &chemin, std::string *pourquoi = nullptr);

// True when a regular file is there.
bool FichierExiste(const std::string &chemin);
// True when the file can be read whole.
bool FichierLisible(const std::string &chemin);

// Path pieces. Key files were often written on Windows, so "\" separates folders as "/" does.
std::string NomFichier(std::string_view chemin); // without its folder
std::string DossierDe(std::string_view chemin);  // without the final separator, "" when none
std::string
ExtensionMaj3(std::string_view chemin); // first three characters after the last ".", upper-cased

// A folder joined with a file name; a name that is already a full path stays as it is.
std::string JointChemin(const std::string &dossier, const std::string &nom);
bool EstCheminAbsolu(std::string_view chemin);
// A stored path (written on Windows, say) in this system's form: "\" becomes "/".
std::string SeparateursLocaux(std::string_view chemin);
// The file a key names from its folder: "\" read as a separator, and when no file has the exact
// name, the one file whose name differs only by letter case (folder by folder). The exact path
// when nothing matches.
std::string ResoutDansDossier(const std::string &dossier, const std::string &nom);
// True when a file can be created in this folder (tried with a temporary file of its own).
bool DossierInscriptible(const std::string &dossier);

// The one way the program rewrites a file. The content goes whole to an exclusive temporary file
// beside the target (a unique name, created never through a link, readable by its owner only),
// made durable, given the mode of the file it replaces (or the umask's mode for a new file, or
// the mode asked for), then renamed over the target: a failure never leaves a truncated file and
// the old file stays as it was. Only a regular file is replaced: a folder, a named pipe or a
// device is refused, and so is a file without write permission. A symbolic link is written
// through to the file it names, which is rewritten beside itself. A file with other hard links
// is replaced under this name only: its other names keep the old content, so that nothing is lost
// and the write stays all or nothing. When the folder takes no new file, nothing is written
// anywhere else. False when anything failed, with the reason in pourquoi when given.
bool EcritFichierSur(const std::string &chemin, std::string_view contenu,
                     std::string *pourquoi = nullptr, std::optional<unsigned> mode = std::nullopt);

// Why EcritFichierSur would refuse to replace what stands at chemin (a folder, a pipe, a device,
// a read-only file), checked before anything else is written; nothing when it may.
std::optional<std::string> PourquoiPasReecrivable(const std::string &chemin);

// The permission bits of a file (links followed), nothing when it cannot be examined.
std::optional<unsigned> ModeFichier(const std::string &chemin);

} // namespace lamelix
