// The watch on the open key's file: notifications of the file and of its folder, gathered by a
// short delay, and the content compared with the one last seen.

#include "ui/veille_fichier.hpp"

#include "platform/fichiers.hpp"

#include <string_view>

#include <QFileInfo>

namespace lamelix {

VeilleFichier::VeilleFichier(std::function<bool()> change, QObject *parent)
    : QObject(parent), change_(std::move(change)) {
    delai_.setSingleShot(true);
    delai_.setInterval(DelaiMs);
    connect(&delai_, &QTimer::timeout, this, &VeilleFichier::verifie);
    connect(&veilleur_, &QFileSystemWatcher::fileChanged, this, &VeilleFichier::notifie);
    connect(&veilleur_, &QFileSystemWatcher::directoryChanged, this, &VeilleFichier::notifie);
}

void VeilleFichier::Suit(const QString &chemin) {
    if (chemin != chemin_) {
        if (!veilleur_.files().isEmpty()) veilleur_.removePaths(veilleur_.files());
        if (!veilleur_.directories().isEmpty()) veilleur_.removePaths(veilleur_.directories());
        delai_.stop();
        chemin_ = chemin;
        if (!chemin_.isEmpty()) {
            veilleur_.addPath(QFileInfo(chemin_).absolutePath());
            veilleur_.addPath(chemin_);
        }
    }
    vu_ = condensat();
}

void VeilleFichier::notifie() {
    if (chemin_.isEmpty()) return;
    // A file renamed over the watched one is a new file: the watch has dropped the old one.
    if (!veilleur_.files().contains(chemin_) && QFileInfo::exists(chemin_))
        veilleur_.addPath(chemin_);
    delai_.start();
}

void VeilleFichier::verifie() {
    const std::optional<std::size_t> maintenant = condensat();
    // Gone or unreadable (between the removal and the rename): the next notification tells.
    if (!maintenant || maintenant == vu_) return;
    if (!veilleur_.files().contains(chemin_)) veilleur_.addPath(chemin_);
    if (!change_()) delai_.start();
}

std::optional<std::size_t> VeilleFichier::condensat() const {
    if (chemin_.isEmpty()) return std::nullopt;
    // Read as the loader reads a key: a regular file within the size bound only, so that a
    // FIFO or a huge file put in the key's place never blocks or fills the window.
    const auto octets = LireOctets(chemin_.toStdString());
    if (!octets) return std::nullopt;
    return std::hash<std::string_view>{}(*octets);
}

} // namespace lamelix
