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

    # Walk the words before the cursor: the command, how many operands it has (the first of tm,
    # git and glossary is its action), whether "--" ended the options, whether --kind was given, and the option whose
    # value the cursor stands on.
    local command="" action="" operands=0 ended="" kind_given="" value_of="" word i
    for ((i = 1; i < cword; i++)); do
        word=${words[i]}
        if [[ -z $command ]]; then
            [[ $word == -* ]] && return  # --help, --version: nothing follows
            command=$word
        elif [[ -n $ended || $word != -* || $word == - ]]; then
            [[ $command == @(tm|git|glossary) && $operands == 0 ]] && action=$word
            operands=$((operands + 1))
        elif [[ $word == -- ]]; then
            ended=1
        elif [[ $word == --@(kind|code-page|source|source-language|target-language|memory|dictionary|old-source|language|fail-on|format|output|glossary) || $word == -o ]]; then
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
            COMPREPLY=($(compgen -W "check dump write update lint status export import tm glossary compile merge-file git harvest join pseudo" -- "$cur"))
        fi
        return
    fi

    case $value_of in
        --kind) COMPREPLY=($(compgen -W "core messages secondary" -- "$cur")); return ;;
        --code-page) COMPREPLY=($(compgen -W "$code_pages" -- "$cur")); return ;;
        --source | --old-source | --output | -o) _filedir -d; return ;;
        --memory) _filedir tmx; return ;;  # a translated folder or a TMX file
        --glossary) _filedir 'tbx|csv'; return ;;
        --fail-on) COMPREPLY=($(compgen -W "error warning review untranslated missing" -- "$cur")); return ;;
        --format) COMPREPLY=($(compgen -W "text json github junit" -- "$cur")); return ;;
        --source-language | --target-language | --dictionary | --language) return ;;  # a language code: nothing to offer
    esac

    local options
    case $command in
        check | dump) options="--kind --code-page" ;;
        write) options="--kind --code-page --force --drop-unwritable" ;;
        update) options="--old-source --fill-from-memory --memory --force --dry-run --json --discard-state --code-page" ;;
        lint) options="--source --json --format --fail-on --infos --target-language --code-page --spell --dictionary --glossary" ;;
        status) options="--source --json --fail-on --code-page" ;;
        export) options="--source --force --code-page --source-language --target-language" ;;
        import) options="--source --language --force --dry-run --discard-state --theirs --code-page" ;;
        merge-file | git) options="--code-page" ;;
        compile) options="--source --code-page" ;;
        harvest) options="--output --code-page" ;;
        glossary) options="--source --force --code-page --source-language --target-language" ;;
        join) options="--prune --code-page" ;;
        pseudo) options="--expand --accents --brackets --force --code-page" ;;
        tm)
            case $action in
                export) options="--source --memory --force --code-page --source-language --target-language" ;;
                suggest) options="--memory --json --code-page --source-language --target-language" ;;
                *) options="--source --memory --force --json --code-page --source-language --target-language" ;;
            esac ;;
        *) return ;;
    esac
    if [[ -z $ended && $cur == -* ]]; then
        COMPREPLY=($(compgen -W "$options --help" -- "$cur"))
        return
    fi

    # The operands: language files (any name once --kind tells the kind), folders, PO, XLIFF, TMX or .ui;
    # the action of tm, git and glossary first.
    case $command:$operands in
        check:* | dump:0 | write:0)
            if [[ -n $kind_given ]]; then _filedir; else _filedir lrc; fi ;;
        update:[012] | lint:0 | status:0 | export:0 | import:1 | compile:0 | pseudo:[01]) _filedir -d ;;
        export:1 | import:0) _filedir 'po|pot|xlf|xliff' ;;
        tm:0) COMPREPLY=($(compgen -W "export suggest" -- "$cur")) ;;
        tm:1) [[ $action == export ]] && _filedir -d ;;
        tm:2) [[ $action == export ]] && _filedir tmx ;;
        glossary:0) COMPREPLY=($(compgen -W "export" -- "$cur")) ;;
        glossary:1) _filedir -d ;;
        glossary:2) _filedir tbx ;;
        git:0) COMPREPLY=($(compgen -W "setup textconv" -- "$cur")) ;;
        git:1) if [[ $action == setup ]]; then _filedir -d; else _filedir lrc; fi ;;
        merge-file:*) _filedir ;;
        harvest:*) _filedir ui ;;
        join:0) _filedir -d ;;
        join:*) _filedir lrc ;;
    esac
} &&
    complete -F _tralyx_lrc tralyx-lrc
