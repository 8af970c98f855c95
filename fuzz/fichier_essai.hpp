#pragma once

// The input of a fuzz run as the file a reader opens: one file per process, rewritten at each
// run, in a folder of its own under the system's temporary folder.

#include "bench/services_muets.hpp"
#include "consult/lamelix.hpp"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
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

// One main window for the whole run, on services that show nothing, its program folder the
// run's folder: each input is read into it as the program reads its files.
inline Lamelix &Fenetre() {
    static banc::ServicesMuets services;
    static auto programme = std::make_unique<Programme>();
    static auto f = std::make_unique<Lamelix>(*programme, services);
    f->RepProgramme = DossierEssai();
    return *f;
}

} // namespace lamelix::fuzz
