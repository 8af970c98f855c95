#pragma once

#include "platform/erreur.hpp"

#include <algorithm>
#include <cstddef>
#include <span>
#include <string>
#include <vector>

namespace lamelix {

// A fixed-bounds table indexed from 0 to Max, as the compiled key's arrays are. Every access is
// checked: an index outside the bounds is a run-time error, never undefined behaviour.
template <typename T, int Max> class Table {
  public:
    Table() : cases_(static_cast<std::size_t>(Max) + 1) {}

    static constexpr int borneMax() { return Max; }

    T &operator()(long i) { return cases_[ecrite(i)]; }
    const T &operator()(long i) const { return cases_[verifie(i)]; }
    // Records debut to fin, both included and within the bounds, for the loops that reset a
    // whole table: one check for the range rather than one per record.
    std::span<T> Cases(long debut = 0, long fin = Max) {
        verifie(debut);
        verifie(fin);
        marque(std::min<long>(fin, Max - 1));
        return tranche(debut, fin);
    }

    // For the resets that follow the data rather than the table's size: the records debut to
    // fin (below Max) that may have been written since the last call to Oublie. The ones above
    // were not handed out for writing since then. The last record is never counted: a reset
    // handles it on its own. Does not count as writing.
    std::span<T> CasesEcrites(long debut, long fin = Max - 1) {
        verifie(debut);
        if (fin >= Max) throw ErreurExecution("la dernière case se remet à part");
        return tranche(debut, std::min(fin, haut_));
    }
    // The caller's reset has just left every record as it leaves them: none counts as written.
    void Oublie() { haut_ = -1; }

  private:
    std::span<T> tranche(long debut, long fin) {
        return fin < debut
                   ? std::span<T>{}
                   : std::span<T>(cases_).subspan(static_cast<std::size_t>(debut),
                                                  static_cast<std::size_t>(fin - debut + 1));
    }
    std::size_t ecrite(long i) {
        const std::size_t k = verifie(i);
        if (i < Max) marque(i); // the last record is never counted
        return k;
    }
    void marque(long i) { haut_ = std::max(haut_, i); }
    static std::size_t verifie(long i) {
        if (i < 0 || i > Max)
            throw ErreurExecution("indice " + std::to_string(i) + " hors des bornes 0.." +
                                  std::to_string(Max));
        return static_cast<std::size_t>(i);
    }
    std::vector<T> cases_;
    long haut_ = Max - 1; // the highest record below Max handed out for writing since Oublie
};

} // namespace lamelix
