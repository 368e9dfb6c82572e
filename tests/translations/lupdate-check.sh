#!/usr/bin/env bash
# lupdate-check.sh LUPDATE SOURCE_DIR CORE_TESTS: lupdate over SOURCE_DIR/src and SOURCE_DIR/cli
# into a copy of the .ts files, then the translations test over the copy. A text that the sources translate but the
# .ts lacks arrives there unfinished, a text no longer in the sources vanished: both fail. lupdate
# warns where it cannot tell a text's context (a tr() in a class without Q_OBJECT); the program
# would never find that translation, so a warning fails too.
set -euo pipefail
lupdate=$1 source=$2 tests=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$source"/translations/*.ts "$work"/
cd "$source"
"$lupdate" -locations none -extensions cpp,h src cli -ts "$work"/*.ts >"$work/out.txt" 2>&1 || { cat "$work/out.txt"; exit 1; }
if grep -v -E "^(Scanning directory|Updating|    Found [0-9]+ source text|    Kept [0-9]+ obsolete|    Same-text heuristic)" "$work/out.txt"; then
  echo "lupdate warned (above)"
  exit 1
fi
TRALYX_TRANSLATIONS=$work exec "$tests" --gtest_filter='Translations.*'
