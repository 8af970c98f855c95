// Files the program writes for the user: a write that fails is said, with what, where and why;
// the file that was there stays as it was.

#include "consult/lamelix.hpp"
#include "platform/fichiers.hpp"

namespace lamelix {

bool EcritOuSignale(Lamelix &f, const std::string &chemin, std::string_view contenu,
                    const std::string &quoi) {
    std::string pourquoi;
    if (EcritFichierSur(chemin, contenu, &pourquoi)) return true;
    f.Systeme.Message("Enregistrement impossible (" + quoi + ") : " + chemin + f.FinLigne +
                      pourquoi);
    return false;
}

} // namespace lamelix
