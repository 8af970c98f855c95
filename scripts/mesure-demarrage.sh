#!/usr/bin/env bash
# Measures the start-up: from the process start to the first propositions on screen, on the
# bundled key, on a generated key of the format's largest size (3998 key lines, 2000 species) and
# on a key of one line of a megabyte, against an empty Qt window started the same way, with the
# Release build under Qt's offscreen platform. The four programs run in turn TOURS times (11 unless
# set), so that a machine's load weighs on each alike; prints the median and the best time of each
# and the memory peak of its median run.
set -euo pipefail
racine="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$racine/scripts/dependances.sh"
cmake -S "$racine" -B "$racine/build" -DCMAKE_BUILD_TYPE=Release -DLAMELIX_TESTS=OFF >/dev/null
cmake --build "$racine/build" -j"$(nproc)" --target lamelix lamelix_fenetre_vide >/dev/null
bin="$racine/build/bin"
# Without a settings file the program would first say that it creates one.
[[ -f "$bin/Lamelix.ini" ]] || printf '\r\nFICDEFAUT =defaut.cle\r\n' >"$bin/Lamelix.ini"

geante="$(mktemp -d)/geante.cle"
awk 'BEGIN {
    print "TITRE$Clé de mesure : 1999 entités, 2000 espèces"
    for (e = 1; e <= 1999; ++e)
        for (c = 0; c <= 1; ++c) {
            s = 2 * e + c
            if (s <= 1999) printf "%d, %d $ Entité %d, choix %d : caractère observé\n", e, s, e, c
            else printf "%d, 0 $ Entité %d, choix %d $ Species %d\n", e, e, c, s - 1999
        }
}' >"$geante"
ligne="$(dirname "$geante")/ligne.cle"
{ printf '1, 0 $'; head -c 1048576 /dev/zero | tr '\0' 'a'; printf '$Species\r\n1, 0 $b$Other\r\n'; } >"$ligne"

# One run: the time in ms from the process start to the first propositions drawn, and the memory
# peak in KiB.
une_mesure() {
    local debut sortie
    debut=$(date +%s.%N)
    sortie=$(QT_QPA_PLATFORM=offscreen LAMELIX_CHRONO=1 "$@" 2>/dev/null)
    awk -v a="$debut" -v s="$sortie" 'BEGIN { split(s, c, " "); printf "%.1f %d\n", (c[3] - a) * 1000, c[4] }'
}
tours="${TOURS:-11}"
noms=("fenêtre Qt vide          " "clé fournie (defaut.cle) " "clé de 3998 lignes       " "clé d'une ligne de 1 Mio ")
resultats="$(mktemp -d)"
for ((t = 0; t < tours; ++t)); do
    for i in 0 1 2 3; do
        case $i in
        0) une_mesure "$bin/lamelix_fenetre_vide" ;;
        1) une_mesure "$bin/lamelix" ;;
        2) une_mesure "$bin/lamelix" "$geante" ;;
        3) une_mesure "$bin/lamelix" "$ligne" ;;
        esac >>"$resultats/$i"
    done
done
for i in 0 1 2 3; do
    sort -n "$resultats/$i" | awk -v nom="${noms[$i]}" '{ t[NR] = $1; m[NR] = $2 }
        END { n = int((NR + 1) / 2); printf "%s: médiane %.1f ms, meilleure %.1f ms, mémoire %.0f Mio\n", nom, t[n], t[1], m[n] / 1024 }'
done
