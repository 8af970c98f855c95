#pragma once

#include <cstddef>
#include <functional>
#include <optional>

#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QTimer>

namespace lamelix {

// Watches one file for changes of its content, and calls `change` once a burst of notifications
// has settled. Editors that save by writing a new file and renaming it over the old one make the
// watched file disappear and reappear: its folder is watched too, and the path taken up again
// when it comes back. A notification that leaves the content as it was (another file of the
// folder, a save of the same text) calls nothing.
class VeilleFichier : public QObject {
    Q_OBJECT

  public:
    // `change` returns false when the change could not be handled now: it is tried again after
    // the same delay.
    explicit VeilleFichier(std::function<bool()> change, QObject *parent = nullptr);

    // Watches this file from its content now ("" watches nothing). Called again with the same
    // path, it only takes the present content as the one seen.
    void Suit(const QString &chemin);
    const QString &Chemin() const { return chemin_; }

    // How long the notifications must stop before the content is read.
    static constexpr int DelaiMs = 150;

  private:
    void notifie();
    void verifie();
    // The content's digest, or nothing while the file cannot be read.
    std::optional<std::size_t> condensat() const;

    std::function<bool()> change_;
    QFileSystemWatcher veilleur_;
    QTimer delai_;
    QString chemin_;
    std::optional<std::size_t> vu_;
};

} // namespace lamelix
