#pragma once

#include "platform/controles.hpp"

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace lamelix {

// A numbered section of an interface language file that replaces built-in French texts item by
// item: item n is the n-th French text (texts are only ever appended, so a language file keeps
// naming the same ones). The code writes its French text and shows it through Traduit, so the
// French output stays what it always was and a language file changes only what it names.
class TextesTraduits : public Controle {
  public:
    explicit TextesTraduits(std::vector<std::string> francais);

    // The text now in force for this built-in French text, else the French text itself.
    std::string Traduit(std::string_view francais) const;
    // The item's text now; nullptr when there is no such item.
    const std::string *Lit(int numero) const;
    // Item n becomes a language file's text, with the blanks its French text has around it;
    // false when there is no such item.
    bool Fixe(int numero, std::string_view texte);
    void Defauts();
    int Nombre() const { return static_cast<int>(francais_.size()); }

  private:
    std::vector<std::string> francais_, textes_;
    std::map<std::string, std::size_t, std::less<>> numeros_;
};

} // namespace lamelix
