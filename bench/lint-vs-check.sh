#!/usr/bin/env bash
# Whole-process time of `tralyx-lrc lint` on two full-size language folders (32,767 core records,
# 255 messages and 32,767 procedural texts each) against `tralyx-lrc check` of the same six files:
# what the checks cost on top of loading; and against GNU `msgfmt --check` of the same entries
# (exported to PO, without the comments export adds), the peer that checks a translation's formats.
#   bench/lint-vs-check.sh [BUILD_DIR]        (default: build; uses hyperfine when it is there)
set -euo pipefail
build=${1:-build}
lrc=$build/cli/tralyx-lrc
[ -x "$lrc" ] || { echo "$0: $lrc is missing (cmake --build $build --target tralyx-lrc)" >&2; exit 2; }
dir=$(mktemp -d)
[ -n "${KEEP:-}" ] && echo "folders in $dir" || trap 'rm -rf "$dir"' EXIT
mkdir -p "$dir/English" "$dir/German"

# The translation keeps every access key and marker; every 50th text loses its ":" (a warning),
# so that lint has problems to print as well as entries to pair.
awk -v dir="$dir" '
function key(i) { return "frmForm" int(i / 600) ".cmdControl" (i % 150) "." (int(i / 150) % 4) }
BEGIN {
  for (i = 0; i < 32767; i++) {
    printf "%s.T:Tool-tip of entry %d\r\n%s.C:&Caption %d...\r\n", key(i), i, key(i), i > (dir "/English/core.lrc")
    printf "%s.T:Hinweis zu Eintrag %d\r\n%s.C:&Beschriftung %d...\r\n", key(i), i, key(i), i > (dir "/German/core.lrc")
    n = sprintf("%03d", (i + 1) % 1000)
    printf "TXT%s:Text %d of [#!name!#]:\r\n", n, i > (dir "/English/secondary.lrc")
    printf "TXT%s:Text %d von [#!name!#]%s\r\n", n, i, (i % 50 ? ":" : "") > (dir "/German/secondary.lrc")
  }
  for (i = 1; i <= 255; i++) {
    printf "MSG%03d:Message %d about [#!title!#]\r\nMST%03d:Title %d\r\n", i, i, i, i > (dir "/English/messages.lrc")
    printf "MSG%03d:Meldung %d zu [#!title!#]\r\nMST%03d:Titel %d\r\n", i, i, i, i > (dir "/German/messages.lrc")
  }
}'
files="$dir/English/core.lrc $dir/English/messages.lrc $dir/English/secondary.lrc $dir/German/core.lrc $dir/German/messages.lrc $dir/German/secondary.lrc"
"$lrc" check $files
"$lrc" lint "$dir/German" | tail -1
peer=""
if command -v msgfmt >/dev/null; then
  "$lrc" export "$dir/German" "$dir/all.po" >/dev/null
  grep -v '^#' "$dir/all.po" >"$dir/de.po"
  msgfmt --check -o /dev/null "$dir/de.po"
  peer="msgfmt --check -o /dev/null $dir/de.po"
fi

runs=${RUNS:-20}
if command -v hyperfine >/dev/null; then
  hyperfine -N --warmup 3 --runs "$runs" --output null --export-json "$dir/times.json" \
    "$lrc check $files" "$lrc lint $dir/German" ${peer:+"$peer"}
  # Medians, and CPU time (user + system), steadier than the wall clock on a loaded machine.
  python3 - "$dir/times.json" <<'PY'
import json, sys
r = json.load(open(sys.argv[1]))["results"]
cpu = [(x["user"] + x["system"]) * 1000 for x in r]  # hyperfine gives their means
wall = [x["median"] * 1000 for x in r]
line = f"medians: check {wall[0]:.1f} ms, lint {wall[1]:.1f} ms (lint / check {wall[1] / wall[0]:.2f} x)"
if len(r) > 2:
    line += f", msgfmt --check {wall[2]:.1f} ms: lint / msgfmt {wall[1] / wall[2]:.3f} x wall, {cpu[1] / cpu[2]:.3f} x CPU (means)"
print(line)
PY
  exit 0
fi
# Without hyperfine: the median wall time of each command, in milliseconds.
median_ms() {
  local times=() start end
  for _ in $(seq "$runs"); do
    start=$(date +%s%N); "$@" >/dev/null || true; end=$(date +%s%N)
    times+=($(( (end - start) / 1000 )))
  done
  printf '%s\n' "${times[@]}" | sort -n | awk '{ t[NR] = $1 } END { printf "%.1f", t[int((NR + 1) / 2)] / 1000 }'
}
"$lrc" lint "$dir/German" >/dev/null || true  # warm the cache
check=$(median_ms "$lrc" check $files)
lint=$(median_ms "$lrc" lint "$dir/German")
echo "check of the six files: $check ms; lint of the folder: $lint ms (median of $runs);" \
     "lint / check = $(awk "BEGIN { printf \"%.2f\", $lint / $check }")"
