// The documentation search over a tree of 100 000 files (100 folders of 1000 empty files, one
// folder named after the species), against `find <tree> -type f | wc -l` on the same tree. Both
// run on a warm cache; the last line gives the ratio of their best times.

#include "search/documentation.hpp"

#include "bench/services_muets.hpp"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <limits>
#include <memory>
#include <string>

namespace {

using namespace lamelix;
namespace fs = std::filesystem;

constexpr int NbDossiers = 100;
constexpr int FichiersParDossier = 1000;
const std::string Arbre = "/tmp/lamelix-banc-documentation";

// Made once: a marker written last says that a previous run finished the tree.
void PrepareArbre() {
    const fs::path fait = fs::path(Arbre) / ".complet";
    if (fs::exists(fait)) return;
    fs::remove_all(Arbre);
    for (int d = 0; d < NbDossiers; ++d) {
        char nom[32];
        std::snprintf(nom, sizeof nom, d == 42 ? "d%03d-amanita" : "d%03d", d);
        const fs::path dossier = fs::path(Arbre) / nom;
        fs::create_directories(dossier);
        for (int i = 0; i < FichiersParDossier; ++i) {
            char fichier[32];
            std::snprintf(fichier, sizeof fichier, "f%04d.%s", i, i % 2 ? "txt" : "pdf");
            std::ofstream(dossier / fichier);
        }
    }
    std::ofstream(fait.parent_path() / ".complet");
}

double MeilleurDoc = std::numeric_limits<double>::max();
double MeilleurFind = std::numeric_limits<double>::max();

double Secondes(std::chrono::steady_clock::time_point debut) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count();
}

void RechercheTous(benchmark::State &state) {
    PrepareArbre();
    banc::ServicesMuets services;
    auto programme = std::make_unique<Programme>();
    auto principale = std::make_unique<Lamelix>(*programme, services);
    Lamelix &f = *principale;
    f.VScroll1 = {8, 20};
    f.Options().RepDoc = Arbre;
    f.Text2.SetText("Amanita phalloides");
    RechercheDocumentation d(f);
    d.Check3[DocTous].SetValue(1);
    Doc_Compose_chaine(d, 1);
    long fichiers = 0;
    for (auto _ : state) {
        f.List1.Clear();
        const long avant = d.NbFichiers;
        const auto debut = std::chrono::steady_clock::now();
        DocRecherche(d);
        MeilleurDoc = std::min(MeilleurDoc, Secondes(debut));
        fichiers = d.NbFichiers - avant;
    }
    state.counters["fichiers"] = static_cast<double>(fichiers);
    state.counters["lignes"] = f.List1.ListCount();
}
BENCHMARK(RechercheTous)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void FindTypeF(benchmark::State &state) {
    PrepareArbre();
    const std::string commande = "find " + Arbre + " -type f | wc -l > /dev/null";
    for (auto _ : state) {
        const auto debut = std::chrono::steady_clock::now();
        if (std::system(commande.c_str()) != 0) state.SkipWithError("find a échoué");
        MeilleurFind = std::min(MeilleurFind, Secondes(debut));
    }
    state.counters["ratio"] = MeilleurDoc / MeilleurFind;
}
BENCHMARK(FindTypeF)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace

int main(int argc, char **argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (MeilleurDoc < std::numeric_limits<double>::max() &&
        MeilleurFind < std::numeric_limits<double>::max())
        std::printf("meilleurs temps : DocRecherche %.1f ms, find %.1f ms, rapport %.2f\n",
                    MeilleurDoc * 1e3, MeilleurFind * 1e3, MeilleurDoc / MeilleurFind);
    return 0;
}
