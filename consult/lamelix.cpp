#include "consult/lamelix.hpp"

#include "search/langues_source.hpp"

namespace lamelix {

Lamelix::Lamelix(Programme &programme, Services &services) : Prog(programme), Systeme(services) {
    for (const std::string &langue : LanguesSource())
        lgs.AddItem(langue);
    lgs.Selectionne(0);
    Caption.SetCaption(NomProgrammeVersion());
}

} // namespace lamelix
