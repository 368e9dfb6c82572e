#!/usr/bin/env bash
# Whether shared libraries export nothing but the API of the public headers: every dynamic symbol
# they define must be in namespace tralyx, each class it names (its own class, the class of its type
# info or vtable) must be defined in a public header, and a function's name must be declared there.
# A forward declaration does not make a class public; comments are not read.
#   tools/check-exports.sh INCLUDE_DIR LIBRARY.so...     (INCLUDE_DIR: the installed include/tralyx)
set -euo pipefail
include=$1
shift
headers=$(find "$include" -name '*.h' -exec cat {} + | sed 's://.*$::')
# The classes the headers define (and the namespaces they open), and every name they declare as a
# function (a call in an inline body counts too: loose, but an internal's name is in no public
# header at all).
classes=$(grep -oE '\b(class|struct)[[:space:]]+[A-Za-z_][A-Za-z0-9_]*([[:space:]]+final)?[[:space:]]*[:{]' <<<"$headers" |
          awk '{print $2}'; grep -oE '\bnamespace[[:space:]]+[A-Za-z_:]+[[:space:]]*\{' <<<"$headers" |
          awk '{print $2}' | tr ':' '\n' | grep .)
classes=$(sort -u <<<"$classes")
functions=$(grep -oE '~?\b[A-Za-z_][A-Za-z0-9_]*[[:space:]]*\(' <<<"$headers" | tr -d ' (' | sort -u)
# What moc adds to a public class: its meta-object.
functions+=$'\nmetaObject\nqt_metacall\nqt_metacast\nstaticMetaObject\nqt_static_metacall'
status=0
for library in "$@"; do
  while IFS= read -r symbol; do
    # "tralyx::A::B::name(args) const" or "typeinfo for tralyx::A::B": the scope and the last name.
    kind=function
    case $symbol in
      "typeinfo for "* | "typeinfo name for "* | "vtable for "*) kind=class; symbol=${symbol#* for } ;;
    esac
    name=$(sed -E 's/\[abi:[a-z0-9]+\]//g; s/\(.*$//' <<<"$symbol")
    if [[ $name != tralyx::* ]]; then
      echo "check-exports: ${library##*/} exports $symbol, outside namespace tralyx" >&2; status=1; continue
    fi
    IFS=':' read -r -a parts <<<"${name//::/:}"
    parts=("${parts[@]:1}")
    if [ $kind = function ]; then
      last=${parts[-1]}
      unset 'parts[-1]'
      # A destructor is its class's; an operator is its class's (declared as "operator=(").
      [[ $last == ~* || $last == operator* ]] || grep -qxF -- "$last" <<<"$functions" ||
        { echo "check-exports: ${library##*/} exports $symbol, which no public header declares" >&2; status=1; continue; }
    fi
    for class in "${parts[@]}"; do
      grep -qxF -- "$class" <<<"$classes" ||
        { echo "check-exports: ${library##*/} exports $symbol of $class, a class no public header defines" >&2; status=1; }
    done
  done < <(nm -D --defined-only -C "$library" | awk '$2 != "A" { $1 = ""; $2 = ""; sub(/^ +/, ""); print }' | sed 's/@@\?[A-Za-z0-9_.]*$//')
done
exit $status
