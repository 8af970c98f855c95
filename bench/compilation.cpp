// Compiling the largest key against the floor of any reader: reading the file and cutting its
// lines into fields. The compiler should stay within a small factor of that floor.

#include "bench/cle_geante.hpp"
#include "bench/services_muets.hpp"
#include "consult/programme.hpp"
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
#include <memory>

namespace {

using namespace lamelix;

const std::string &fichierGeant() {
    static const std::string chemin = [] {
        std::string c = "/tmp/lamelix-banc-geante.cle";
        std::ofstream(c, std::ios::binary) << banc::CleGeante(2, 4000);
        return c;
    }();
    return chemin;
}

void LectureEtDecoupage(benchmark::State &state) {
    for (auto _ : state) {
        auto octets = LireOctets(fichierGeant());
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
BENCHMARK(LectureEtDecoupage)->Unit(benchmark::kMillisecond);

void CompilationComplete(benchmark::State &state) {
    banc::ServicesMuets services;
    auto programme = std::make_unique<Programme>();
    ListBox lgs;
    RemplitLanguesSource(lgs);
    for (auto _ : state) {
        RazIndex(programme->Cle);
        RazLignes(programme->Cle);
        int16_t echec = 0;
        LitCle(fichierGeant(), echec, {programme->Cle, programme->Textes, services, services, lgs});
        if (echec != 0 || programme->Cle.NbLignesM1 < 3990)
            state.SkipWithError("la grande clé ne compile pas");
    }
}
BENCHMARK(CompilationComplete)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
