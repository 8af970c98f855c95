#include "search/langues_traduction.hpp"

#include <string_view>
#include <utility>

namespace lamelix {

namespace {

constexpr std::pair<std::string_view, std::string_view> Codes[] = {
    {"Albanais", "sq"},
    {"Allemand", "de"},
    {"Anglais", "en"},
    {"Arabe", "ar"},
    {"Bulgare", "bg"},
    {"Catalan", "ca"},
    {"Chinois (simplifie)", "zh-CN"},
    {"Chinois (traditionnel)", "zh-TW"},
    {"Coréen", "ko"},
    {"Croate", "hr"},
    {"Danois", "da"},
    {"Espagnol", "es"},
    {"Estonien", "et"},
    {"Finnois", "fi"},
    {"Français", "fr"},
    {"Galicien", "gl"},
    {"Grec", "el"},
    {"Hébreu", "iw"},
    {"Hindi", "hi"},
    {"Hongrois", "hu"},
    {"Indonésien", "id"},
    {"Italien", "it"},
    {"Japonais", "ja"},
    {"Letton", "lv"},
    {"Lituanien", "lt"},
    {"Maltais", "mt"},
    {"Néerlandais", "nl"},
    {"Norvégien", "no"},
    {"Polonais", "pl"},
    {"Portugais", "pt"},
    {"Roumain", "ro"},
    {"Russe", "ru"},
    {"Serbe", "sr"},
    {"Slovaque", "sk"},
    {"Slovène", "sl"},
    {"Suédois", "sv"},
    {"tagalog", "tl"},
    {"Tchéque", "cs"},
    {"Thaï", "th"},
    {"Turc", "tr"},
    {"ukrainien", "uk"},
    {"vietnamien", "vi"},
};
static_assert(std::size(Codes) == 42);

constexpr std::pair<std::string_view, std::string_view> CodesServeur[] = {
    {"", "auto"}, {"iw", "he"}, {"zh-CN", "zh"}, {"zh-TW", "zt"}, {"no", "nb"}};

} // namespace

std::string CodeLangue(const std::string &nom) {
    for (const auto &[langue, code] : Codes)
        if (nom == langue) return std::string(code);
    return {};
}

std::string LangueCibleParDefaut(const std::string &codeInterface, const std::string &langueCle) {
    const std::string code = codeInterface.empty() ? "fr" : codeInterface;
    for (const auto &[langue, sienne] : Codes)
        if (sienne == code && langue != langueCle) return std::string(langue);
    return langueCle == "Anglais" ? "Français" : "Anglais";
}

std::string CodeServeur(const std::string &code) {
    for (const auto &[page, serveur] : CodesServeur)
        if (code == page) return std::string(serveur);
    return code;
}

} // namespace lamelix
