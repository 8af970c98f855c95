#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer) and
# runs each on a corpus seeded with the sample keys, settings, language files and answers, the
# tables of the sample keys, and consultations (a key with its actions) for parcours. Each target first replays the inputs kept in
# fuzz/regressions/<target>/ (what an earlier campaign found).
# Usage: scripts/fuzz.sh [RUNS_PER_TARGET]   (default 2000; -1 runs until stopped)
# Extra libFuzzer options may follow, e.g. scripts/fuzz.sh -1 -jobs=2 -workers=2
# CIBLES chooses the targets, e.g. CIBLES="cle langue" scripts/fuzz.sh -1 -max_total_time=3600
set -euo pipefail
racine="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
runs="${1:-2000}"
shift || true
bash "$racine/scripts/dependances.sh"
CXX=clang++ cmake -S "$racine" -B "$racine/build-fuzz" -DLAMELIX_FUZZ=ON -DLAMELIX_QT=OFF \
    -DLAMELIX_TESTS=OFF -DLAMELIX_BENCH=OFF -DLAMELIX_WERROR=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$racine/build-fuzz" -j"$(nproc)"
corpus="$racine/build-fuzz/corpus"
declare -A graines=(
    [cle]="$racine/cles/*.cle $racine/cles/*.txt"
    [reglages]="$racine/fuzz/graines/reglages/*"
    [langue]="$racine/lang/*.lng"
    [page_html]="$racine/cles/*.html"
    [reponse_serveur]="$racine/fuzz/graines/reponse_serveur/*"
    [tableau]="$racine/tests/data/*.csv"
    [imprimable]="$racine/cles/*.cle $racine/cles/*.txt"
    [rapports]="$racine/cles/*.cle $racine/cles/*.txt"
    [parcours]="$racine/fuzz/graines/parcours/*"
)
for cible in ${CIBLES:-cle reglages langue page_html reponse_serveur tableau imprimable rapports parcours}; do
    [[ -v "graines[$cible]" ]] || { echo "cible inconnue : $cible" >&2; exit 2; }
    mkdir -p "$corpus/$cible"
    for graine in ${graines[$cible]}; do
        [[ -f $graine ]] && cp "$graine" "$corpus/$cible/"
    done
    programme="$racine/build-fuzz/bin/lamelix_fuzz_$cible"
    printf '\n=== %s\n' "$cible"
    regressions="$racine/fuzz/regressions/$cible"
    if compgen -G "$regressions/*" >/dev/null; then
        "$programme" -runs=1 "$regressions"/*
    fi
    "$programme" -runs="$runs" -max_len=65536 "$@" "$corpus/$cible"
done
