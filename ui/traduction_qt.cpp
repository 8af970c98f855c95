#include "ui/traduction_qt.hpp"

#include <algorithm>
#include <cctype>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

namespace lamelix {

TraductionQt::TraductionQt() = default;

TraductionQt::~TraductionQt() {
    if (traducteur_) QCoreApplication::removeTranslator(traducteur_.get());
}

bool TraductionQt::Suit(const std::string &langue) {
    if (suivie_ && langue == langue_) return Chargee();
    suivie_ = true;
    langue_ = langue;
    if (traducteur_) {
        QCoreApplication::removeTranslator(traducteur_.get());
        traducteur_.reset();
    }
    // A code is letters (and "_"): nothing else names a file of the translations folder.
    const bool code = !langue.empty() && std::all_of(langue.begin(), langue.end(), [](char c) {
        return std::isalpha(static_cast<unsigned char>(c)) || c == '_';
    });
    if (!code) return false;
    const QString fichier = QDir(QLibraryInfo::path(QLibraryInfo::TranslationsPath))
                                .filePath("qtbase_" + QString::fromStdString(langue) + ".qm");
    if (!QFileInfo::exists(fichier)) return false;
    auto traducteur = std::make_unique<QTranslator>();
    if (!traducteur->load(fichier)) return false;
    QCoreApplication::installTranslator(traducteur.get());
    traducteur_ = std::move(traducteur);
    return true;
}

} // namespace lamelix
