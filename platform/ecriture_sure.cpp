// Every file the program rewrites goes through here: the new content is written whole to an
// exclusive temporary file beside the target, made durable, given the target's mode, and only
// then renamed over it. A failure at any step leaves the target as it was and removes the
// temporary file.

#include "platform/fichiers.hpp"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace lamelix {

namespace {

constexpr mode_t BitsEcriture = S_IWUSR | S_IWGRP | S_IWOTH;

std::string Erreur(int numero) {
    return std::strerror(numero);
}

std::string DossierLocal(const std::string &chemin) {
    const std::size_t pos = chemin.rfind('/');
    if (pos == std::string::npos) return {};
    return pos == 0 ? "/" : chemin.substr(0, pos);
}

// The file a path names once its symbolic links are followed: a key reached through a link is
// rewritten where it lives, and the link stays a link. A link to nothing names the file to create.
std::optional<std::string> SuitLesLiens(std::string chemin, std::string &pourquoi) {
    for (int n = 0; n < 40; ++n) {
        struct stat etat {};
        if (lstat(chemin.c_str(), &etat) != 0 || !S_ISLNK(etat.st_mode)) return chemin;
        char cible[PATH_MAX];
        const ssize_t lu = readlink(chemin.c_str(), cible, sizeof cible - 1);
        if (lu < 0) {
            pourquoi = "lien symbolique illisible : " + Erreur(errno);
            return std::nullopt;
        }
        const std::string vers(cible, static_cast<std::size_t>(lu));
        if (vers.empty()) return chemin;
        const std::string dossier = DossierLocal(chemin);
        chemin = vers.front() == '/' || dossier.empty() ? vers
                 : dossier == "/"                       ? "/" + vers
                                                        : dossier + "/" + vers;
    }
    pourquoi = "trop de liens symboliques à suivre";
    return std::nullopt;
}

// The permissions a new file gets from the process's umask (read without changing it, so that
// no other thread ever sees a different umask).
mode_t ModeParDefaut() {
    mode_t masque = 022;
    std::ifstream etat("/proc/self/status");
    for (std::string ligne; std::getline(etat, ligne);)
        if (ligne.rfind("Umask:", 0) == 0) {
            masque = static_cast<mode_t>(std::strtoul(ligne.c_str() + 6, nullptr, 8));
            break;
        }
    return 0666 & ~masque;
}

// A temporary file created in the folder, exclusively and never through a link, readable by its
// owner only while it is written. Its descriptor, -1 with errno set when none could be made.
int CreeProvisoire(const std::string &dossier, const std::string &nom, std::string &provisoire) {
    static std::atomic<unsigned long> compteur{0};
    const auto graine =
        static_cast<unsigned long>(std::chrono::steady_clock::now().time_since_epoch().count());
    for (int essai = 0; essai < 100; ++essai) {
        char suffixe[64];
        std::snprintf(suffixe, sizeof suffixe, ".%ld.%lx", static_cast<long>(getpid()),
                      (graine ^ (compteur++ * 0x9E3779B97F4A7C15ul)) & 0xFFFFFFFFFFul);
        provisoire = (dossier.empty()  ? ""
                      : dossier == "/" ? "/"
                                       : dossier + "/") +
                     "." + nom + ".lamelix" + suffixe;
        const int fd =
            open(provisoire.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

bool EcritTout(int fd, std::string_view contenu) {
    while (!contenu.empty()) {
        const ssize_t n = write(fd, contenu.data(), contenu.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        contenu.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

std::string RefusDuDossier(const std::string &dossier, int numero) {
    const std::string nom = dossier.empty() ? "courant" : dossier;
    if (numero == EACCES || numero == EPERM || numero == EROFS)
        return "le dossier " + nom + " n'accepte pas de nouveau fichier";
    if (numero == ENOENT || numero == ENOTDIR) return "le dossier " + nom + " n'existe pas";
    return "le dossier " + nom + " n'accepte pas de nouveau fichier : " + Erreur(numero);
}

// Why the file at chemin (links already followed) may not be replaced; its state in *etat, and
// *existe false when nothing is there yet.
std::optional<std::string> PourquoiPasRemplacable(const std::string &chemin, struct stat &etat,
                                                  bool &existe) {
    existe = lstat(chemin.c_str(), &etat) == 0;
    // Nothing there, or no folder there: the folder's own check says which.
    if (!existe)
        return errno == ENOENT || errno == ENOTDIR ? std::nullopt : std::optional(Erreur(errno));
    if (S_ISDIR(etat.st_mode)) return "c'est un dossier";
    if (!S_ISREG(etat.st_mode))
        return "ce n'est pas un fichier ordinaire (tube, périphérique…) : rien n'y est écrit";
    // The write bits say it even to root, who passes every access test.
    if ((etat.st_mode & BitsEcriture) == 0 || access(chemin.c_str(), W_OK) != 0)
        return "le fichier est en lecture seule";
    return std::nullopt;
}

} // namespace

bool DossierInscriptible(const std::string &dossier) {
    struct stat etat {};
    if (stat(dossier.c_str(), &etat) != 0 || !S_ISDIR(etat.st_mode)) return false;
    std::string essai;
    const int fd = CreeProvisoire(dossier, "essai-ecriture", essai);
    if (fd < 0) return false;
    close(fd);
    unlink(essai.c_str());
    return true;
}

std::optional<std::string> PourquoiPasReecrivable(const std::string &chemin) {
    std::string raison;
    const auto vrai = SuitLesLiens(chemin, raison);
    if (!vrai) return raison;
    struct stat etat {};
    bool existe = false;
    return PourquoiPasRemplacable(*vrai, etat, existe);
}

std::optional<unsigned> ModeFichier(const std::string &chemin) {
    struct stat etat {};
    if (stat(chemin.c_str(), &etat) != 0) return std::nullopt;
    return static_cast<unsigned>(etat.st_mode & 07777);
}

bool EcritFichierSur(const std::string &demande, std::string_view contenu, std::string *pourquoi,
                     std::optional<unsigned> mode) {
    std::string raison;
    const auto echec = [&](std::string r) {
        if (pourquoi != nullptr) *pourquoi = std::move(r);
        return false;
    };
    const auto chemin = SuitLesLiens(demande, raison);
    if (!chemin) return echec(raison);
    const std::string dossier = DossierLocal(*chemin);
    struct stat etat {};
    bool existe = false;
    if (auto refus = PourquoiPasRemplacable(*chemin, etat, existe)) return echec(*refus);
    struct stat etatDossier {};
    if (!dossier.empty() &&
        (stat(dossier.c_str(), &etatDossier) != 0 || !S_ISDIR(etatDossier.st_mode)))
        return echec("le dossier " + dossier + " n'existe pas");

    std::string provisoire;
    const int fd = CreeProvisoire(dossier, NomFichier(*chemin), provisoire);
    if (fd < 0) return echec(RefusDuDossier(dossier, errno));
    const auto abandon = [&](std::string r) {
        close(fd);
        unlink(provisoire.c_str());
        return echec(std::move(r));
    };
    if (!EcritTout(fd, contenu) || fsync(fd) != 0)
        return abandon("écriture interrompue (disque plein ?)");
    // The replaced file's owner (when the process may give it) and mode; a new file gets the
    // mode the umask gives. A mode asked for wins over both.
    // Only root may give a file away; anyone else's rewrite becomes theirs, as with any editor.
    if (existe && geteuid() == 0 && fchown(fd, etat.st_uid, etat.st_gid) != 0)
        return abandon("propriétaire du fichier impossible à garder");
    const mode_t bits = mode     ? static_cast<mode_t>(*mode)
                        : existe ? etat.st_mode & 07777
                                 : ModeParDefaut();
    if (fchmod(fd, bits) != 0) return abandon("droits du fichier impossibles à donner");
    if (close(fd) != 0) {
        unlink(provisoire.c_str());
        return echec("écriture interrompue (disque plein ?)");
    }
    if (rename(provisoire.c_str(), chemin->c_str()) != 0) {
        const int numero = errno;
        unlink(provisoire.c_str());
        return echec("remplacement impossible : " + Erreur(numero));
    }
    // The new name itself is made durable.
    if (const int d = open(dossier.empty() ? "." : dossier.c_str(), O_RDONLY | O_DIRECTORY);
        d >= 0) {
        fsync(d);
        close(d);
    }
    return true;
}

} // namespace lamelix
