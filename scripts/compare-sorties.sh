#!/usr/bin/env bash
# Records every report of lamelix-outils on the sample keys and on generated keys, so that two
# builds can be compared byte for byte:
#   bash scripts/compare-sorties.sh build-avant/bin/lamelix-outils /tmp/avant
#   bash scripts/compare-sorties.sh build/bin/lamelix-outils /tmp/apres
#   diff -r /tmp/avant /tmp/apres
# Each run of a command gives three files: its standard output, its standard error and its exit
# status. The files a command writes (text export, UTF-8 copy, renumbered key, imported key) are
# kept as well. The keys are copied into a scratch folder first, so the sample keys stay as they
# are; paths in the outputs are relative to that folder.
set -euo pipefail
outils="$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"
sortie="$2"
racine="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
travail="$(mktemp -d)"
trap 'rm -rf "$travail"' EXIT
rm -rf "$sortie"
mkdir -p "$sortie"

cp "$racine"/cles/* "$travail/"

# Generated keys: a large one at the format's bound (two parts of 2000 lines, 2000 species,
# accented Windows-1252 text, sections every 50 entities) and a deep chain of 300 entities with
# notes and a secondary key.
genere_grande() {
    awk 'BEGIN {
        printf "TITRE$Cl\xe9 g\xe9n\xe9r\xe9e\r\n";
        for (p = 0; p < 2; ++p) {
            n = int((2000 - (p > 0)) / 2);
            if (p > 0) printf "CS%d, 0 $ Cl\xe9 secondaire %d\r\n", p, p;
            for (e = 1; e <= n; ++e) for (b = 0; b < 2; ++b) {
                s = 2 * e + b; t = s > n;
                printf "%d , %s $ Chapeau %s, entit\xe9 %d", e, (t ? "0" : s), (b ? "\xe9cailleux" : "lisse"), e;
                if (t) printf " $ Esp\xe8ce %d-%d", p, s;
                if (e % 50 == 0 && b == 0) printf (t ? " $ S\"Section %d\"" : " $ $ S\"Section %d\""), e;
                printf "\r\n";
            }
        }
    }'
}
genere_profonde() {
    awk 'BEGIN {
        printf "TITRE$Cha\xeene\r\nREM$LANGUE$Fran\xe7ais\r\n";
        for (e = 1; e <= 300; ++e) {
            printf "%d, %d $ Caract\xe8re %d pr\xe9sent\r\n", e, (e < 300 ? e + 1 : 0), e;
            if (e % 7 == 0) printf "%d, 0, N $ note de l'\''entit\xe9 %d\r\n", e, e;
            printf "%d, %s $ Caract\xe8re %d absent $ Taxon %d\r\n", e, (e == 150 ? "CS1" : "0"), e, e;
        }
        printf "CS1, 0 $ Secondaire\r\n1, 0 $ A $ Taxon A\r\n1, 0 $ B $ Taxon B\r\n";
    }'
}
genere_grande >"$travail/genere-grande.cle"
genere_profonde >"$travail/genere-profonde.cle"

# Walks through the consultation: choices, steps back, lists, sections, names, comparison and
# the keyword search.
parcours=(
    ""
    "0 0 retour raz"
    "0 1 0 lm1 raz 1 lm2 compare"
    "liste nom:0 nom:3 suiv section"
    "1 notes sauts prefixe 0 retour retour"
    "motcle mot:lames chercher valider"
    "motcle mot:LAMES casse accents mot2:blanc ou chercher"
    "motcle mot:Russula liste chercher annuler"
    "0 0 motcle mot:a historiq chercher clic:0 reprise"
    "section nom:1 clic:0 0 retour raz"
)

cd "$travail"
lance() { # lance NOM ARGUMENTS...: one run recorded under NOM
    local nom="$1"
    shift
    local statut=0
    "$outils" "$@" >"$sortie/$nom.out" 2>"$sortie/$nom.err" || statut=$?
    echo "$statut" >"$sortie/$nom.rc"
}

for cle in *.cle *.txt; do
    lance "$cle.tables" tables "$cle"
    lance "$cle.tables-non" tables --non "$cle"
    lance "$cle.verifie" verifie "$cle"
    lance "$cle.verifie-non" verifie --non "$cle"
    for outil in analyse coherence notes complements liens verif-liens compil; do
        lance "$cle.$outil" "$outil" "$cle"
    done
    lance "$cle.renum" renum "$cle"
    lance "$cle.renum-10-5" renum --depart 10 --increment 5 "$cle"
    for style in crochets indente; do
        for format in html md; do
            lance "$cle.imprime-$style-$format" imprime --style "$style" --format "$format" "$cle"
        done
    done
    lance "$cle.exporte-tableau" exporte-tableau "$cle"
    if [ "$(cat "$sortie/$cle.exporte-tableau.rc")" = 0 ]; then
        cp "$sortie/$cle.exporte-tableau.out" "table-$cle.csv"
        lance "$cle.importe-tableau" importe-tableau "table-$cle.csv" -o "importee-$cle.cle"
        [ -f "importee-$cle.cle" ] && cp "importee-$cle.cle" "$sortie/$cle.importee"
    fi
    lance "$cle.exporte-lpxk" exporte-tableau --format lpxk "$cle"
    if [ "$(cat "$sortie/$cle.exporte-lpxk.rc")" = 0 ]; then
        cp "$sortie/$cle.exporte-lpxk.out" "lpxk-$cle.lpxk"
        lance "$cle.importe-lpxk" importe-tableau "lpxk-$cle.lpxk" -o "lpxk-$cle.cle"
        [ -f "lpxk-$cle.cle" ] && cp "lpxk-$cle.cle" "$sortie/$cle.importee-lpxk"
    fi
    i=0
    for actions in "${parcours[@]}"; do
        # shellcheck disable=SC2086
        lance "$cle.parcours-$i" parcours "$cle" $actions
        i=$((i + 1))
    done
    # The commands that write files, each on its own copy of the key.
    for outil in export-txt utf8; do
        mkdir -p "copie-$outil"
        cp "$cle" "copie-$outil/"
        (cd "copie-$outil" && lance "$cle.$outil" "$outil" "$cle")
        for f in "copie-$outil"/*; do
            [ "$f" = "copie-$outil/$cle" ] || cp "$f" "$sortie/$cle.$outil.$(basename "$f")"
        done
        rm -rf "copie-$outil"
    done
    mkdir -p copie-renum
    cp "$cle" copie-renum/
    (cd copie-renum && lance "$cle.renum-ecrire" renum --ecrire "$cle")
    cp copie-renum/"$cle" "$sortie/$cle.renum-ecrire.cle"
    rm -rf copie-renum
done
echo "$(find "$sortie" -type f | wc -l) fichiers dans $sortie"
