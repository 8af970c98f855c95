#!/usr/bin/env bash
# The published page's tests in headless chromium:
#   bash tests/web/lance.sh [LAMELIX-OUTILS]
# The walks are compared with the lamelix-outils given (else build-test/bin/lamelix-outils), whose
# `publie` needs the WebAssembly engine (bash scripts/construit-web.sh).
set -euo pipefail
ici="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
racine="$(cd "$ici/../.." && pwd)"
chromium="${LAMELIX_CHROMIUM:-/usr/bin/chromium}"
if [ ! -x "$chromium" ]; then
    echo "tests/web: $chromium absent, tests du navigateur non lancés (apt-get install chromium)"
    exit 0
fi
export LAMELIX_CHROMIUM="$chromium"
export LAMELIX_OUTILS="$(realpath "${1:-$racine/build-test/bin/lamelix-outils}")"
cd "$ici"
[ -d node_modules/puppeteer-core ] || PUPPETEER_SKIP_DOWNLOAD=1 npm ci --no-audit --no-fund
exec node --test --test-concurrency=1 page.test.mjs parcours.test.mjs
