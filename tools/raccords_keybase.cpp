// The KeyBase exchange as the window reaches it: the table writer and the project import.

#include "tools/raccords_keybase.hpp"

#include "tools/export_keybase.hpp"
#include "tools/projet_keybase.hpp"

#include <filesystem>

namespace lamelix {

std::string TableauKeyBaseDeLaCle(const CleCompilee &cle) {
    return EcritTableauKeyBase(cle).Texte;
}

ProjetImporte ImporteProjetKeyBase(const std::string &projet, const std::string &dossier) {
    RapportProjet r = ImporteProjet(projet, dossier);
    if (r.Premiere.empty()) {
        if (r.Refus.empty()) r.Refus.push_back(projet + " : aucune clé écrite");
        return {{}, std::move(r.Refus)};
    }
    // The report names the files inside the output folder; the window opens a path.
    return {(std::filesystem::path(dossier) / r.Premiere).string(), {}};
}

} // namespace lamelix
