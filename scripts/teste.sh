#!/usr/bin/env bash
# Sets up what is missing, then builds and runs the whole test suite:
#  1. the full build (window included) with every test, the window under the offscreen platform;
#  2. the core and lamelix-outils built without Qt, with their tests;
#  3. the core tests under AddressSanitizer and UndefinedBehaviorSanitizer;
#  4. every fuzz target on a bounded number of runs (clang, libFuzzer, the same sanitizers);
#  5. the formatting check;
#  6. the web page's engine built with emscripten, then the web tests (node, headless chromium).
set -euo pipefail
racine="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$racine/scripts/dependances.sh"
cd "$racine"
export QT_QPA_PLATFORM=offscreen
travaux="-j$(nproc)"

etape() { printf '\n=== %s\n' "$*"; }

# The three builds are the presets of CMakePresets.json (folders build-test, build-sans-qt and
# build-asan).
construit() {
    cmake --preset "$1" >/dev/null
    cmake --build --preset "$1" "$travaux"
    ctest --preset "$1" "$travaux"
}

etape "Construction complète et tests"
construit complet

etape "Cœur et lamelix-outils sans Qt"
construit sans-qt

etape "Tests du cœur sous AddressSanitizer et UndefinedBehaviorSanitizer"
construit asan

etape "Cibles de fuzzing, 20000 essais chacune"
bash "$racine/scripts/fuzz.sh" 20000 >build-fuzz.log 2>&1 || { tail -60 build-fuzz.log; exit 1; }
grep -E '^(=== |#[0-9]+[[:space:]]+DONE)' build-fuzz.log

etape "Mise en forme (clang-format)"
git ls-files '*.cpp' '*.hpp' | xargs clang-format --dry-run --Werror

etape "Moteur de la page web (emscripten) et tests de la page"
bash "$racine/scripts/construit-web.sh"
node "$racine/web/essai_moteur.mjs" build-web/lamelix-moteur.js build-test/bin/lamelix-outils cles
if [ -f "$racine/tests/web/lance.sh" ]; then
    bash "$racine/tests/web/lance.sh"
fi

etape "Tous les tests sont passés"
