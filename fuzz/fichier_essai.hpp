#pragma once

// The input of a fuzz run as the file a reader opens: one file per process, rewritten at each
// run, in a folder of its own under the system's temporary folder.

#include "app/application.hpp"
#include "bench/services_muets.hpp"
#include "platform/piege.hpp"

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
        // In memory where the system offers it: every run rewrites its input and the files the
        // tools write, and replacing a file on disk by renaming makes the system flush it.
        std::error_code ec;
        const std::filesystem::path base = std::filesystem::is_directory("/dev/shm", ec)
                                               ? std::filesystem::path("/dev/shm")
                                               : std::filesystem::temp_directory_path();
        const auto d = base / ("lamelix-fuzz-" + std::to_string(::getpid()));
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

// One program for the whole run (main window, tools window, panels), on services that show
// nothing, its program folder the run's folder: each input is read into it as the program reads
// its files.
inline Application &Programme() {
    static banc::ServicesMuets services;
    static auto app = [] {
        auto a = std::make_unique<Application>(services);
        a->Principale().RepProgramme = DossierEssai();
        return a;
    }();
    return *app;
}

inline Lamelix &Fenetre() {
    return Programme().Principale();
}

// The input's key loaded as the tools window loads it, for the run. The numbering's line index
// is left empty at the end of the run, so that a run frees what it allocated there (see the key
// target).
class CleDesOutils {
  public:
    explicit CleDesOutils(const std::string &chemin) : o_(Programme().Outil()) {
        ExecuteGestionnaire([&] {
            MontreOutils(o_);
            chargee_ = ChargeFichierOutils(o_, chemin);
        });
    }
    ~CleDesOutils() { o_.PremiereLigne.clear(); }
    CleDesOutils(const CleDesOutils &) = delete;
    CleDesOutils &operator=(const CleDesOutils &) = delete;
    bool Chargee() const { return chargee_; }
    Outils &O() { return o_; }

  private:
    Outils &o_;
    bool chargee_ = false;
};

} // namespace lamelix::fuzz
