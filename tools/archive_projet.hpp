#pragma once

// The files of a project as a folder or a .zip archive holds them, read into memory by their
// base names. Bounded: at most MaxEntreesProjet entries, each at most TailleMaxFichier bytes,
// MaxOctetsProjet in all. Only regular files are read: links (symbolic or hard), folders and
// devices are passed over, and nothing is ever written from an entry's own name, so no entry can
// reach outside the folder the project is imported into.

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace lamelix {

inline constexpr std::size_t MaxEntreesProjet = 20000;
inline constexpr std::uintmax_t MaxOctetsProjet = 512u << 20;

struct FichiersProjet {
    std::map<std::string, std::string> Fichiers; // base name -> bytes
    std::vector<std::string> Refus;              // why the project cannot be read at all
    std::vector<std::string> Ecartes;            // entries passed over, and why
};

// Only the files whose name ends with one of these extensions (lower case, dot included) are
// read; the others are counted as entries.
FichiersProjet LitFichiersProjet(const std::string &chemin,
                                 const std::vector<std::string> &extensions);

} // namespace lamelix
