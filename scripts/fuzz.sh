#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer) and
# runs each on a corpus seeded with the sample keys, settings and language files and the
# tables of the sample keys.
# Usage: scripts/fuzz.sh [RUNS_PER_TARGET]   (default 2000; -1 runs until stopped)
set -euo pipefail
racine="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
runs="${1:-2000}"
bash "$racine/scripts/dependances.sh"
CXX=clang++ cmake -S "$racine" -B "$racine/build-fuzz" -DLAMELIX_FUZZ=ON -DLAMELIX_QT=OFF \
    -DLAMELIX_TESTS=OFF -DLAMELIX_BENCH=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$racine/build-fuzz" -j"$(nproc)"
corpus="$racine/build-fuzz/corpus"
declare -A graines=(
    [cle]="$racine/cles/*.cle $racine/cles/*.txt"
    [reglages]="$racine/tests/donnees/*.ini"
    [langue]="$racine/lang/*.lng"
    [page_html]="$racine/cles/*.html"
    [reponse_serveur]=""
    [tableau]="$racine/tests/data/*.csv"
)
for cible in cle reglages langue page_html reponse_serveur tableau; do
    mkdir -p "$corpus/$cible"
    for graine in ${graines[$cible]}; do
        [[ -f $graine ]] && cp "$graine" "$corpus/$cible/"
    done
    printf '\n=== %s\n' "$cible"
    "$racine/build-fuzz/bin/lamelix_fuzz_$cible" -runs="$runs" -max_len=65536 "$corpus/$cible"
done
