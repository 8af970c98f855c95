// A keyword search through every description of keys of 400 and 4000 key lines (the format's
// largest, 2000 species), case and accents both ignored, and through their species names.

#include "bench/cle_geante.hpp"
#include "bench/fenetre_muette.hpp"
#include "search/recherche_mot_cle.hpp"

#include <benchmark/benchmark.h>
#include <fstream>
#include <memory>

namespace {

using namespace lamelix;

struct Recherche : banc::FenetreMuette {
    std::unique_ptr<RechercheMotCle> r = std::make_unique<RechercheMotCle>(*f);

    Recherche(int portee, int64_t lignes) {
        const std::string chemin = "/tmp/lamelix-banc-recherche-" + std::to_string(lignes) + ".cle";
        std::ofstream(chemin, std::ios::binary) << banc::CleGeante(2, static_cast<int>(lignes));
        ChargeCle(*f, chemin);
        float mode = 0;
        ChargeListe(*f, mode);
        r->Check1.SetValue(1);
        r->Check2.SetValue(1);
        for (std::size_t i = 0; i < r->Option3.size(); ++i)
            r->Option3[i].SetValue(static_cast<int>(i) == portee);
        MotCle_Click(*r);
    }
};

// "ECAILLEUX" meets half the descriptions ("écailleux" folded), "Volve" none: every text folded.
void ToutesLesDescriptions(benchmark::State &state) {
    Recherche c(DansDescriptions, state.range(1));
    c.r->Textcle[0].SetText(state.range(0) == 0 ? "ECAILLEUX" : "Volve");
    for (auto _ : state)
        MoCle_Click(*c.r, 0);
    state.counters["trouvees"] = c.f->List1.ListCount();
}
BENCHMARK(ToutesLesDescriptions)->ArgsProduct({{0, 1}, {400, 4000}})->Unit(benchmark::kMicrosecond);

void TousLesNoms(benchmark::State &state) {
    Recherche c(DansListe, state.range(0));
    c.r->Textcle[0].SetText("espece 1-1");
    for (auto _ : state) {
        c.r->LignesRetenues.clear(); // each search from the whole list
        MoCle_Click(*c.r, 0);
    }
    state.counters["trouvees"] = c.f->List2.ListCount();
}
BENCHMARK(TousLesNoms)->Arg(400)->Arg(4000)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
