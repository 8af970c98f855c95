#include "platform/fichiers.hpp"

#include "platform/texte.hpp"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace lamelix {

namespace {

// What PourquoiIllisible checks before it opens the file.
std::optional<std::string> PourquoiPasLisibleEntier(const std::string &chemin) {
    std::error_code ec;
    const auto etat = std::filesystem::status(chemin, ec);
    if (ec || !std::filesystem::exists(etat)) return "fichier introuvable";
    // Checked before any open: opening a named pipe waits for a writer, for ever.
    if (!std::filesystem::is_regular_file(etat)) return "ce n'est pas un fichier ordinaire";
    const std::uintmax_t taille = std::filesystem::file_size(chemin, ec);
    if (ec) return "taille illisible";
    if (taille > TailleMaxFichier) return "fichier trop grand (plus de 64 Mio)";
    return std::nullopt;
}

} // namespace

std::optional<std::string> PourquoiIllisible(const std::string &chemin) {
    if (auto pourquoi = PourquoiPasLisibleEntier(chemin)) return pourquoi;
    if (!std::ifstream(chemin, std::ios::binary)) return "lecture refusée";
    return std::nullopt;
}

std::optional<std::string> LireOctets(const std::string &chemin, std::string *pourquoi) {
    const auto echec = [pourquoi](std::string raison) -> std::optional<std::string> {
        if (pourquoi != nullptr) *pourquoi = std::move(raison);
        return std::nullopt;
    };
    // The file is opened once: the checks before the open are PourquoiIllisible's.
    if (auto raison = PourquoiPasLisibleEntier(chemin)) return echec(std::move(*raison));
    std::ifstream flux(chemin, std::ios::binary);
    if (!flux) return echec("lecture refusée");
    std::string contenu;
    // The bound holds even for a file that grows while it is read.
    char tampon[1 << 16];
    while (flux.read(tampon, sizeof tampon) || flux.gcount() > 0) {
        contenu.append(tampon, static_cast<std::size_t>(flux.gcount()));
        if (contenu.size() > TailleMaxFichier) return echec("fichier trop grand (plus de 64 Mio)");
    }
    if (flux.bad()) return echec("lecture interrompue");
    return contenu;
}

bool FichierLisible(const std::string &chemin) {
    return !PourquoiIllisible(chemin);
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

std::string ResoutDansDossier(const std::string &dossier, const std::string &nom) {
    namespace fs = std::filesystem;
    const std::string exact = JointChemin(dossier, SeparateursLocaux(nom));
    std::error_code ec;
    if (fs::exists(exact, ec)) return exact;
    // Folder by folder, the one entry equal but for letter case.
    fs::path courant = EstCheminAbsolu(exact) ? fs::path("/") : fs::path(".");
    for (const fs::path &morceau : fs::path(exact).relative_path()) {
        const fs::path direct = courant / morceau;
        if (fs::exists(direct, ec)) {
            courant = direct;
            continue;
        }
        std::optional<fs::path> trouve;
        for (fs::directory_iterator it(courant, ec), fin; !ec && it != fin; it.increment(ec)) {
            if (!EgauxSansCasse(it->path().filename().string(), morceau.string())) continue;
            if (trouve) return exact; // two candidates: none is the one meant
            trouve = it->path();
        }
        if (!trouve) return exact;
        courant = *trouve;
    }
    return courant.string();
}

} // namespace lamelix
