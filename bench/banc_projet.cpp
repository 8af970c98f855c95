// KeyBase's forms: a project of 2000 keys imported whole from its folder (each key read, written
// through the safe write and checked, the chains between keys resolved), and the table import of
// the largest key a key file holds (4000 leads). The project should import in under 10 s.

#include "tools/import_keybase.hpp"
#include "tools/projet_keybase.hpp"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>

namespace {

using namespace lamelix;

constexpr int ClesProjet = 2000;
constexpr int Branches = 8; // the taxa each key of the project ends at

// A dichotomous table whose couplets form a heap: couplet k leads to 2k and 2k + 1, and past
// the last couplet to the taxa, named by taxon(n).
template <class Taxon> std::string TableEnTas(int couplets, Taxon taxon) {
    std::string t = "from\tstatement\tto\n";
    for (int k = 1; k <= couplets; ++k)
        for (int b = 0; b < 2; ++b) {
            const int s = 2 * k + b;
            t += std::to_string(k) + "\tLeaves " +
                 (b ? "hairy beneath, margins toothed" : "glabrous, margins entire") + ", blade " +
                 std::to_string(k) + " <i>mm</i> long\t" +
                 (s <= couplets ? std::to_string(s) : taxon(s - couplets - 1)) + "\n";
        }
    return t;
}

const std::string &Projet() {
    static const std::string dossier = [] {
        const std::string d = "/tmp/lamelix-banc-projet";
        std::filesystem::remove_all(d);
        std::filesystem::create_directories(d);
        std::ofstream cles(d + "/keys.tsv"), items(d + "/items.tsv");
        cles << "key_id\tkey_name\ttaxonomic_scope\n";
        items << "item_name\turl\n";
        for (int i = 0; i < ClesProjet; ++i) {
            cles << i << "\tKey to taxon " << i << "\tTaxon " << i << "\n";
            items << "Taxon " << i << "\thttps://example.org/taxon/" << i << "\n";
            std::ofstream(d + "/key-" + std::to_string(i) + ".tsv")
                << TableEnTas(Branches - 1, [&](int n) {
                       return "Taxon " + std::to_string(i * Branches + n + 1);
                   });
        }
        return d;
    }();
    return dossier;
}

void ImportProjet(benchmark::State &state) {
    const std::string &projet = Projet();
    const std::string sortie = "/tmp/lamelix-banc-projet-cles";
    for (auto _ : state) {
        state.PauseTiming();
        std::filesystem::remove_all(sortie);
        state.ResumeTiming();
        const RapportProjet r = ImporteProjet(projet, sortie, {true});
        if (r.Ecrits.size() != ClesProjet) state.SkipWithError("clés manquantes");
    }
    state.counters["cles/s"] = benchmark::Counter(static_cast<double>(ClesProjet) *
                                                      static_cast<double>(state.iterations()),
                                                  benchmark::Counter::kIsRate);
}
// Real time: the writes wait for the disk on threads of their own.
BENCHMARK(ImportProjet)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

void ImportTableGeante(benchmark::State &state) {
    const std::string table =
        TableEnTas(2000, [](int n) { return "Species " + std::to_string(n); });
    for (auto _ : state) {
        const TableauImporte t = LitTableauKeyBase(table);
        if (!t.Refus.empty()) state.SkipWithError("tableau refusé");
        benchmark::DoNotOptimize(t.Octets);
    }
    state.counters["propositions"] = 4000;
}
BENCHMARK(ImportTableGeante)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
