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
