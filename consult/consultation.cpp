#include "consult/consultation.hpp"

#include <algorithm>

namespace lamelix {

std::vector<int16_t> Consultation::Chemin() const {
    std::vector<int16_t> lignes;
    lignes.reserve(static_cast<std::size_t>(NbEtapes > 0 ? NbEtapes : 0));
    for (int i = 1; i <= NbEtapes; ++i)
        lignes.push_back(Hist(i));
    return lignes;
}

void Consultation::RemplaceChemin(const std::vector<int16_t> &lignes) {
    // The slot after the path is emptied too: a path of MaxEtapes lines has none, and that is
    // the table's run-time error, as for any step past the history's end.
    const auto n = static_cast<long>(lignes.size());
    for (long i = 0; i < n; ++i)
        Hist(i + 1) = lignes[static_cast<std::size_t>(i)];
    Hist(n + 1) = 0;
    NbEtapes = static_cast<int16_t>(n);
}

void Consultation::RemplaceNoms(const std::vector<int16_t> &lignes) {
    const std::size_t n = std::min(lignes.size(), static_cast<std::size_t>(MaxIndexChoix) + 1);
    for (std::size_t k = 0; k < n; ++k)
        MapNoms(static_cast<long>(k)) = lignes[k];
    NbNoms = static_cast<int16_t>(lignes.size());
}

void Consultation::VideNoms() {
    for (int16_t &ligne : MapNoms.CasesEcrites(0))
        ligne = 0;
    MapNoms(MaxIndexChoix) = 0;
    MapNoms.Oublie();
}

} // namespace lamelix
