// Loading a key against the floor of any reader: reading the file's bytes, and reading them and
// cutting the lines into fields. Keys of 400 and 4000 key lines (one secondary key), of 4000 key
// lines in 800 parts (799 secondary keys), of one line of a megabyte, and of 400 and 4000 lines
// ended by line feeds alone. The whole load should stay within ten times the raw read, and each
// figure at 4000 lines within a small factor of ten times the figure at 400.

#include "bench/cle_geante.hpp"
#include "bench/services_muets.hpp"
#include "consult/programme.hpp"
#include "key/chargement.hpp"
#include "key/compilateur.hpp"
#include "key/langues_source.hpp"
#include "key/lecteur.hpp"
#include "platform/controles.hpp"
#include "platform/fichiers.hpp"
#include "platform/services.hpp"
#include "platform/texte.hpp"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <fstream>
#include <map>
#include <memory>

namespace {

using namespace lamelix;

// The key of the benchmark's arguments, written once per shape: (parts, key lines), the same with
// -parts for line feeds alone at the ends of lines, or (0, bytes) for one key line of that many
// bytes.
const std::string &fichier(const benchmark::State &state) {
    static std::map<std::pair<int64_t, int64_t>, std::string> fichiers;
    const auto forme = std::make_pair(state.range(0), state.range(1));
    auto [it, nouveau] = fichiers.try_emplace(forme);
    if (nouveau) {
        it->second = "/tmp/lamelix-banc-" + std::to_string(forme.first) + "-" +
                     std::to_string(forme.second) + ".cle";
        std::ofstream sortie(it->second, std::ios::binary);
        if (forme.first == 0)
            sortie << "1, 0 $" << std::string(static_cast<std::size_t>(forme.second), 'a')
                   << "$Species\r\n1, 0 $b$Other\r\n";
        else if (forme.first < 0) // line feeds alone end its lines, as on Unix
            sortie << Remplace(
                banc::CleGeante(static_cast<int>(-forme.first), static_cast<int>(forme.second)),
                "\r\n", "\n");
        else
            sortie << banc::CleGeante(static_cast<int>(forme.first),
                                      static_cast<int>(forme.second));
    }
    return it->second;
}

void formes(benchmark::internal::Benchmark *b) {
    b->Args({2, 400})->Args({2, 4000})->Args({800, 4000})->Args({0, 1 << 20});
    b->Args({-2, 400})->Args({-2, 4000});
    b->Unit(benchmark::kMicrosecond);
}

void LectureBrute(benchmark::State &state) {
    for (auto _ : state) {
        auto octets = LireOctets(fichier(state));
        benchmark::DoNotOptimize(octets);
    }
    state.SetBytesProcessed(state.iterations() *
                            static_cast<int64_t>(LireOctets(fichier(state))->size()));
}
BENCHMARK(LectureBrute)->Apply(formes);

void LectureEtDecoupage(benchmark::State &state) {
    for (auto _ : state) {
        auto octets = LireOctets(fichier(state));
        std::size_t champs = 0;
        std::string_view reste(*octets);
        while (!reste.empty()) {
            std::size_t fin = reste.find('\n');
            std::string_view brute = reste.substr(0, fin);
            reste = fin == std::string_view::npos ? std::string_view{} : reste.substr(fin + 1);
            std::string ligne = Windows1252VersUtf8(brute);
            for (std::size_t p = 0; (p = ligne.find('$', p)) != std::string::npos; ++p)
                ++champs;
        }
        benchmark::DoNotOptimize(champs);
    }
}
BENCHMARK(LectureEtDecoupage)->Apply(formes);

// The load the window does: the marker test, the reset of the tables, the check and the
// compilation.
void ChargementComplet(benchmark::State &state) {
    banc::ServicesMuets services;
    auto programme = std::make_unique<Programme>();
    ListBox lgs;
    RemplitLanguesSource(lgs);
    const std::string &chemin = fichier(state);
    programme->Cle.FichierCle = chemin;
    for (auto _ : state) {
        const IssueChargement issue =
            ChargeFichierCle(chemin, {programme->Cle, programme->Textes, services, services, lgs});
        if (issue != IssueChargement::Compile) state.SkipWithError("la clé ne compile pas");
    }
    state.counters["lignes"] = programme->Cle.NbLignesM1;
}
BENCHMARK(ChargementComplet)->Apply(formes);

} // namespace

BENCHMARK_MAIN();
