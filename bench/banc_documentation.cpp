// The documentation search over a tree of 100 000 files (100 folders of 1000 empty files, one
// folder named after the species), against `find <tree> -type f | wc -l` on the same tree. Both
// run on a warm cache; the last line gives the ratio of their best times.

#include "bench/fenetre_muette.hpp"
#include "search/documentation.hpp"

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

// Made once: a marker beside the tree, written last, says that a previous run finished it.
void PrepareArbre() {
    const fs::path fait = Arbre + ".complet";
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
    std::ofstream{fait};
}

double MeilleurDoc = std::numeric_limits<double>::max();
double MeilleurFind = std::numeric_limits<double>::max();
double MeilleurFindTailles = std::numeric_limits<double>::max();

double Secondes(std::chrono::steady_clock::time_point debut) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count();
}

void RechercheTous(benchmark::State &state) {
    PrepareArbre();
    banc::FenetreMuette fenetre;
    Lamelix &f = *fenetre.f;
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
BENCHMARK(RechercheTous)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

// The command, with its best time kept in meilleur and the ratio of the search's best time to it.
void Commande(benchmark::State &state, const std::string &commande, double &meilleur) {
    PrepareArbre();
    for (auto _ : state) {
        const auto debut = std::chrono::steady_clock::now();
        if (std::system(commande.c_str()) != 0) state.SkipWithError("la commande a échoué");
        meilleur = std::min(meilleur, Secondes(debut));
    }
    state.counters["rapport"] = MeilleurDoc / meilleur;
}

// What the comparison asks for: find lists the files from the folder entries alone.
void FindTypeF(benchmark::State &state) {
    Commande(state, "find " + Arbre + " -type f | wc -l > /dev/null", MeilleurFind);
}
BENCHMARK(FindTypeF)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

// The same work as the search: find reads every file's length too.
void FindTailles(benchmark::State &state) {
    Commande(state, "find " + Arbre + " -type f -printf '%s\\n' | wc -l > /dev/null",
             MeilleurFindTailles);
}
BENCHMARK(FindTailles)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

} // namespace

int main(int argc, char **argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    const double jamais = std::numeric_limits<double>::max();
    if (MeilleurDoc < jamais && MeilleurFind < jamais && MeilleurFindTailles < jamais)
        std::printf("meilleurs temps : DocRecherche %.1f ms, find -type f %.1f ms (rapport %.2f), "
                    "find -printf %%s %.1f ms (rapport %.2f)\n",
                    MeilleurDoc * 1e3, MeilleurFind * 1e3, MeilleurDoc / MeilleurFind,
                    MeilleurFindTailles * 1e3, MeilleurDoc / MeilleurFindTailles);
    return 0;
}
