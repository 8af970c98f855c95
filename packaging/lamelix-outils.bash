# bash completion of lamelix-outils, written by "lamelix-outils completion bash".
_lamelix_outils() {
    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]}
    local commandes="tables parcours publie verifie lsp analyse renum coherence notes complements liens verif-liens compil export-txt utf8 imprime exporte-tableau importe-tableau importe-projet"
    local options
    if ((COMP_CWORD == 1)); then
        mapfile -t COMPREPLY < <(compgen -W "$commandes help completion --help --version" -- "$cur")
        return
    fi
    case ${COMP_WORDS[1]} in
    help)
        ((COMP_CWORD == 2)) && mapfile -t COMPREPLY < <(compgen -W "$commandes" -- "$cur")
        return
        ;;
    completion)
        ((COMP_CWORD == 2)) && mapfile -t COMPREPLY < <(compgen -W "bash" -- "$cur")
        return
        ;;
    tables | parcours | analyse | coherence | notes | complements | liens | verif-liens | compil | export-txt)
        options="--oui --non --help"
        ;;
    publie)
        case $prev in
        -o)
            compopt -o filenames 2>/dev/null
            mapfile -t COMPREPLY < <(compgen -f -- "$cur")
            return
            ;;
        --langue)
            mapfile -t COMPREPLY < <(compgen -W "fr it es de en bs ru uk" -- "$cur")
            return
            ;;
        --dossier)
            compopt -o filenames 2>/dev/null
            mapfile -t COMPREPLY < <(compgen -f -- "$cur")
            return
            ;;
        esac
        options="--oui --non -o --langue --dossier --help"
        ;;
    verifie)
        case $prev in
        --format)
            mapfile -t COMPREPLY < <(compgen -W "texte json" -- "$cur")
            return
            ;;
        esac
        options="--oui --non --format --help"
        ;;
    lsp)
        options="--help"
        [[ $cur == -* ]] || return
        ;;
    renum)
        case $prev in
        --depart)
            return
            ;;
        --increment)
            return
            ;;
        esac
        options="--oui --non --depart --increment --ecrire --help"
        ;;
    utf8)
        options="--oui --non --remplacer --help"
        ;;
    imprime)
        case $prev in
        --style)
            mapfile -t COMPREPLY < <(compgen -W "crochets indente" -- "$cur")
            return
            ;;
        --format)
            mapfile -t COMPREPLY < <(compgen -W "html md" -- "$cur")
            return
            ;;
        esac
        options="--oui --non --style --format --help"
        ;;
    exporte-tableau)
        case $prev in
        --format)
            mapfile -t COMPREPLY < <(compgen -W "csv keybase lpxk" -- "$cur")
            return
            ;;
        esac
        options="--oui --non --format --help"
        ;;
    importe-tableau)
        case $prev in
        -o)
            compopt -o filenames 2>/dev/null
            mapfile -t COMPREPLY < <(compgen -f -- "$cur")
            return
            ;;
        esac
        options="-o --help"
        ;;
    importe-projet)
        case $prev in
        -o)
            compopt -o filenames 2>/dev/null
            mapfile -t COMPREPLY < <(compgen -f -- "$cur")
            return
            ;;
        esac
        options="-o --pages --help"
        ;;
    *)
        return
        ;;
    esac
    if [[ $cur == -* ]]; then
        mapfile -t COMPREPLY < <(compgen -W "$options" -- "$cur")
    else
        compopt -o filenames 2>/dev/null
        mapfile -t COMPREPLY < <(compgen -f -- "$cur")
    fi
}
complete -F _lamelix_outils lamelix-outils
