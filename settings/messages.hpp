#pragma once

#include "settings/numeros_messages.hpp"
#include "settings/textes_traduits.hpp"

#include <array>
#include <string>
#include <string_view>

namespace lamelix {

// The numbered texts shown in message boxes, labels and reports (0 to 256), French by default.
// Texts are fragments joined by their callers: their leading and trailing blanks matter. The
// callers name the numbers (settings/numeros_messages.hpp).
class Messages {
  public:
    static constexpr int Nombre = 257;

    Messages();
    void ChargeDefauts();

    // Checked: a number outside 0..256 is a run-time error.
    const std::string &operator[](int numero) const;
    void Remplace(int numero, std::string texte);
    // A language file's text for a message: its items are read trimmed, so the text takes the
    // blanks the built-in French text has before and after it, which the callers join on.
    void RemplaceParTraduction(int numero, std::string_view texte);

    // The key compiler's own message fragments, French until a language file's section
    // COMPILATEUR replaces them.
    const TextesTraduits &Compilateur() const { return compilateur_; }
    TextesTraduits &Compilateur() { return compilateur_; }

  private:
    std::array<std::string, Nombre> textes_;
    TextesTraduits compilateur_;
};

// A language file's text (read trimmed) with the blanks the built-in French text has before and
// after it, which the callers join on.
std::string AvecLesBlancsDe(std::string_view francais, std::string_view texte);

} // namespace lamelix
