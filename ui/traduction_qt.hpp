#pragma once

#include <memory>
#include <string>

class QTranslator;

namespace lamelix {

// Qt's own texts (the buttons of the message boxes, the file dialogs) in the interface
// language: the translation "qtbase_<code>" of Qt's translations folder. A language Qt has no
// translation for leaves Qt's own English texts; nothing else happens.
class TraductionQt {
  public:
    TraductionQt();
    ~TraductionQt();
    TraductionQt(const TraductionQt &) = delete;
    TraductionQt &operator=(const TraductionQt &) = delete;

    // Follows the interface language (its code, such as "fr"); true when Qt's texts are in it.
    bool Suit(const std::string &langue);
    bool Chargee() const { return traducteur_ != nullptr; }

  private:
    std::unique_ptr<QTranslator> traducteur_;
    std::string langue_;
    bool suivie_ = false; // a language has been asked for
};

} // namespace lamelix
