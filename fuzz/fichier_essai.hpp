#pragma once

// The input of a fuzz run as the file a reader opens: one file per process, rewritten at each
// run, in a folder of its own under the system's temporary folder.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace lamelix::fuzz {

inline const std::string &DossierEssai() {
    static const std::string dossier = [] {
        const auto d =
            std::filesystem::temp_directory_path() / ("lamelix-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(d);
        return d.string();
    }();
    return dossier;
}

inline std::string Ecrit(const std::string &nom, const uint8_t *data, std::size_t taille) {
    const std::string chemin = DossierEssai() + "/" + nom;
    std::ofstream(chemin, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char *>(data), static_cast<std::streamsize>(taille));
    return chemin;
}

} // namespace lamelix::fuzz
