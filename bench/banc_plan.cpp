// The key map's first display on the largest key (4000 key lines, 2000 species): its top level
// and the rows down to the current entity, then a filter, each row read as the skin reads it
// (text, state, whether it opens).

#include "bench/cle_geante.hpp"
#include "bench/fenetre_muette.hpp"
#include "search/plan_cle.hpp"

#include <benchmark/benchmark.h>
#include <fstream>
#include <memory>

namespace {

using namespace lamelix;

struct Carte : banc::FenetreMuette {
    std::unique_ptr<PlanCle> p = std::make_unique<PlanCle>(*f);
    long rangs = 0;

    Carte() {
        const std::string chemin = "/tmp/lamelix-banc-plan.cle";
        std::ofstream(chemin, std::ios::binary) << banc::CleGeante(2, 4000);
        ChargeCle(*f, chemin);
        float mode = 0;
        ChargeListe(*f, mode);
        // Down the second proposition of each step, as deep as the key goes.
        while (f->Parcours.EntiteCourante > 0 && f->List1.ListCount() > 1) {
            f->List1.Selectionne(1);
            List1_DblClick(*f);
        }
    }
    // One row built: what the skin asks of it.
    void lit(const NoeudPlan &n) {
        benchmark::DoNotOptimize(TextePlan(*p, n));
        benchmark::DoNotOptimize(EtatNoeud(*p, n));
        benchmark::DoNotOptimize(APourEnfants(*p, n));
        ++rangs;
    }
    void ouvre(const NoeudPlan &n, std::vector<NoeudPlan> &ancetres, long &budget) {
        if (budget <= 0 || !OuvertParFiltre(*p, n, ancetres)) return;
        const std::vector<NoeudPlan> enfants = EnfantsPlan(*p, n);
        budget -= static_cast<long>(enfants.size());
        ancetres.push_back(n);
        for (const NoeudPlan &e : enfants) {
            lit(e);
            ouvre(e, ancetres, budget);
        }
        ancetres.pop_back();
    }
    void affiche() {
        rangs = 0;
        PreparePlan(*p);
        const std::vector<NoeudPlan> racines = RacinesPlan(*p);
        for (const NoeudPlan &r : racines)
            lit(r);
        if (p->Filtrant()) {
            std::vector<NoeudPlan> ancetres;
            long budget = 3000;
            for (const NoeudPlan &r : racines)
                ouvre(r, ancetres, budget);
            return;
        }
        for (const NoeudPlan &n : CheminPlan(*p))
            for (const NoeudPlan &e : EnfantsPlan(*p, n))
                lit(e);
    }
};

void PremierAffichage(benchmark::State &state) {
    Carte c;
    for (auto _ : state)
        c.affiche();
    state.counters["etapes"] = c.f->Parcours.NbEtapes;
    state.counters["rangs"] = static_cast<double>(c.rangs);
}
BENCHMARK(PremierAffichage)->Unit(benchmark::kMicrosecond);

// "ecailleux" is in half the lines (the rows opened stop at 3000), "1-1999" in one species.
void Filtre(benchmark::State &state) {
    Carte c;
    c.p->Filtre.SetText(state.range(0) == 0 ? "ECAILLEUX" : "1-1999");
    for (auto _ : state)
        c.affiche();
    state.counters["rangs"] = static_cast<double>(c.rangs);
}
BENCHMARK(Filtre)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
