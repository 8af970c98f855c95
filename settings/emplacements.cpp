#include "platform/fichiers.hpp"
#include "settings/reglages.hpp"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace lamelix {

void AdopteReglagesInstalles(const std::string &repProgramme, const std::string &dossier) {
    const std::string propre = JointChemin(dossier, Reglages::NomIni);
    if (FichierExiste(propre)) return;
    if (const auto contenu = LireOctets(JointChemin(repProgramme, Reglages::NomIni)))
        EcritFichierSur(propre, *contenu);
}

std::string DossierDesReglages(const std::string &repProgramme) {
    if (DossierInscriptible(repProgramme)) return repProgramme;
    std::string base;
    if (const char *xdg = std::getenv("XDG_CONFIG_HOME"); xdg != nullptr && *xdg == '/') {
        base = xdg;
    } else if (const char *maison = std::getenv("HOME"); maison != nullptr && *maison != 0) {
        base = JointChemin(maison, ".config");
    } else {
        return repProgramme;
    }
    const std::string dossier = JointChemin(base, "lamelix");
    std::error_code ec;
    std::filesystem::create_directories(dossier, ec);
    AdopteReglagesInstalles(repProgramme, dossier);
    return dossier;
}

} // namespace lamelix
