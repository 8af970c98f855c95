// The tools' exchanges with files the page never has (project archives, LPXK documents): the
// page consults a key, it imports and exports nothing. Each answers as a refusal.

#include "platform/erreur.hpp"
#include "tools/archive_projet.hpp"
#include "tools/echange_lpxk.hpp"

namespace lamelix {

namespace {
const char *const Absent = "non disponible dans la page web";
} // namespace

FichiersProjet LitFichiersProjet(const std::string &, const std::vector<std::string> &) {
    FichiersProjet f;
    f.Refus.emplace_back(Absent);
    return f;
}

std::string LpxkDeLaCle(const CleCompilee &) {
    throw ErreurExecution(Absent);
}

bool EstLpxk(std::string_view) {
    return false;
}

CleImportee CleDuLpxk(std::string_view) {
    throw ErreurExecution(Absent);
}

} // namespace lamelix
