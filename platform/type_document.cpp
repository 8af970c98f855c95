// What the desktop may be handed: documents only. A key names its documents, and the desktop
// opens a file with whatever program its type calls for, a launcher or a script included: the
// type is judged here, by the file's name and by its content, before anything leaves the
// program.

#include "platform/fichiers.hpp"
#include "platform/surete.hpp"
#include "platform/texte.hpp"

#include <filesystem>
#include <fstream>
#if !defined(__EMSCRIPTEN__)
#include <magic.h>
#endif
#include <memory>
#include <mutex>

namespace lamelix {

namespace {

// The kinds of document the desktop may open. Name and content must give the same kind: a
// picture's viewer is not asked to open a text, and a file whose content lies about its name
// is no document.
enum class Genre { Pdf, Texte, Image, SonVideo, Bureautique };

struct ExtensionDocument {
    const char *extension; // upper case
    Genre genre;
};

constexpr ExtensionDocument Extensions[] = {
    {"PDF", Genre::Pdf},          {"TXT", Genre::Texte},        {"TEXT", Genre::Texte},
    {"MD", Genre::Texte},         {"CSV", Genre::Texte},        {"RTF", Genre::Texte},
    {"HTM", Genre::Texte},        {"HTML", Genre::Texte},       {"XHTML", Genre::Texte},
    {"JPG", Genre::Image},        {"JPEG", Genre::Image},       {"PNG", Genre::Image},
    {"GIF", Genre::Image},        {"BMP", Genre::Image},        {"TIF", Genre::Image},
    {"TIFF", Genre::Image},       {"WEBP", Genre::Image},       {"SVG", Genre::Image},
    {"DJVU", Genre::Image},       {"MP3", Genre::SonVideo},     {"OGG", Genre::SonVideo},
    {"OGA", Genre::SonVideo},     {"OGV", Genre::SonVideo},     {"OPUS", Genre::SonVideo},
    {"WAV", Genre::SonVideo},     {"FLAC", Genre::SonVideo},    {"M4A", Genre::SonVideo},
    {"MP4", Genre::SonVideo},     {"M4V", Genre::SonVideo},     {"MKV", Genre::SonVideo},
    {"WEBM", Genre::SonVideo},    {"AVI", Genre::SonVideo},     {"MOV", Genre::SonVideo},
    {"MPG", Genre::SonVideo},     {"MPEG", Genre::SonVideo},    {"DOC", Genre::Bureautique},
    {"DOCX", Genre::Bureautique}, {"ODT", Genre::Bureautique},  {"ODS", Genre::Bureautique},
    {"ODP", Genre::Bureautique},  {"XLS", Genre::Bureautique},  {"XLSX", Genre::Bureautique},
    {"PPT", Genre::Bureautique},  {"PPTX", Genre::Bureautique}, {"EPUB", Genre::Bureautique}};

std::string extensionDe(const std::string &chemin) {
    const std::string nom = NomFichier(chemin);
    const std::size_t point = nom.rfind('.');
    return point == std::string::npos || point == 0 ? std::string{} : nom.substr(point + 1);
}

std::optional<Genre> genreDuNom(const std::string &chemin) {
    const std::string extension = Majuscules(extensionDe(chemin));
    for (const ExtensionDocument &e : Extensions)
        if (extension == e.extension) return e.genre;
    return std::nullopt;
}

// The content types of documents, as the system's table of file signatures names them (the
// names the desktop's own type database uses).
std::optional<Genre> genreDuContenu(std::string_view type) {
    const auto commence = [&](std::string_view debut) { return type.starts_with(debut); };
    if (type == "application/pdf") return Genre::Pdf;
    for (std::string_view texte :
         {"text/plain", "text/html", "text/csv", "text/rtf", "application/rtf",
          "application/xhtml+xml", "text/xml", "application/x-empty", "inode/x-empty"})
        if (type == texte) return Genre::Texte;
    if (commence("image/")) return Genre::Image;
    if (commence("audio/") || commence("video/") || type == "application/ogg")
        return Genre::SonVideo;
    // Office documents of either family; the newer ones are zip archives inside, which is all
    // an older signature table may say of them.
    for (std::string_view bureau :
         {"application/msword", "application/vnd.ms-excel", "application/vnd.ms-powerpoint",
          "application/vnd.ms-office", "application/CDFV2", "application/x-ole-storage",
          "application/epub+zip", "application/zip"})
        if (type == bureau) return Genre::Bureautique;
    if (commence("application/vnd.openxmlformats-officedocument.") ||
        commence("application/vnd.oasis.opendocument."))
        return Genre::Bureautique;
    return std::nullopt;
}

#if defined(__EMSCRIPTEN__)
// A page hands nothing to a desktop: it shows only the pictures it carries, by their names.
// There is no signature table to read a content with, and no need of one.
std::optional<std::string> typeDuContenu(const std::string &) {
    return std::nullopt;
}
constexpr bool ContenuLisible = false;
#else
// The system's signature table, loaded once; it answers one question at a time.
struct TableSignatures {
    magic_t table = nullptr;
    std::mutex verrou;
    TableSignatures() {
        table = magic_open(MAGIC_MIME_TYPE);
        if (table != nullptr && magic_load(table, nullptr) != 0) {
            magic_close(table);
            table = nullptr;
        }
    }
    ~TableSignatures() {
        if (table != nullptr) magic_close(table);
    }
    TableSignatures(const TableSignatures &) = delete;
    TableSignatures &operator=(const TableSignatures &) = delete;
};

// The content type of the file's first bytes (enough for every signature), or nothing when
// the table or the file cannot be read.
std::optional<std::string> typeDuContenu(const std::string &chemin) {
    static TableSignatures signatures;
    std::ifstream flux(chemin, std::ios::binary);
    if (!flux) return std::nullopt;
    std::string debut(1u << 20, '\0');
    flux.read(debut.data(), static_cast<std::streamsize>(debut.size()));
    debut.resize(static_cast<std::size_t>(flux.gcount()));
    const std::lock_guard<std::mutex> garde(signatures.verrou);
    if (signatures.table == nullptr) return std::nullopt;
    const char *type = magic_buffer(signatures.table, debut.data(), debut.size());
    if (type == nullptr) return std::nullopt;
    return std::string(type);
}
constexpr bool ContenuLisible = true;
#endif

std::string pourquoiNom(const std::string &chemin) {
    const std::string extension = extensionDe(chemin);
    return extension.empty() ? "son nom n'a pas d'extension de document"
                             : "l'extension ." + extension + " n'est pas celle d'un document";
}

} // namespace

std::optional<std::string> PourquoiPasUnDocument(const std::string &chemin) {
    namespace fs = std::filesystem;
    std::error_code ec;
    // Checked before anything is opened: a named pipe would block the read for ever.
    if (!fs::is_regular_file(chemin, ec)) return "ce n'est pas un fichier ordinaire";
    if (EstExecutable(chemin)) return "c'est un programme";
    // The name the key gives and, for a link, the name of the file it leads to.
    const std::optional<Genre> genre = genreDuNom(chemin);
    if (!genre) return pourquoiNom(chemin);
    const fs::path reel = fs::canonical(chemin, ec);
    if (!ec && genreDuNom(reel.string()) != genre) return pourquoiNom(reel.string());
    const std::optional<std::string> type = typeDuContenu(chemin);
    if (!type && !ContenuLisible) return std::nullopt;
    if (!type) return "le type de son contenu n'a pas pu être reconnu";
    const std::optional<Genre> contenu = genreDuContenu(*type);
    if (!contenu) return "son contenu (" + *type + ") n'est pas un document";
    if (*contenu != *genre)
        return "son contenu (" + *type + ") ne répond pas à son extension ." + extensionDe(chemin);
    return std::nullopt;
}

std::string CheminDuComplement(const std::string &dossierCle, const std::string &nom) {
    // The key's folder, a separator and the name: a leading separator is the one the join
    // puts, and a drive letter or a full path names a place inside the folder too.
    const std::size_t debut = nom.find_first_not_of("/\\");
    std::string dansLeDossier = debut == std::string::npos ? std::string{} : nom.substr(debut);
    if (EstCheminAbsolu(dansLeDossier)) dansLeDossier = "./" + dansLeDossier;
    return ResoutDansDossier(dossierCle, dansLeDossier);
}

} // namespace lamelix
