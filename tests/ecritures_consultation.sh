#!/usr/bin/env bash
# Fails when code outside consult/ writes a field of the consultation (Lamelix::Parcours): the
# panels, the tools, the command line and the skins move it only through the main window's
# procedures and the consultation's named operations, so that every way of walking a key leaves
# the same state. With --essai, checks itself first on a planted write.
set -euo pipefail
racine="${1:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}"

ecritures() { # the lines of $1's folders that assign to, step or fill a consultation field
    local dossier
    for dossier in search tools app cli ui bench fuzz; do
        [[ -d $1/$dossier ]] || continue
        grep -rnE 'Parcours\.[A-Za-z]+(\([^()]*\))?[[:space:]]*([-+*/|&]?=[^=]|\+\+|--)|(\+\+|--)[[:alnum:]_.>-]*Parcours\.' \
            "$1/$dossier" --include='*.cpp' --include='*.hpp' || true
    done
}

if [[ ${2:-} == --essai ]]; then
    essai=$(mktemp -d)
    trap 'rm -rf "$essai"' EXIT
    mkdir -p "$essai/search"
    printf 'void a(Lamelix &f) { int x = f.Parcours.NbEtapes; f.Parcours.RemplaceNoms({}); }\n' >"$essai/search/a.cpp"
    [[ -z $(ecritures "$essai") ]] || { echo "consultation : une lecture prise pour une écriture" >&2; exit 1; }
    for faute in 'f.Parcours.Hist(3) = 1;' 'f.Parcours.NbEtapes += 1;' '++f.Parcours.NbNoms;' 'f.Parcours.EspeceAtteinte=true;'; do
        printf 'void b(Lamelix &f) { %s }\n' "$faute" >"$essai/search/b.cpp"
        [[ -n $(ecritures "$essai") ]] || { echo "consultation : écriture non vue : $faute" >&2; exit 1; }
    done
fi

trouvees=$(ecritures "$racine")
if [[ -n $trouvees ]]; then
    echo "consultation : écrite hors de consult/ :"
    echo "$trouvees"
    exit 1
fi
echo "consultation : seul consult/ l'écrit"
