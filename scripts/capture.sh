#!/usr/bin/env bash
# Takes the README's screenshot: the end-to-end window test walks the bundled key and saves the
# main window half-way through the consultation, under Qt's offscreen platform (no display
# needed). Output: docs/lamelix.png (and docs/lamelix-session.png, the restored session).
set -euo pipefail
racine="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$racine/scripts/dependances.sh"
cmake -S "$racine" -B "$racine/build-test" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$racine/build-test" -j"$(nproc)" --target lamelix_tests_bout_en_bout
mkdir -p "$racine/docs"
QT_QPA_PLATFORM=offscreen LAMELIX_CAPTURE="$racine/docs/lamelix.png" \
    "$racine/build-test/bin/lamelix_tests_bout_en_bout" -silent
echo "Capture : $racine/docs/lamelix.png"
