#!/usr/bin/env bash
# The bash completion of tralyx-lrc as bash-completion runs it: what each command line of a table
# offers at its end, and that the commands, options and code pages it offers are the program's own.
#   tralyx-lrc-completion.sh COMPLETION_FILE TRALYX_LRC
set -u
completion=$(realpath "$1")
lrc=$(realpath "$2")
[ -r /usr/share/bash-completion/bash_completion ] || { echo "bash-completion is not installed" >&2; exit 1; }
source /usr/share/bash-completion/bash_completion
source "$completion"
set -f  # command lines are split into words below, never globbed
export LC_ALL=C  # one sort order

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" && mkdir English German && touch English/core.lrc messages.lrc notes.txt German.po out.xlf ./-odd.lrc
passed=0 failed=0
check() {  # what, got, expected
    if [ "$2" = "$3" ]; then passed=$((passed + 1)); else
        failed=$((failed + 1)); printf 'FAIL %s\n  expected: %s\n  got:      %s\n' "$1" "$3" "$2"; fi
}

# The words offered at the end of the command line $1, sorted, split as bash splits them.
offered() {
    local word
    COMP_WORDS=()
    for word in $1; do
        while [[ $word == *=* ]]; do COMP_WORDS+=("${word%%=*}" "="); word=${word#*=}; done
        [ -n "$word" ] && COMP_WORDS+=("$word")
    done
    [[ $1 == *" " ]] && COMP_WORDS+=("")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1)) COMP_LINE=$1 COMP_POINT=${#1} COMPREPLY=()
    _tralyx_lrc tralyx-lrc "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
    printf '%s\n' "${COMPREPLY[@]}" | sort | xargs
}

lines=(
    "tralyx-lrc |check compile dump export git glossary harvest import join lint merge-file pseudo status tm update write"
    "tralyx-lrc git |setup textconv"
    "tralyx-lrc u|update"
    "tralyx-lrc -|--help --version"
    "tralyx-lrc --version |"
    "tralyx-lrc nonsense |"
    "tralyx-lrc check --k|--kind"
    "tralyx-lrc check --kind |core messages secondary"
    "tralyx-lrc write --kind=m|messages"
    "tralyx-lrc dump --code-page windows-125|windows-1250 windows-1251 windows-1252 windows-1253 windows-1254 windows-1255 windows-1256 windows-1257 windows-1258"
    "tralyx-lrc lint --code-page=U|UTF-8"
    "tralyx-lrc check |-odd.lrc English German messages.lrc"
    "tralyx-lrc check --kind core |-odd.lrc English German German.po messages.lrc notes.txt out.xlf"
    "tralyx-lrc check messages.lrc -- -|-odd.lrc"
    "tralyx-lrc dump messages.lrc |"
    "tralyx-lrc update --force English German |English German"
    "tralyx-lrc update English German Out |"
    "tralyx-lrc lint --source |English German"
    "tralyx-lrc lint --source English |English German"
    "tralyx-lrc export --source-language |"
    "tralyx-lrc export German |English German German.po out.xlf"
    "tralyx-lrc import |English German German.po out.xlf"
    "tralyx-lrc import --dry-run German.po |English German"
    "tralyx-lrc lint --dictionary |"
    "tralyx-lrc lint --spell |English German"
    "tralyx-lrc tm |export suggest"
    "tralyx-lrc tm export --f|--force"
    "tralyx-lrc tm suggest -|--code-page --help --json --memory --source-language --target-language"
    "tralyx-lrc tm suggest --memory |English German"
    "tralyx-lrc tm export German |English German"
    "tralyx-lrc tm suggest --memory German Open |"
    "tralyx-lrc harvest -o |English German"
    "tralyx-lrc glossary |export"
    "tralyx-lrc lint --glossary |English German"
    "tralyx-lrc join English |-odd.lrc English German messages.lrc"
)
for row in "${lines[@]}"; do check "'${row%%|*}'" "$(offered "${row%%|*}")" "${row#*|}"; done

# The commands are those of tralyx-lrc --help; each command's options are those of its usage, and
# the program takes every one of them, and every code page offered.
check "the commands" "$(offered "tralyx-lrc ")" "$("$lrc" --help | sed -n 's/^  \([a-z][a-z-]*\) .*/\1/p' | sort -u | xargs)"
for command in $(offered "tralyx-lrc "); do
    options=$(offered "tralyx-lrc $command -")
    check "the options of $command" "$options" "$({ "$lrc" "$command" --help | grep -o -- '--[a-z-]*'; echo --help; } | sort -u | xargs)"
    for option in $options; do
        case $option in
            --kind) value=core ;; --code-page) value=UTF-8 ;; --source | --memory | --old-source | --output) value=. ;; --glossary) value=g.csv ;; --*-language | --language) value=de ;;
            --dictionary) value=de_DE ;; --fail-on) value=warning ;; --format) value=json ;; --expand) value=50 ;; *) value= ;;
        esac
        "$lrc" "$command" "$option" $value --help >/dev/null 2>&1
        check "tralyx-lrc $command $option $value --help exits 0" "$?" 0
    done
done
for code_page in $(offered "tralyx-lrc check --code-page "); do
    "$lrc" check --code-page "$code_page" --help >/dev/null 2>&1
    check "tralyx-lrc takes the code page $code_page" "$?" 0
done
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
