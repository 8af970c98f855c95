// Files the program writes for the user: a write that fails is said, with what, where and why;
// the file that was there stays as it was.

#include "consult/lamelix.hpp"
#include "platform/fichiers.hpp"

namespace lamelix {

std::string EnregistrementImpossible(const Lamelix &f, const std::string &quoi) {
    return f.Dit("Enregistrement impossible (") + f.Dit(quoi) + f.Dit(") : ");
}

bool EcritOuSignale(Lamelix &f, const std::string &chemin, std::string_view contenu,
                    const std::string &quoi) {
    std::string pourquoi;
    if (EcritFichierSur(chemin, contenu, &pourquoi)) return true;
    f.Systeme.Message(EnregistrementImpossible(f, quoi) + chemin + f.FinLigne + pourquoi);
    return false;
}

} // namespace lamelix
