#pragma once

#include "platform/erreur.hpp"

#include <cstddef>
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
