# bash completion for tralyx-lrc: its commands, each command's options, the values of --kind and
# --code-page, and files or folders where a command expects them.

_tralyx_lrc()
{
    local cur prev words cword split
    _init_completion -s || return

    # The code pages of the editor's Code Page menu.
    local code_pages="windows-1252 windows-1250 windows-1251 windows-1253 windows-1254 windows-1255
        windows-1256 windows-1257 windows-1258 windows-874 windows-932 windows-936 windows-949
        windows-950 UTF-8"

    # Walk the words before the cursor: the command, how many operands it has, whether "--" ended
    # the options, whether --kind was given, and the option whose value the cursor stands on.
    local command="" operands=0 ended="" kind_given="" value_of="" word i
    for ((i = 1; i < cword; i++)); do
        word=${words[i]}
        if [[ -z $command ]]; then
            [[ $word == -* ]] && return  # --help, --version: nothing follows
            command=$word
        elif [[ -n $ended || $word != -* || $word == - ]]; then
            operands=$((operands + 1))
        elif [[ $word == -- ]]; then
            ended=1
        elif [[ $word == --@(kind|code-page|source|source-language|target-language) ]]; then
            [[ $word == --kind ]] && kind_given=1
            ((i + 1 == cword)) && value_of=$word
            i=$((i + 1))
        elif [[ $word == --kind=* ]]; then
            kind_given=1
        fi
    done
    [[ $split == true ]] && value_of=$prev

    if [[ -z $command ]]; then
        if [[ $cur == -* ]]; then
            COMPREPLY=($(compgen -W "--help --version" -- "$cur"))
        else
            COMPREPLY=($(compgen -W "check dump write update lint export import" -- "$cur"))
        fi
        return
    fi

    case $value_of in
        --kind) COMPREPLY=($(compgen -W "core messages secondary" -- "$cur")); return ;;
        --code-page) COMPREPLY=($(compgen -W "$code_pages" -- "$cur")); return ;;
        --source) _filedir -d; return ;;
        --source-language | --target-language) return ;;  # a language code: nothing to offer
    esac

    local options
    case $command in
        check | dump) options="--kind --code-page" ;;
        write) options="--kind --code-page --force" ;;
        update) options="--force --dry-run --json --code-page" ;;
        lint) options="--source --json --code-page" ;;
        export) options="--source --force --code-page --source-language --target-language" ;;
        import) options="--force --dry-run --code-page" ;;
        *) return ;;
    esac
    if [[ -z $ended && $cur == -* ]]; then
        COMPREPLY=($(compgen -W "$options --help" -- "$cur"))
        return
    fi

    # The operands: language files (any name once --kind tells the kind), folders, PO or XLIFF.
    case $command:$operands in
        check:* | dump:0 | write:0)
            if [[ -n $kind_given ]]; then _filedir; else _filedir lrc; fi ;;
        update:[012] | lint:0 | export:0 | import:1) _filedir -d ;;
        export:1 | import:0) _filedir 'po|xlf|xliff' ;;
    esac
} &&
    complete -F _tralyx_lrc tralyx-lrc
