#!/usr/bin/env bash
# Plants faults in the production code one at a time and tells which the core tests catch.
#
#   bash scripts/mutants.sh FAUTES [BUILD]
#
# FAUTES holds one fault a line, three fields separated by tabs: a file of the repository, a text
# that its line to change contains (the first line holding it is changed), and what that text
# becomes on that line. Blank lines and lines starting with # are skipped. For each fault the
# script changes that line, rebuilds lamelix_tests in BUILD (build-test by default, already
# configured), runs it, puts the file back and prints "pris" (a test failed), "manque" (every
# test passed) or "invalide" (the text was not found, or the change does not build), then the
# score. Faults run one after the other, on two cores. A fault that leaves a variable unused is
# "invalide" too: warnings are errors in that build.
set -uo pipefail
racine="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
fautes="$(realpath "$1")"
construction="$(realpath -m "${2:-$racine/build-test}")"
cd "$racine"

pris=0
manques=0
sauvegarde="$(mktemp)"
trap 'rm -f "$sauvegarde"' EXIT

while IFS=$'\t' read -r fichier avant apres || [ -n "$fichier" ]; do
    [ -z "$fichier" ] || [ "${fichier:0:1}" = "#" ] && continue
    cp "$fichier" "$sauvegarde"
    if ! AVANT="$avant" APRES="$apres" perl -0pi -e '
            BEGIN { $fait = 0 }
            s/^(.*?)\Q$ENV{AVANT}\E/$1$ENV{APRES}/m and $fait = 1;
            END { exit($fait ? 0 : 1) }' "$fichier"; then
        printf 'invalide  %s: %s (introuvable)\n' "$fichier" "$avant"
        continue
    fi
    if ! cmake --build "$construction" -j2 --target lamelix_tests >/dev/null 2>&1; then
        verdict=invalide
    elif ("$construction/bin/lamelix_tests" --gtest_brief=1 && true) >/dev/null 2>&1; then
        verdict=manque
        manques=$((manques + 1))
    else
        verdict=pris
        pris=$((pris + 1))
    fi
    cp "$sauvegarde" "$fichier"
    touch "$fichier" # the next build sees the file back as it was
    printf '%-8s  %s: %s -> %s\n' "$verdict" "$fichier" "$avant" "$apres"
done <"$fautes"

cmake --build "$construction" -j2 --target lamelix_tests >/dev/null 2>&1
total=$((pris + manques))
printf '\n%d pris sur %d (%d%%)\n' "$pris" "$total" "$((total ? 100 * pris / total : 0))"
