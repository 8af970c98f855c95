#!/usr/bin/env bash
# Measures the start-up: from the process start to the first propositions on screen, on the
# bundled key, on a generated key of the format's largest size (3998 key lines, 2000 species) and
# on a key of one line of a megabyte, against an empty Qt window started the same way, with the
# Release build under Qt's offscreen platform. Prints the best of five runs and the memory peak.
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

# The best time of five runs in ms, and the memory peak of that run in MiB.
mesure() {
    local meilleur=999999 memoire=0
    for _ in 1 2 3 4 5; do
        local debut sortie ms
        debut=$(date +%s.%N)
        sortie=$(QT_QPA_PLATFORM=offscreen LAMELIX_CHRONO=1 "$@" 2>/dev/null)
        ms=$(awk -v a="$debut" -v b="$(awk '{print $3}' <<<"$sortie")" 'BEGIN { printf "%d", (b - a) * 1000 }')
        if ((ms < meilleur)); then
            meilleur=$ms
            memoire=$(awk '{ printf "%.0f", $4 / 1024 }' <<<"$sortie")
        fi
    done
    echo "$meilleur ms, mémoire $memoire Mio"
}
echo "fenêtre Qt vide           : $(mesure "$bin/lamelix_fenetre_vide")"
echo "clé fournie (defaut.cle)  : $(mesure "$bin/lamelix")"
echo "clé de 3998 lignes        : $(mesure "$bin/lamelix" "$geante")"
echo "clé d'une ligne de 1 Mio  : $(mesure "$bin/lamelix" "$ligne")"
