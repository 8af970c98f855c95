// A zip archive is read with libarchive, entry by entry, each within the bounds before a byte of
// it is kept; a folder is walked without following links.

#include "tools/archive_projet.hpp"

#include "platform/fichiers.hpp"

#include <archive.h>
#include <archive_entry.h>
#include <filesystem>
#include <memory>
#include <system_error>

namespace lamelix {

namespace {

namespace fs = std::filesystem;

bool Retenu(const std::string &nom, const std::vector<std::string> &extensions) {
    std::string bas = nom;
    for (char &c : bas)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    for (const std::string &e : extensions)
        if (bas.size() > e.size() && bas.compare(bas.size() - e.size(), e.size(), e) == 0)
            return true;
    return false;
}

class Collecte {
  public:
    Collecte(FichiersProjet &f, const std::vector<std::string> &extensions)
        : f_(f), extensions_(extensions) {}

    // False when the project passes its bounds: the reading stops there.
    bool Entree() {
        if (++entrees_ <= MaxEntreesProjet) return true;
        f_.Refus.push_back("plus de " + std::to_string(MaxEntreesProjet) + " entrées");
        return false;
    }
    bool Veut(const std::string &nom, std::uintmax_t taille) {
        if (!Retenu(nom, extensions_)) return false;
        if (f_.Fichiers.count(nom)) {
            f_.Ecartes.push_back(nom + " : une entrée de même nom a déjà été lue");
            return false;
        }
        if (taille > TailleMaxFichier) {
            f_.Ecartes.push_back(nom + " : plus de " + std::to_string(TailleMaxFichier) +
                                 " octets");
            return false;
        }
        return true;
    }
    bool Garde(const std::string &nom, std::string octets) {
        total_ += octets.size();
        if (total_ > MaxOctetsProjet) {
            f_.Refus.push_back("plus de " + std::to_string(MaxOctetsProjet) + " octets à lire");
            return false;
        }
        f_.Fichiers.emplace(nom, std::move(octets));
        return true;
    }

  private:
    FichiersProjet &f_;
    const std::vector<std::string> &extensions_;
    std::size_t entrees_ = 0;
    std::uintmax_t total_ = 0;
};

void LitDossier(const std::string &chemin, Collecte &c, FichiersProjet &f) {
    std::error_code err;
    fs::recursive_directory_iterator it(chemin, fs::directory_options::none, err), fin;
    for (; !err && it != fin; it.increment(err)) {
        if (!c.Entree()) return;
        if (it.depth() > 3) it.disable_recursion_pending();
        const fs::file_status statut = it->symlink_status(err);
        if (err || !fs::is_regular_file(statut)) continue; // links, folders, devices
        const std::string nom = it->path().filename().string();
        if (!c.Veut(nom, it->file_size(err)) || err) continue;
        std::string pourquoi;
        auto octets = LireOctets(it->path().string(), &pourquoi);
        if (!octets) {
            f.Ecartes.push_back(nom + " : " + pourquoi);
            continue;
        }
        if (!c.Garde(nom, std::move(*octets))) return;
    }
    if (err) f.Refus.push_back(chemin + " : " + err.message());
}

std::string Raison(archive *a) {
    const char *texte = archive_error_string(a);
    return texte ? texte : "archive illisible";
}

void LitArchive(const std::string &chemin, Collecte &c, FichiersProjet &f) {
    const std::unique_ptr<archive, decltype(&archive_read_free)> a(archive_read_new(),
                                                                   &archive_read_free);
    archive_read_support_format_zip(a.get());
    archive_read_support_filter_none(a.get());
    if (archive_read_open_filename(a.get(), chemin.c_str(), 1 << 16) != ARCHIVE_OK) {
        f.Refus.push_back(chemin + " : " + Raison(a.get()));
        return;
    }
    archive_entry *entree = nullptr;
    int etat = ARCHIVE_OK;
    while ((etat = archive_read_next_header(a.get(), &entree)) == ARCHIVE_OK ||
           etat == ARCHIVE_WARN) {
        if (!c.Entree()) return;
        if (archive_entry_filetype(entree) != AE_IFREG || archive_entry_hardlink(entree) ||
            archive_entry_symlink(entree))
            continue;
        const char *brut = archive_entry_pathname(entree);
        const std::string nom = brut ? fs::path(brut).filename().string() : "";
        const la_int64_t taille =
            archive_entry_size_is_set(entree) ? archive_entry_size(entree) : 0;
        if (nom.empty() || taille < 0 || !c.Veut(nom, static_cast<std::uintmax_t>(taille)))
            continue;
        // The declared size is not trusted: the reading stops past the bound all the same.
        std::string octets;
        char tampon[1 << 14];
        la_ssize_t lu = 0;
        while ((lu = archive_read_data(a.get(), tampon, sizeof tampon)) > 0) {
            octets.append(tampon, static_cast<std::size_t>(lu));
            if (octets.size() > TailleMaxFichier) break;
        }
        if (lu < 0) {
            f.Ecartes.push_back(nom + " : " + Raison(a.get()));
            continue;
        }
        if (octets.size() > TailleMaxFichier) {
            f.Ecartes.push_back(nom + " : plus de " + std::to_string(TailleMaxFichier) + " octets");
            continue;
        }
        if (!c.Garde(nom, std::move(octets))) return;
    }
    if (etat != ARCHIVE_EOF) f.Refus.push_back(chemin + " : " + Raison(a.get()));
}

} // namespace

FichiersProjet LitFichiersProjet(const std::string &chemin,
                                 const std::vector<std::string> &extensions) {
    FichiersProjet f;
    Collecte c(f, extensions);
    std::error_code err;
    if (fs::is_directory(fs::symlink_status(chemin, err)))
        LitDossier(chemin, c, f);
    else if (fs::is_regular_file(fs::status(chemin, err)))
        LitArchive(chemin, c, f);
    else
        f.Refus.push_back(chemin + " : ni un dossier ni une archive .zip");
    return f;
}

} // namespace lamelix
