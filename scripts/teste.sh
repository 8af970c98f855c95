#!/usr/bin/env bash
# Sets up what is missing, then builds and runs the whole test suite:
#  1. the full build (window included) with every test, the window under the offscreen platform;
#  2. the core and lamelix-outils built without Qt, with their tests;
#  3. the core tests under AddressSanitizer and UndefinedBehaviorSanitizer;
#  4. every fuzz target on a bounded number of runs (clang, libFuzzer, the same sanitizers);
#  5. the formatting check.
set -euo pipefail
racine="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$racine/scripts/dependances.sh"
cd "$racine"
export QT_QPA_PLATFORM=offscreen
travaux="-j$(nproc)"

etape() { printf '\n=== %s\n' "$*"; }

etape "Construction complète et tests"
cmake -S . -B build-test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLAMELIX_WERROR=ON >/dev/null
cmake --build build-test "$travaux"
ctest --test-dir build-test --output-on-failure "$travaux"

etape "Cœur et lamelix-outils sans Qt"
cmake -S . -B build-sans-qt -DLAMELIX_WERROR=ON -DLAMELIX_QT=OFF -DLAMELIX_BENCH=OFF >/dev/null
cmake --build build-sans-qt "$travaux"
ctest --test-dir build-sans-qt --output-on-failure "$travaux"

etape "Tests du cœur sous AddressSanitizer et UndefinedBehaviorSanitizer"
cmake -S . -B build-asan -DLAMELIX_WERROR=ON -DLAMELIX_QT=OFF -DLAMELIX_BENCH=OFF -DLAMELIX_SANITIZE=ON \
      -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build-asan "$travaux"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build-asan --output-on-failure "$travaux"

etape "Cibles de fuzzing, 20000 essais chacune"
bash "$racine/scripts/fuzz.sh" 20000 >build-fuzz.log 2>&1 || { tail -60 build-fuzz.log; exit 1; }
grep -E '^(=== |#[0-9]+[[:space:]]+DONE)' build-fuzz.log

etape "Mise en forme (clang-format)"
git ls-files '*.cpp' '*.hpp' | xargs clang-format --dry-run --Werror

etape "Tous les tests sont passés"
