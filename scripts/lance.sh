#!/usr/bin/env bash
# Sets up what is missing, builds Lamelix (with its web page engine) and opens the main window on the bundled key
# (or on the key file given as argument).
set -euo pipefail
racine="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$racine/scripts/dependances.sh"
cmake -S "$racine" -B "$racine/build" -DCMAKE_BUILD_TYPE=Release -DLAMELIX_TESTS=OFF >/dev/null
cmake --build "$racine/build" -j"$(nproc)" --target lamelix lamelix-outils
# The web page's engine, which "Exporter > Page web..." and lamelix-outils publie put in the page:
# built once (a few minutes), then only when its sources change.
bash "$racine/scripts/construit-web.sh" >/dev/null
exec "$racine/build/bin/lamelix" "$@"
