// One selection (history, propositions, outcome list, history text) and one pick in the list of
// names, on keys of 400 and 4000 key lines (2000 species) with paths some 40 steps deep.

#include "bench/cle_profonde.hpp"
#include "bench/fenetre_muette.hpp"
#include "consult/lamelix.hpp"

#include <benchmark/benchmark.h>
#include <fstream>
#include <memory>

namespace {

using namespace lamelix;

struct Parcours : banc::FenetreMuette {

    // chaines: 50 for 4000 key lines, 5 for 400.
    explicit Parcours(int64_t chaines) {
        std::string chemin = "/tmp/lamelix-banc-profonde-" + std::to_string(chaines) + ".cle";
        std::ofstream(chemin, std::ios::binary) << banc::CleProfonde(static_cast<int>(chaines));
        ChargeCle(*f, chemin);
        float mode = 0;
        ChargeListe(*f, mode);
    }
    void Choisit(int position) {
        f->List1.Selectionne(position);
        List1_DblClick(*f);
    }
};

// Walks 39 steps down the deepest chain (34 on the small key, whose tree is shallower), then
// measures the next selection.
void SelectionProfonde(benchmark::State &state) {
    Parcours c(state.range(0));
    for (int pas = 0; pas < 5 && state.range(0) == banc::ChainesProfondes; ++pas)
        c.Choisit(1); // down the child chains
    for (int pas = 0; pas < 34; ++pas)
        c.Choisit(0);
    const int16_t etapes = c.f->Parcours.NbEtapes;
    for (auto _ : state) {
        c.Choisit(0);
        state.PauseTiming();
        RetourEtape(*c.f, etapes);
        state.ResumeTiming();
    }
    state.counters["etapes"] = etapes + 1;
}
BENCHMARK(SelectionProfonde)->Arg(5)->Arg(50)->Unit(benchmark::kMicrosecond);

// Picks a species in the full list of names: the path to it is rebuilt from its predecessors.
void ChoixDansLaListeDesNoms(benchmark::State &state) {
    Parcours c(state.range(0));
    Command4_Click(*c.f, Cmd4Liste);
    const int position = c.f->List2.ListCount() - 1;
    for (auto _ : state) {
        c.f->List2.Selectionne(position);
        List2_Click(*c.f);
    }
    state.counters["etapes"] = c.f->Parcours.NbEtapes;
}
BENCHMARK(ChoixDansLaListeDesNoms)->Arg(5)->Arg(50)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
