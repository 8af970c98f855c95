#pragma once

#include "platform/erreur.hpp"

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

    T &operator()(long i) { return cases_[verifie(i)]; }
    const T &operator()(long i) const { return cases_[verifie(i)]; }
    // Records debut to fin, both included and within the bounds, for the loops that reset a
    // whole table: one check for the range rather than one per record.
    std::span<T> Cases(long debut = 0, long fin = Max) {
        verifie(debut);
        verifie(fin);
        return fin < debut
                   ? std::span<T>{}
                   : std::span<T>(cases_).subspan(static_cast<std::size_t>(debut),
                                                  static_cast<std::size_t>(fin - debut + 1));
    }

  private:
    static std::size_t verifie(long i) {
        if (i < 0 || i > Max)
            throw ErreurExecution("indice " + std::to_string(i) + " hors des bornes 0.." +
                                  std::to_string(Max));
        return static_cast<std::size_t>(i);
    }
    std::vector<T> cases_;
};

} // namespace lamelix
