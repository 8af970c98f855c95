#!/usr/bin/env bash
# Fails when a file includes a header of a folder above its own. The core's folders, from the
# bottom: platform, settings, key, consult, then search and tools side by side (neither includes
# the other), then app, which puts the windows together, and lsp, the language server beside it;
# ui and cli sit on top, side by side.
set -euo pipefail
racine="${1:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}"
cd "$racine"

rang() {
    case $1 in
    platform) echo 1 ;; settings) echo 2 ;; key) echo 3 ;; consult) echo 4 ;;
    search | tools) echo 5 ;; app | lsp) echo 6 ;; ui | cli) echo 7 ;; *) echo 9 ;;
    esac
}

fautes=0
for dossier in platform settings key consult search tools app lsp ui cli; do
    [[ -d $dossier ]] || continue
    while IFS= read -r ligne; do
        fichier=${ligne%%:*}
        vise=$(sed -E 's/.*#include "([A-Za-z_]+)\/.*/\1/' <<<"${ligne#*:}")
        de=$(rang "$dossier")
        vers=$(rang "$vise")
        if ((vers > de)) || { ((vers == de)) && [[ $vise != "$dossier" ]]; }; then
            echo "couches : $fichier inclut $vise/ (au-dessus de $dossier/)"
            fautes=$((fautes + 1))
        fi
    done < <(grep -rHE '^[[:space:]]*#[[:space:]]*include[[:space:]]+"[A-Za-z_]+/' "$dossier" \
        --include='*.cpp' --include='*.hpp' --include='*.h' || true)
done
((fautes == 0)) || exit 1
echo "couches : aucune inclusion contre le sens des dépendances"
