// The chooser of the default key file and of the documentation folder: a folder list, opened on
// a folder, with ".." to go up, and the files of that folder that match the chooser's pattern.

#include "consult/lamelix.hpp"
#include "platform/fichiers.hpp"
#include "platform/texte.hpp"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace lamelix {

namespace {

// A pattern of the chooser: "*" stands for any text; compared without regard to case, as the
// key authors' Windows folders are.
bool correspond(std::string_view nom, std::string_view motif) {
    std::size_t n = 0, m = 0, etoile = std::string_view::npos, reprise = 0;
    while (n < nom.size()) {
        if (m < motif.size() && motif[m] == '*') {
            etoile = m++;
            reprise = n;
        } else if (m < motif.size() && (motif[m] == '?' || motif[m] == nom[n])) {
            ++m;
            ++n;
        } else if (etoile != std::string_view::npos) {
            m = etoile + 1;
            n = ++reprise;
        } else {
            return false;
        }
    }
    while (m < motif.size() && motif[m] == '*')
        ++m;
    return m == motif.size();
}

bool correspondUnMotif(const std::string &nom, const std::string &motifs) {
    const std::string nomMaj = Majuscules(nom);
    std::size_t debut = 0;
    while (debut <= motifs.size()) {
        std::size_t fin = motifs.find(';', debut);
        if (fin == std::string::npos) fin = motifs.size();
        if (correspond(nomMaj, Majuscules(motifs.substr(debut, fin - debut)))) return true;
        debut = fin + 1;
    }
    return false;
}

bool avantSansCasse(const std::string &a, const std::string &b) {
    return Majuscules(a) < Majuscules(b);
}

} // namespace

void DirList_Ouvre(Lamelix &f, const std::string &dossier) {
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::path chemin = fs::weakly_canonical(fs::path(dossier.empty() ? "/" : dossier), ec);
    if (ec || !fs::is_directory(chemin, ec)) chemin = fs::path(f.RepProgramme);
    f.DirListPath = chemin.string();

    std::vector<std::string> dossiers, fichiers;
    for (fs::directory_iterator it(chemin, fs::directory_options::skip_permission_denied, ec), fin;
         !ec && it != fin; it.increment(ec)) {
        const std::string nom = it->path().filename().string();
        if (nom.empty() || nom[0] == '.') continue; // hidden entries
        std::error_code ecType;
        if (it->is_directory(ecType))
            dossiers.push_back(nom);
        else if (it->is_regular_file(ecType) && correspondUnMotif(nom, f.FileListPattern))
            fichiers.push_back(nom);
    }
    std::sort(dossiers.begin(), dossiers.end(), avantSansCasse);
    std::sort(fichiers.begin(), fichiers.end(), avantSansCasse);

    f.DirList.Clear();
    if (chemin.has_parent_path() && chemin != chemin.root_path()) f.DirList.AddItem("..");
    for (std::string &nom : dossiers)
        f.DirList.AddItem(std::move(nom));
    f.FileList.Clear();
    if (f.FileList.Enabled)
        for (std::string &nom : fichiers)
            f.FileList.AddItem(std::move(nom));
}

void DirList_DblClick(Lamelix &f) {
    const std::string choisi = f.DirList.TexteSelectionne();
    if (choisi.empty()) return;
    namespace fs = std::filesystem;
    const fs::path actuel(f.DirListPath);
    DirList_Ouvre(f, choisi == ".." ? actuel.parent_path().string() : (actuel / choisi).string());
}

} // namespace lamelix
