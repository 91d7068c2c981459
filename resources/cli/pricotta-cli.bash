# bash completion for pricotta-cli: commands, each command's options, the values of --format and
# --encoding, and file names elsewhere.
_pricotta_cli() {
    local cur prev command options
    COMPREPLY=()
    cur=${COMP_WORDS[COMP_CWORD]}
    prev=${COMP_WORDS[COMP_CWORD - 1]}
    if ((COMP_CWORD == 1)); then
        COMPREPLY=($(compgen -W "export import merge cheapest stale report plan --help --version" -- "$cur"))
        return
    fi
    command=${COMP_WORDS[1]}
    case $prev in
    --format)
        if [[ $command == export ]]; then
            COMPREPLY=($(compgen -W "csv json" -- "$cur"))
        elif [[ $command == plan ]]; then
            COMPREPLY=($(compgen -W "text csv json html" -- "$cur"))
        else
            COMPREPLY=($(compgen -W "text csv json" -- "$cur"))
        fi
        return
        ;;
    --encoding)
        COMPREPLY=($(compgen -W "utf-8 cp932" -- "$cur"))
        return
        ;;
    --months | --shop | --shops | --only)
        return
        ;;
    esac
    case $command in
    export) options="--format --encoding -o --help" ;;
    import) options="-o --into --check --help" ;;
    merge) options="-o --help" ;;
    cheapest) options="--shop --months --format --help" ;;
    stale) options="--months --shop --format --help" ;;
    report) options="-o --open --help" ;;
    plan) options="--shops --only --months --format -o --help" ;;
    esac
    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "$options" -- "$cur"))
    else
        compopt -o filenames 2>/dev/null
        COMPREPLY=($(compgen -f -- "$cur"))
    fi
}
complete -F _pricotta_cli pricotta-cli
