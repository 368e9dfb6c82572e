#!/usr/bin/env bash
# The man pages are made from the programs' --help; the docs are written by hand. This holds them
# together:
#   reference-vs-man.sh tralyx-lrc.1 doc/tralyx-lrc.md   every command of the page is a "## COMMAND"
#       section of the reference naming each of that command's options, every command section of
#       the reference is one of the page's, and every option the reference names is the program's
#   reference-vs-man.sh --options-only tralyx.1 doc/translator.md   the page's options are named
set -u
both_ways=yes
[ "$1" = "--options-only" ] && { both_ways=""; shift; }
man=$1 reference=$2
failures=0
fail() { failures=$((failures + 1)); printf 'FAIL %s\n' "$1"; }
options_in() { grep -o -E -- '(^|[^a-z-])--[a-z][a-z-]*' | grep -o -E -- '--[a-z-]+' | sort -u; }
man_text=$(sed 's/\\-/-/g; s/\\e/\\/g' "$man")
man_section() { awk -v c="$1" '/^\.S[SH] /{on = ($1 == ".SS" && $2 == c); next} on' <<<"$man_text"; }
reference_section() { awk -v c="$1" '/^## /{on = ($2 == c); next} /^# /{on = 0} on' "$reference"; }

for option in $(options_in <<<"$man_text"); do
    grep -q -F -e "$option" "$reference" || fail "$reference does not name $option of $man"
done
if [ -n "$both_ways" ]; then
    page_commands=$(awk '$1 == ".SS" {print $2}' <<<"$man_text" | sort)
    doc_commands=$(awk '/^## [a-z-]+$/ || /^## [a-z-]+ / {print $2}' "$reference" | sort)
    [ "$page_commands" = "$doc_commands" ] ||
        fail "the commands of $man ($(echo $page_commands)) are not the sections of $reference ($(echo $doc_commands))"
    for command in $page_commands; do
        for option in $(man_section "$command" | options_in); do
            reference_section "$command" | grep -q -F -e "$option" ||
                fail "the section $command of $reference does not name its option $option"
        done
    done
    for option in $(options_in <"$reference"); do
        grep -q -x -F -e "$option" <(options_in <<<"$man_text") || fail "$reference names $option, which $man lacks"
    done
fi
echo "$man against $reference: $failures failures"
[ "$failures" -eq 0 ]
