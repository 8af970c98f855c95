#!/usr/bin/env bash
# Walks a key on its published web page in headless chromium, with real clicks and key presses,
# and prints what the page shows exactly as `lamelix-outils parcours` prints the window:
#   bash scripts/parcours-web.sh [--oui|--non] FICHIER ACTION...
# The page is published by the lamelix-outils found first on the PATH, else by the source tree's
# build-test/bin/lamelix-outils.
set -euo pipefail
racine="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
outils="$(command -v lamelix-outils || true)"
[ -n "$outils" ] || outils="$racine/build-test/bin/lamelix-outils"
if [ ! -x "$outils" ]; then
    echo "parcours-web: lamelix-outils introuvable (ni sur le PATH, ni dans build-test/bin)" >&2
    exit 2
fi
if [ ! -d "$racine/tests/web/node_modules/puppeteer-core" ]; then
    (cd "$racine/tests/web" && PUPPETEER_SKIP_DOWNLOAD=1 npm ci --no-audit --no-fund >/dev/null 2>&1) || {
        echo "parcours-web: npm ci a échoué dans tests/web" >&2
        exit 2
    }
fi
exec node "$racine/tests/web/parcours_web.mjs" "$outils" "$@"
