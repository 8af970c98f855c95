// The language server while the author types: the diagnostics of a key after an edit of one
// character, from the editor's message to the diagnostics written back, on keys of 400 and 4000
// key lines (the format's largest).

#include "bench/cle_geante.hpp"
#include "lsp/serveur.hpp"
#include "platform/texte.hpp"

#include <benchmark/benchmark.h>
#include <nlohmann/json.hpp>
#include <sstream>

namespace {

using namespace lamelix;
using Json = nlohmann::json;

void DiagnosticsApresUneFrappe(benchmark::State &state) {
    std::ostringstream sortie, journal;
    ServeurLsp serveur(sortie, journal);
    const std::string uri = "file:///tmp/banc.cle";
    // The editor holds the key in UTF-8, whatever its encoding on disk.
    const std::string texte =
        Windows1252VersUtf8(banc::CleGeante(2, static_cast<int>(state.range(0))));
    serveur.Recoit(
        Json{{"jsonrpc", "2.0"}, {"id", 1}, {"method", "initialize"}, {"params", {}}}.dump());
    serveur.Recoit(
        Json{{"jsonrpc", "2.0"},
             {"method", "textDocument/didOpen"},
             {"params", {{"textDocument", {{"uri", uri}, {"version", 1}, {"text", texte}}}}}}
            .dump());
    // One character of a description typed over, in the middle of the key, back and forth.
    const long ligne = static_cast<long>(state.range(0)) / 2;
    long version = 1;
    for (auto _ : state) {
        sortie.str({});
        serveur.Recoit(Json{{"jsonrpc", "2.0"},
                            {"method", "textDocument/didChange"},
                            {"params",
                             {{"textDocument", {{"uri", uri}, {"version", ++version}}},
                              {"contentChanges",
                               {{{"range",
                                  {{"start", {{"line", ligne}, {"character", 12}}},
                                   {"end", {{"line", ligne}, {"character", 13}}}}},
                                 {"text", version % 2 ? "x" : "y"}}}}}}}
                           .dump());
        benchmark::DoNotOptimize(sortie.str().size());
    }
}
BENCHMARK(DiagnosticsApresUneFrappe)->Arg(400)->Arg(4000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
