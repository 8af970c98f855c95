#include "key/langues_source.hpp"

#include "platform/controles.hpp"

namespace lamelix {

const std::vector<std::string> &LanguesSource() {
    static const std::vector<std::string> langues = {"Détection automatique",
                                                     "Allemand",
                                                     "Anglais",
                                                     "Espagnol",
                                                     "Français",
                                                     "Italien",
                                                     "Néerlandais",
                                                     "-----------------------------",
                                                     "Albanais",
                                                     "Arabe",
                                                     "Bulgare",
                                                     "Catalan",
                                                     "Chinois (simplifie)",
                                                     "Chinois (traditionnel)",
                                                     "Coréen",
                                                     "Croate",
                                                     "Danois",
                                                     "Estonien",
                                                     "Finnois",
                                                     "Galicien",
                                                     "Grec",
                                                     "Hébreu",
                                                     "Hindi",
                                                     "Hongrois",
                                                     "Indonésien",
                                                     "Japonais",
                                                     "Letton",
                                                     "Lituanien",
                                                     "Maltais",
                                                     "Norvégien",
                                                     "Polonais",
                                                     "Portugais",
                                                     "Roumain",
                                                     "Russe",
                                                     "Serbe",
                                                     "Slovaque",
                                                     "Slovène",
                                                     "Suédois",
                                                     "tagalog",
                                                     "Tchéque",
                                                     "Thaï",
                                                     "Turc",
                                                     "ukrainien",
                                                     "vietnamien"};
    return langues;
}

void RemplitLanguesSource(ListBox &lgs) {
    lgs.Clear();
    for (const std::string &langue : LanguesSource())
        lgs.AddItem(langue);
    lgs.Selectionne(0);
}

} // namespace lamelix
