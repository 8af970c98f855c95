#pragma once

#include <string>
#include <string_view>

namespace lamelix {

// The small accented letters of French and their neighbours folded to their bare letter (à á â
// ã ä give a, ç c, è é ê ë e, ì í î ï i, ò ó ô õ ö o, ù ú û ü u). Capitals and every other
// character (å, æ, ñ, ø, ý, ÿ among them) are kept.
std::string SansAccent(std::string_view texte);
// Case and accents both ignored, the capitals' accents too (É, e and E all give E): the text
// written in capitals of bare letters, to compare two such texts.
std::string SansAccentNiCasse(std::string_view texte);

// The one or two words of a keyword search, folded once as the search asks: case ignored, accents
// folded, or both. A text holds them when it holds word 1 or word 2 ("or"), or both ("and"); an
// empty word 2 is never found.
class MotsCherches {
  public:
    MotsCherches(std::string_view mot1, std::string_view mot2, bool sansCasse, bool sansAccents,
                 bool lesDeux);

    bool Mot1Vide() const { return mot1_.empty(); }
    // Reuses one buffer for the folded text: a search tries thousands of texts.
    bool Trouve(std::string_view texte) const;

  private:
    void plie(std::string_view texte, std::string &sortie) const;

    bool sansCasse_, sansAccents_, lesDeux_;
    std::string mot1_, mot2_;
    mutable std::string plie_;
};

} // namespace lamelix
