#!/usr/bin/env bash
# Runs the shell examples of the documentation, so that the docs cannot drift from the programs.
#   doc-examples.sh BIN_DIR... -- SAMPLES_DIR FILE.md...
# Every fenced shell block (sh, console, bash, shell) carries one of two marks after its language:
#   example   run by this test: ```sh example``` is a script whose every command must succeed;
#             ```console example``` is a transcript: "$ " starts a command (a "\" at the end of a
#             line continues it), the lines up to the next "$ " are exactly what it prints (stdout
#             and stderr), and a line "..." stands for any number of lines. A command that fails
#             must be followed by "$ echo $?", which shows its status.
#   not-run   shown, never run (it installs, needs sudo, opens a window, or builds the project)
# The blocks of one file run in order, each from the top of one fresh copy of SAMPLES_DIR (the
# sample language folders), with BIN_DIR first on PATH, so a later block sees an earlier one's
# files. The README's first block stays a plain ```sh``` block of `make run` and `make test`, the
# two commands a new machine needs (the test holds it to that), and every relative link or image
# must name a file and, after a "#", one of its headings.
set -u
path_dirs=()
while [ $# -gt 0 ] && [ "$1" != "--" ]; do path_dirs+=("$(realpath "$1")"); shift; done
shift
samples=$(realpath "$1"); shift
for dir in "${path_dirs[@]}"; do PATH="$dir:$PATH"; done
export PATH LC_ALL=C.UTF-8 LANGUAGE= QT_QPA_PLATFORM=offscreen
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0 blocks=0
fail() { failures=$((failures + 1)); printf 'FAIL %s\n' "$1"; [ $# -gt 1 ] && printf '%s\n' "$2"; }

# Does the output $2 (a file) match the expected lines $1 (a file), "..." matching any run of lines?
matches() {
    local -a want got
    mapfile -t want <"$1"; mapfile -t got <"$2"
    local -A memo=()
    match_from() {  # want index, got index
        local key="$1,$2" i=$1 j=$2 k
        [ -n "${memo[$key]:-}" ] && return "${memo[$key]}"
        local result=1
        if [ "$i" -eq ${#want[@]} ]; then
            [ "$j" -eq ${#got[@]} ] && result=0
        elif [ "${want[$i]}" = "..." ]; then
            for ((k = j; k <= ${#got[@]}; k++)); do match_from $((i + 1)) "$k" && { result=0; break; }; done
        elif [ "$j" -lt ${#got[@]} ] && [ "${want[$i]}" = "${got[$j]}" ]; then
            match_from $((i + 1)) $((j + 1)) && result=0
        fi
        memo[$key]=$result
        return $result
    }
    match_from 0 0
}

# A transcript: one script runs every command, each one's output and status to files of its own.
run_console() {  # block file, where (for messages)
    local block=$1 where=$2 n=0 command="" dir=$scratch/console
    rm -rf "$dir"; mkdir -p "$dir"
    local -a commands=()
    while IFS= read -r line || [ -n "$line" ]; do
        if [ -n "$command" ]; then
            command+=$'\n'"$line"
            [[ $line == *\\ ]] || { commands+=("$command"); command=""; }
        elif [[ $line == '$ '* ]]; then
            n=${#commands[@]}
            : >"$dir/want.$n"
            command=${line#\$ }
            [[ $line == *\\ ]] || { commands+=("$command"); command=""; }
        else
            [ ${#commands[@]} -gt 0 ] || { fail "$where: output before the first command"; return; }
            printf '%s\n' "$line" >>"$dir/want.$((${#commands[@]} - 1))"
        fi
    done <"$block"
    {
        for n in "${!commands[@]}"; do
            printf '{ %s\n} >%q 2>&1 </dev/null; status=$?; echo $status >%q; (exit $status)\n' \
                "${commands[$n]}" "$dir/got.$n" "$dir/status.$n"
        done
    } >"$dir/script"
    (cd "$work" && bash "$dir/script")
    for n in "${!commands[@]}"; do
        local status; status=$(cat "$dir/status.$n" 2>/dev/null || echo "not run")
        if ! matches "$dir/want.$n" "$dir/got.$n"; then
            fail "$where: \$ ${commands[$n]}" "$(diff -u --label expected --label printed "$dir/want.$n" "$dir/got.$n")"
        elif [ "$status" != 0 ] && [ "${commands[$((n + 1))]:-}" != 'echo $?' ]; then
            fail "$where: \$ ${commands[$n]}" "exit status $status, and the next command is not 'echo \$?'"
        fi
    done
}

run_sh() {  # block file, where
    local output
    output=$(cd "$work" && bash -eo pipefail "$1" 2>&1 </dev/null) || fail "$2: a command failed" "$output"
}

# GitHub's anchor of a heading: lower case, punctuation dropped, blanks to hyphens.
anchor() {
    local text=${1,,}
    text=$(sed -E 's/`//g; s/[^[:alnum:] _-]//g; s/ /-/g' <<<"$text")
    printf '%s' "$text"
}

check_links() {  # file
    local file=$1 base; base=$(dirname "$1")
    while IFS= read -r hit; do
        local line=${hit%%:*} target=${hit#*](}; target=${target%)}
        [[ $target == http://* || $target == https://* || $target == mailto:* ]] && continue
        local path=${target%%#*} fragment=""; [[ $target == *#* ]] && fragment=${target#*#}
        local linked=$file; [ -n "$path" ] && linked=$base/$path
        if [ ! -e "$linked" ]; then fail "$file:$line: the link $target names no file"; continue; fi
        if [ -n "$fragment" ]; then
            local found=""
            while IFS= read -r heading; do
                [ "$(anchor "${heading#* }")" = "$fragment" ] && { found=1; break; }
            done < <(grep -E '^#{1,6} ' "$linked")
            [ -n "$found" ] || fail "$file:$line: the link $target names no heading of $linked"
        fi
    done < <(grep -n -o -E '\]\([^)]+\)|src="[^"]+"' "$file" | sed -E 's/src="([^"]*)"/](\1)/')
}

for file in "$@"; do
    work=$scratch/work; rm -rf "$work"; cp -r "$samples" "$work"
    mkdir -p "$work/.home"; export HOME=$work/.home XDG_CONFIG_HOME=$work/.home/.config
    check_links "$file"
    in_block="" number=0 first_block=yes
    while IFS= read -r line || [ -n "$line" ]; do
        number=$((number + 1))
        if [ -z "$in_block" ] && [[ $line =~ ^\`\`\`([a-z]*)(\ (.*))?$ ]]; then
            language=${BASH_REMATCH[1]} mark=${BASH_REMATCH[3]} start=$number
            in_block=yes; : >"$scratch/block"
        elif [ -n "$in_block" ] && [ "$line" = '```' ]; then
            in_block=""
            where="$file:$start"
            if [ "$first_block" = yes ] && [ "$(basename "$file")" = README.md ]; then
                first_block=""
                [ "$(sed 's/ *#.*//' "$scratch/block")" = $'make run\nmake test' ] && continue
                fail "$where: the README's first commands are not 'make run' and 'make test'"
            fi
            first_block=""
            case "$language" in sh|console|bash|shell) ;; *) continue ;; esac
            case "$mark" in
                example) blocks=$((blocks + 1))
                         if [ "$language" = console ]; then run_console "$scratch/block" "$where"
                         else run_sh "$scratch/block" "$where"; fi ;;
                not-run) ;;
                *) fail "$where: a $language block is marked neither 'example' nor 'not-run'" ;;
            esac
        elif [ -n "$in_block" ]; then
            printf '%s\n' "$line" >>"$scratch/block"
        fi
    done <"$file"
done
echo "$blocks example blocks run, $failures failures"
[ "$failures" -eq 0 ]
