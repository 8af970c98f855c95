#!/usr/bin/env bash
# Sets up what is missing, builds Lamelix and opens the main window on the bundled key
# (or on the key file given as argument).
set -euo pipefail
racine="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$racine/scripts/dependances.sh"
cmake -S "$racine" -B "$racine/build" -DCMAKE_BUILD_TYPE=Release -DLAMELIX_TESTS=OFF >/dev/null
cmake --build "$racine/build" -j"$(nproc)" --target lamelix lamelix-outils
exec "$racine/build/bin/lamelix" "$@"
