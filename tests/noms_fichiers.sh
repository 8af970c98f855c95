#!/usr/bin/env bash
# Fails when two source files of different folders share a base name (a.cpp and b/a.hpp): a
# reader, and the tools that draw the code's structure, take one for the other. A header and its
# source in the same folder are one unit and share their name on purpose.
# With --essai, checks itself first: a planted twin must be caught.
set -euo pipefail
racine="${1:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}"

jumeaux() { # lists each shared base name with its folders, nothing when there is none
    find "$1" \( -path "$1/build*" -o -path "$1/.git" \) -prune -o \
        -type f \( -name '*.cpp' -o -name '*.hpp' -o -name '*.h' \) -printf '%h %f\n' |
        sed -E 's/\.(cpp|hpp|h)$//' | sort -u |
        awk '{n[$2]++; d[$2] = d[$2] " " $1} END {for (b in n) if (n[b] > 1) print b ":" d[b]}'
}

if [[ ${2:-} == --essai ]]; then
    essai=$(mktemp -d)
    trap 'rm -rf "$essai"' EXIT
    mkdir -p "$essai/a" "$essai/b"
    touch "$essai/a/x.cpp" "$essai/a/x.hpp" "$essai/b/y.cpp"
    [[ -z $(jumeaux "$essai") ]] || { echo "noms : un en-tête et sa source pris pour des jumeaux" >&2; exit 1; }
    touch "$essai/b/x.hpp"
    [[ -n $(jumeaux "$essai") ]] || { echo "noms : deux x dans a/ et b/ non vus" >&2; exit 1; }
fi

trouves=$(jumeaux "$racine")
if [[ -n $trouves ]]; then
    echo "noms : fichiers de même nom dans plusieurs dossiers :"
    echo "$trouves"
    exit 1
fi
echo "noms : chaque fichier source a un nom qui n'appartient qu'à lui"
