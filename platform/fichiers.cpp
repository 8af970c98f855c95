#include "platform/fichiers.hpp"

#include "platform/texte.hpp"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace lamelix {

std::optional<std::string> LireOctets(const std::string &chemin) {
    std::error_code ec;
    if (std::filesystem::is_directory(chemin, ec)) return std::nullopt;
    std::ifstream flux(chemin, std::ios::binary);
    if (!flux) return std::nullopt;
    std::string contenu((std::istreambuf_iterator<char>(flux)), std::istreambuf_iterator<char>());
    if (flux.bad()) return std::nullopt;
    return contenu;
}

bool FichierLisible(const std::string &chemin) {
    std::error_code ec;
    return !std::filesystem::is_directory(chemin, ec) &&
           static_cast<bool>(std::ifstream(chemin, std::ios::binary));
}

bool FichierExiste(const std::string &chemin) {
    std::error_code ec;
    return std::filesystem::is_regular_file(chemin, ec);
}

std::string NomFichier(std::string_view chemin) {
    std::size_t pos = chemin.find_last_of("/\\");
    return std::string(pos == std::string_view::npos ? chemin : chemin.substr(pos + 1));
}

std::string DossierDe(std::string_view chemin) {
    std::size_t pos = chemin.find_last_of("/\\");
    return pos == std::string_view::npos ? std::string{} : std::string(chemin.substr(0, pos));
}

std::string ExtensionMaj3(std::string_view chemin) {
    std::size_t point = chemin.rfind('.');
    if (point == std::string_view::npos) return {};
    return Majuscules(PremiersCaracteres(chemin.substr(point + 1), 3));
}

} // namespace lamelix

namespace lamelix {

bool EstCheminAbsolu(std::string_view chemin) {
    if (!chemin.empty() && (chemin[0] == '/' || chemin[0] == '\\')) return true;
    return chemin.size() >= 2 && chemin[1] == ':' &&
           ((chemin[0] >= 'A' && chemin[0] <= 'Z') || (chemin[0] >= 'a' && chemin[0] <= 'z'));
}

std::string JointChemin(const std::string &dossier, const std::string &nom) {
    if (dossier.empty() || EstCheminAbsolu(nom)) return nom;
    if (dossier.back() == '/' || dossier.back() == '\\') return dossier + nom;
    return dossier + "/" + nom;
}

std::string SeparateursLocaux(std::string_view chemin) {
    std::string local(chemin);
    for (char &c : local)
        if (c == '\\') c = '/';
    return local;
}

bool DossierInscriptible(const std::string &dossier) {
    std::error_code ec;
    if (!std::filesystem::is_directory(dossier, ec)) return false;
    const std::string essai = JointChemin(dossier, ".lamelix-essai-ecriture");
    {
        std::ofstream flux(essai, std::ios::binary);
        if (!flux) return false;
    }
    std::filesystem::remove(essai, ec);
    return true;
}

bool EcritFichierSur(const std::string &chemin, std::string_view contenu) {
    const std::string provisoire = chemin + ".tmp-lamelix";
    {
        std::ofstream flux(provisoire, std::ios::binary | std::ios::trunc);
        if (!flux) return false;
        flux.write(contenu.data(), static_cast<std::streamsize>(contenu.size()));
        flux.flush();
        if (!flux) {
            std::error_code ec;
            std::filesystem::remove(provisoire, ec);
            return false;
        }
    }
    std::error_code ec;
    std::filesystem::rename(provisoire, chemin, ec);
    if (!ec) return true;
    std::filesystem::remove(provisoire, ec);
    return false;
}

} // namespace lamelix
