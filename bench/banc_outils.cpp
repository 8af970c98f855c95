// The key authors' tools on keys of 400 and 4000 key lines (the format's largest): the analysis
// report, the checks of the key's graph and the renumbering, each run as its button runs it.

#include "app/application.hpp"
#include "bench/cle_geante.hpp"
#include "bench/services_muets.hpp"
#include "tools/structure.hpp"

#include <benchmark/benchmark.h>
#include <fstream>
#include <memory>

namespace {

using namespace lamelix;

struct Poste {
    banc::ServicesMuets services;
    std::unique_ptr<Application> app = std::make_unique<Application>(services);
    Outils &o = app->Outil();

    explicit Poste(int64_t lignes) {
        const std::string chemin = "/tmp/lamelix-banc-outils-" + std::to_string(lignes) + ".cle";
        std::ofstream(chemin, std::ios::binary) << banc::CleGeante(2, static_cast<int>(lignes));
        MontreOutils(o);
        ChargeFichierOutils(o, chemin);
    }
};

void AnalyseDeLaCle(benchmark::State &state) {
    Poste p(state.range(0));
    for (auto _ : state) {
        Command1_Click(p.o, OutAnalyse);
        benchmark::DoNotOptimize(p.o.Text10[0].Text.size());
    }
    state.counters["lignes"] = p.app->Prog().Cle.NbLignesM1 + 1;
}
BENCHMARK(AnalyseDeLaCle)->Arg(400)->Arg(4000)->Unit(benchmark::kMillisecond);

// The checks of the key's graph alone: one pass to build it, one walk.
void StructureDeLaCle(benchmark::State &state) {
    Poste p(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(VerifieStructure(p.app->Prog().Cle).size());
    state.counters["lignes"] = p.app->Prog().Cle.NbLignesM1 + 1;
}
BENCHMARK(StructureDeLaCle)->Arg(400)->Arg(4000)->Unit(benchmark::kMicrosecond);

void Renumerotation(benchmark::State &state) {
    Poste p(state.range(0));
    p.o.Text1[0].SetText("10");
    p.o.Text1[1].SetText("10");
    for (auto _ : state) {
        Command1_Click(p.o, OutTestNumerotation);
        benchmark::DoNotOptimize(p.o.Text10[1].Text.size());
    }
}
BENCHMARK(Renumerotation)->Arg(400)->Arg(4000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
