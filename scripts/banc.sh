#!/usr/bin/env bash
# The benchmark suite: builds in Release and runs every benchmark program (loading keys at the
# format's limits against reading their bytes, the consultation, the keyword search, the tools,
# the language server after a keystroke, the documentation walk against find), then the start-up
# of the window against an empty Qt window, with the memory peaks. The figures and how to read them are in BENCHMARKS.md.
set -euo pipefail
racine="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$racine/scripts/dependances.sh"
cmake -S "$racine" -B "$racine/build" -DCMAKE_BUILD_TYPE=Release -DLAMELIX_TESTS=OFF \
      -DLAMELIX_BENCH=ON >/dev/null
cmake --build "$racine/build" -j"$(nproc)"
for banc in compilation consultation recherche outils plan documentation projet lsp; do
    printf '\n=== %s\n' "$banc"
    "$racine/build/bin/lamelix_banc_$banc" --benchmark_min_time=0.5
done
printf '\n=== démarrage\n'
bash "$racine/scripts/mesure-demarrage.sh"
