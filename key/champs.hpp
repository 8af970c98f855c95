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

// A key is read as Windows-1252 until it declares UTF-8: a first line holding "rem$" behind a
// byte-order mark, or a line "REM $ UTF8 $"; from that line on it is read as UTF-8.
inline constexpr std::string_view MarqueBomRem = "\xEF\xBB\xBFrem$";
// True when the line is the declaration "REM $ UTF8 $" (the head in any case, blanks around).
bool DeclareUTF8(std::string_view ligne);

} // namespace lamelix
