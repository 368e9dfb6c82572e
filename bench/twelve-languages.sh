#!/usr/bin/env bash
# A release of one application in 12 languages, each step one command: the update of every
# language folder against the old English (update ROOT), the lint of every one (lint ROOT), and the
# check of all their files (check FILE...). Full-size folders (32,767 core records, 255 messages,
# 32,767 procedural texts; the lint-vs-check.sh German, copied 12 times); the new English changes
# every tenth caption. Whole-process times, hyperfine when it is there.
#   bench/twelve-languages.sh [BUILD_DIR]        (default: build)
set -euo pipefail
build=${1:-build}
lrc=$build/cli/tralyx-lrc
[ -x "$lrc" ] || { echo "$0: $lrc is missing (cmake --build $build --target tralyx-lrc)" >&2; exit 2; }
here=$(cd "$(dirname "$0")" && pwd)
dir=$(mktemp -d)
[ -n "${KEEP:-}" ] && echo "folders in $dir" || trap 'rm -rf "$dir"' EXIT
KEEP=1 RUNS=1 "$here/lint-vs-check.sh" "$build" > "$dir/made.txt" 2>&1 || true
made=$(sed -n 's/^folders in //p' "$dir/made.txt")
[ -d "$made/German" ] || { cat "$dir/made.txt" >&2; exit 1; }
mkdir -p "$dir/Old" "$dir/New"
mv "$made/English" "$dir/Old/English"
for l in Bulgarian Czech Danish Dutch Finnish French German Greek Italian Polish Portuguese Spanish; do
  cp -r "$made/German" "$dir/Old/$l"
done
rm -rf "$made"
mkdir -p "$dir/New/English"
awk 'NR % 20 == 0 { sub(/Caption/, "Title") } { print }' "$dir/Old/English/core.lrc" > "$dir/New/English/core.lrc"
cp "$dir/Old/English/messages.lrc" "$dir/Old/English/secondary.lrc" "$dir/New/English/"

update=("$lrc" update --force "$dir/Old" "$dir/New/English" "$dir/New")
"${update[@]}" > /dev/null
lint=("$lrc" lint --source "$dir/New/English" "$dir/New")
check=("$lrc" check "$dir"/New/*/*.lrc)
"${lint[@]}" | tail -1 || true
runs=${RUNS:-5}
if command -v hyperfine >/dev/null; then
  hyperfine -N -i --warmup 1 --runs "$runs" --output null "${update[*]}" "${lint[*]}" "${check[*]}"
else
  for cmd in update lint check; do
    declare -n args=$cmd
    /usr/bin/time -f "$cmd: %e s wall, %U+%S s CPU, %M KB" "${args[@]}" >/dev/null || true
  done
fi
