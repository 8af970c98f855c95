#include "platform/surete.hpp"

#include "platform/fichiers.hpp"
#include "platform/texte.hpp"

#include <array>
#include <filesystem>
#include <fstream>

namespace lamelix {

namespace {

bool commencePar(std::string_view texte, std::string_view debut) {
    return texte.substr(0, debut.size()) == debut;
}

} // namespace

bool EstExecutable(const std::string &chemin) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::perms droits = fs::status(chemin, ec).permissions();
    if (!ec && (droits & (fs::perms::owner_exec | fs::perms::group_exec |
                          fs::perms::others_exec)) != fs::perms::none)
        return true;
    static const std::array<const char *, 16> programmes = {
        "SH",  "BASH", "ZSH", "CSH", "DESKTOP",  "EXE", "COM", "BAT",
        "CMD", "MSI",  "RUN", "BIN", "APPIMAGE", "JAR", "PS1", "VBS"};
    const std::string nom = NomFichier(chemin);
    const std::size_t point = nom.rfind('.');
    if (point != std::string::npos) {
        const std::string extension = Majuscules(nom.substr(point + 1));
        for (const char *p : programmes)
            if (extension == p) return true;
    }
    // By content: whatever the name says.
    std::ifstream flux(chemin, std::ios::binary);
    char debut[64] = {};
    flux.read(debut, sizeof debut);
    const std::string_view tete(debut, static_cast<std::size_t>(flux.gcount()));
    return commencePar(tete, "\x7F"
                             "ELF") ||
           commencePar(tete, "#!") || commencePar(tete, "MZ") ||
           tete.find("[Desktop Entry]") != std::string_view::npos;
}

GenreAdresse GenreDe(std::string_view cible) {
    const std::string minuscules = [&] {
        std::string m(cible);
        for (char &c : m)
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        return m;
    }();
    if (commencePar(minuscules, "http://") || commencePar(minuscules, "https://"))
        return GenreAdresse::Web;
    // A scheme: letters, digits, "+", "-", "." before a ":"; one letter is a drive ("C:").
    std::size_t i = 0;
    while (i < minuscules.size() &&
           ((minuscules[i] >= 'a' && minuscules[i] <= 'z') ||
            (i > 0 && ((minuscules[i] >= '0' && minuscules[i] <= '9') || minuscules[i] == '+' ||
                       minuscules[i] == '-' || minuscules[i] == '.'))))
        ++i;
    if (i >= 2 && i < minuscules.size() && minuscules[i] == ':') return GenreAdresse::Refusee;
    if (minuscules.find("http://") != std::string::npos ||
        minuscules.find("https://") != std::string::npos)
        return GenreAdresse::Refusee;
    return GenreAdresse::Fichier;
}

} // namespace lamelix
