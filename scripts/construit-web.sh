#!/usr/bin/env bash
# Builds the consultation engine of the published page with Debian's emscripten, from the sources
# of the native build, into build-web/lamelix-moteur.js (one file, the WebAssembly inside). The
# first build takes a few minutes; later ones rebuild what changed.
set -euo pipefail
racine="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$racine"
command -v emcmake >/dev/null || { echo "construit-web: emscripten manque (apt-get install emscripten node-acorn)" >&2; exit 1; }
# emscripten's optimizer is a node program that needs Debian's acorn, which a node installed
# outside Debian does not find by itself.
export NODE_PATH="/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}"
lanceur=()
if command -v ccache >/dev/null; then
    lanceur=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
dossier="${LAMELIX_BUILD_WEB:-$racine/build-web}"
if [ ! -f "$dossier/CMakeCache.txt" ]; then
    emcmake cmake -S web -B "$dossier" -DCMAKE_BUILD_TYPE=Release "${lanceur[@]}" >/dev/null
fi
cmake --build "$dossier" -j"${LAMELIX_TRAVAUX:-2}" --target lamelix-moteur
ls -l "$dossier/lamelix-moteur.js"
