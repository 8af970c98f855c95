#!/usr/bin/env bash
# The layering check must catch a wrong include: a copy of the tree with a key file that
# includes the main window model must fail it, and the same copy without that file must pass.
set -euo pipefail
ici="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
racine="$(cd "$ici/.." && pwd)"
essai=$(mktemp -d)
trap 'rm -rf "$essai"' EXIT
for d in platform settings key consult search tools app ui cli; do
    [[ -d $racine/$d ]] && cp -r "$racine/$d" "$essai/"
done
bash "$ici/couches.sh" "$essai" >/dev/null
printf '#include "consult/lamelix.hpp"\n' >"$essai/key/faute.cpp"
if bash "$ici/couches.sh" "$essai" >"$essai/sortie"; then
    echo "la vérification des couches n'a pas vu key/ inclure consult/" >&2
    exit 1
fi
grep -q 'key/faute.cpp inclut consult/' "$essai/sortie"
printf '#include "tools/outils.hpp"\n' >"$essai/search/faute.cpp"
rm "$essai/key/faute.cpp"
if bash "$ici/couches.sh" "$essai" >/dev/null; then
    echo "la vérification des couches n'a pas vu search/ inclure tools/" >&2
    exit 1
fi
echo "fautes de couches reconnues"
