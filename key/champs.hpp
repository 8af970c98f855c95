#pragma once

#include <string>
#include <string_view>

namespace lamelix {

// Reads a file's bytes as comma-separated fields, the way the key reader checks a file: blanks
// around a field are dropped, a field in double quotes is taken without them, and a field ends
// at a comma or at a line end (CR, LF or CR LF).
class LecteurChamps {
  public:
    explicit LecteurChamps(std::string_view octets) : octets_(octets) {}

    // Reads the next field; false when the end of the file was already reached.
    bool Lire(std::string &champ);
    bool Fin() const { return pos_ >= octets_.size(); }

  private:
    std::string_view octets_;
    std::size_t pos_ = 0;
};

// The first comma-separated field of a text, "" when it holds none.
std::string PremierChamp(std::string_view octets);

// The marker that a key stored with the txt extension carries as its first field.
inline constexpr std::string_view MarqueurFichierCle = "$FICHIER CLE$";

} // namespace lamelix
