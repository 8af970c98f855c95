#pragma once

// Helpers shared by the core tests: a compiler bench with recorded dialogs, and a scratch folder.

#include "cli/sortie_tables.hpp"
#include "key/compilateur.hpp"
#include "key/langues_source.hpp"
#include "key/lecteur.hpp"
#include "platform/controles.hpp"
#include "settings/messages.hpp"
#include "tests/services_factices.hpp"

#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <string>
#include <string_view>

namespace lamelix::test {

// The state the window gives the compiler: tables reset as before a load, the source-language
// list filled with its first entry selected, every dialog recorded.
struct Banc {
    std::unique_ptr<CleCompilee> Cle = std::make_unique<CleCompilee>();
    Messages Textes;
    ServicesFactices Dialogues;
    ListBox Lgs;
    int16_t Echec = 0;

    Banc() {
        RemplitLanguesSource(Lgs);
        RazCle(*Cle);
    }
    EnvironnementCompilation Env() { return {*Cle, Textes, Dialogues, Dialogues, Lgs}; }
    void Compile(std::string_view octets) { PrecompileOctets(octets, Echec, Env()); }
    const LigneCle &L(int i) const { return Cle->TabLignes(i); }
    // The compiled key as `lamelix-outils tables` prints it.
    std::string Tables() const { return ImprimeTables(*Cle, Lgs); }
};

// A folder of its own under the system's temporary folder, removed with the object.
class DossierTemporaire {
  public:
    DossierTemporaire() {
        std::random_device alea;
        dossier_ = std::filesystem::temp_directory_path() /
                   ("lamelix-test-" + std::to_string(alea()) + std::to_string(alea()));
        std::filesystem::create_directories(dossier_);
    }
    ~DossierTemporaire() {
        std::error_code ec;
        std::filesystem::remove_all(dossier_, ec);
    }
    DossierTemporaire(const DossierTemporaire &) = delete;
    DossierTemporaire &operator=(const DossierTemporaire &) = delete;

    std::string Chemin(const std::string &nom) const { return (dossier_ / nom).string(); }
    // Writes the bytes into a file of the folder and returns its path.
    std::string Ecrit(const std::string &nom, std::string_view octets) const {
        std::ofstream(Chemin(nom), std::ios::binary)
            .write(octets.data(), static_cast<std::streamsize>(octets.size()));
        return Chemin(nom);
    }

  private:
    std::filesystem::path dossier_;
};

} // namespace lamelix::test
