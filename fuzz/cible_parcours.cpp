// A consultation of any key with any actions, as "lamelix-outils parcours" runs it: the last byte
// says how many bytes before it are actions (each one action of the command's list), the bytes
// before them are the key. The window's state and its dialogs, printed, never carry a command to
// a terminal; complements open nothing (the console only names what it would open).

#include "cli/table_commandes.hpp"
#include "fuzz/fichier_essai.hpp"
#include "fuzz/sortie_sure.hpp"

#include <algorithm>
#include <sstream>

using namespace lamelix;

namespace {

constexpr const char *Gestes[] = {
    "retour",   "raz",      "suiv",     "liste",   "section", "lm1",      "lm2",
    "compare",  "notes",    "sauts",    "prefixe", "motcle",  "ou",       "et",
    "descript", "sections", "historiq", "casse",   "accents", "chercher", "valider",
    "annuler",  "reprise",  "mot:a",    "mot:e",   "mot2:la"};

// One action byte: a double click on propositions 0 to 9, a click or a pick in the names at the
// position of its high bits, or one of the other gestures.
std::string action(uint8_t octet) {
    constexpr unsigned autres = std::size(Gestes);
    const unsigned k = octet % (12 + autres);
    const std::string position = std::to_string(octet / (12 + autres));
    if (k < 10) return std::to_string(k);
    if (k == 10) return "clic:" + position;
    if (k == 11) return "nom:" + position;
    return Gestes[k - 12];
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, std::size_t taille) {
    if (taille == 0) return 0;
    const std::size_t nbActions = std::min<std::size_t>(data[taille - 1], taille - 1);
    const std::size_t tailleCle = taille - 1 - nbActions;
    Appel appel;
    appel.commande = CommandeNommee("parcours");
    appel.fichier = fuzz::Ecrit("essai.cle", data, tailleCle);
    for (std::size_t i = tailleCle; i < taille - 1; ++i)
        appel.suite.push_back(action(data[i]));
    std::ostringstream sortie, erreurs;
    appel.commande->gestionnaire(appel, sortie, erreurs);
    if (fuzz::CommandeDedans(sortie.str(), "\t\n")) __builtin_trap();
    if (fuzz::CommandeDedans(erreurs.str(), "\n")) __builtin_trap();
    return 0;
}
