#!/usr/bin/env bash
# Checks of the desktop integration files and of an installation, run by CTest:
#   paquetage.sh bureau FICHIER.desktop
#   paquetage.sh metainfo FICHIER.metainfo.xml
#   paquetage.sh mime FICHIER.xml DOSSIER_ESSAI
#   paquetage.sh installation CMAKE DOSSIER_CONSTRUCTION PREFIXE ID_APPLICATION QT(0|1)
# Exits 0 when everything holds, 1 at the first fault, 77 (skipped) when the validator the check
# relies on is not installed on this machine. Writes only into the folders it is given.
set -euo pipefail

echec() {
    echo "ÉCHEC : $*" >&2
    exit 1
}

outil() {
    command -v "$1" >/dev/null || {
        echo "$1 absent : vérification sautée" >&2
        exit 77
    }
}

# desktop-file-validate only fails on errors; its warnings are faults here too, its hints are not.
valide_bureau() {
    local sortie
    sortie=$(desktop-file-validate "$1" 2>&1) || echec "desktop-file-validate $1 :"$'\n'"$sortie"
    if [[ -n $sortie ]]; then echo "$sortie"; fi
    if grep -E ': (error|warning):' <<<"$sortie" >/dev/null; then
        echec "desktop-file-validate signale des fautes dans $1"
    fi
}

# Builds a MIME database from the package alone and checks what update-mime-database made of it:
# it skips a package with a wrong namespace or unknown elements without failing.
verifie_base_mime() {
    local paquet=$1 base=$2
    rm -rf "$base"
    mkdir -p "$base/packages"
    cp "$paquet" "$base/packages/"
    update-mime-database "$base" >"$base/journal.txt" 2>&1 ||
        echec "update-mime-database (voir $base/journal.txt)"
    # No ":cs" flag after the pattern: *.CLE matches as well.
    grep -Eq '^[0-9]+:application/x-lamelix-cle:\*\.cle$' "$base/globs2" ||
        echec "le motif *.cle manque dans $base/globs2 (voir $base/journal.txt)"
    ! grep -q ':cs$' "$base/globs2" || echec "le motif *.cle ne doit pas tenir compte de la casse"
    grep -qx 'application/x-lamelix-cle text/plain' "$base/subclasses" ||
        echec "application/x-lamelix-cle n'est pas une sous-classe de text/plain"
}

installation() {
    local cmake=$1 construction=$2 prefixe=$3 id=$4 qt=$5
    rm -rf "$prefixe"
    mkdir -p "$prefixe"
    env -u DESTDIR "$cmake" --install "$construction" --prefix "$prefixe" >"$prefixe.journal" ||
        echec "cmake --install a échoué (voir $prefixe.journal)"

    local bureau=$prefixe/share/applications/$id.desktop
    local attendus=(bin/lamelix-outils share/lamelix/defaut.cle
                    "share/applications/$id.desktop" share/mime/packages/lamelix-cle.xml
                    "share/icons/hicolor/scalable/apps/$id.svg" "share/metainfo/$id.metainfo.xml"
                    share/bash-completion/completions/lamelix-outils)
    ((qt)) && attendus+=(bin/lamelix)
    for f in "${attendus[@]}"; do
        [[ -f $prefixe/$f ]] || echec "$f n'est pas installé"
    done
    [[ -x $prefixe/bin/lamelix-outils ]] || echec "bin/lamelix-outils n'est pas exécutable"

    if command -v desktop-file-validate >/dev/null; then
        valide_bureau "$bureau"
    else
        echo "desktop-file-validate absent : fichier .desktop installé non validé" >&2
    fi

    # The software centre entry must find the menu entry it launches.
    if command -v appstreamcli >/dev/null; then
        appstreamcli validate-tree --no-net --strict "$prefixe" ||
            echec "appstreamcli validate-tree $prefixe"
    fi

    # The menu entry must name what is installed: its icon and the file types it opens.
    local icone
    icone=$(sed -n 's/^Icon=//p' "$bureau")
    [[ -f $prefixe/share/icons/hicolor/scalable/apps/$icone.svg ]] ||
        echec "l'icône $icone du fichier .desktop n'est pas installée"
    local types
    IFS=';' read -ra types <<<"$(sed -n 's/^MimeType=//p' "$bureau")"
    ((${#types[@]})) || echec "le fichier .desktop ne déclare aucun type de fichier"
    for t in "${types[@]}"; do
        grep -q "<mime-type type=\"$t\"" "$prefixe"/share/mime/packages/*.xml ||
            echec "le type $t du fichier .desktop n'est déclaré par aucun paquet MIME installé"
    done

    "$prefixe/bin/lamelix-outils" tables "$prefixe/share/lamelix/defaut.cle" \
        >"$prefixe.tables" 2>&1 ||
        echec "lamelix-outils tables sur la clé installée : code $? (voir $prefixe.tables)"
}

case ${1-} in
bureau)
    outil desktop-file-validate
    valide_bureau "$2"
    ;;
metainfo)
    outil appstreamcli
    # --strict: infos and warnings fail as well as errors; only pedantic notes are let through.
    appstreamcli validate --no-net --strict "$2" || echec "appstreamcli validate $2"
    ;;
mime)
    outil xmllint
    xmllint --noout "$2" || echec "xmllint $2"
    if command -v update-mime-database >/dev/null; then
        verifie_base_mime "$2" "$3"
    fi
    ;;
installation)
    installation "$2" "$3" "$4" "$5" "$6"
    ;;
*)
    echo "usage : $0 bureau|metainfo|mime|installation ARGUMENTS…" >&2
    exit 2
    ;;
esac
