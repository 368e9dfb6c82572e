#!/usr/bin/env bash
# Whole-process time of `tralyx-lrc check` on a 32,767-record, 9 MB core.lrc against `iconv`
# converting the same file, and the peak resident memory of the check.
#   bench/cli-vs-iconv.sh [BUILD_DIR]        (default: build; needs hyperfine and /usr/bin/time)
set -euo pipefail
build=${1:-build}
lrc=$build/cli/tralyx-lrc
for tool in hyperfine /usr/bin/time iconv; do
  command -v "$tool" >/dev/null || { echo "$0: $tool is missing (apt-get install hyperfine time)" >&2; exit 2; }
done
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT

"$build/bench/bench_StoreBench" --write-sample="$dir/core.lrc"
mkdir "$dir/empty" && : >"$dir/empty/core.lrc"
"$lrc" check "$dir/core.lrc"

hyperfine -N --warmup 3 --runs "${RUNS:-60}" --export-json "$dir/times.json" \
  "$lrc check $dir/core.lrc" \
  "iconv -f windows-1252 -t utf-8 $dir/core.lrc -o /dev/null"
# Single runs spread with whatever else the machine does: the medians say more than the means
# hyperfine compares.
python3 - "$dir/times.json" <<'PY'
import json, sys
check, iconv = (r["median"] * 1000 for r in json.load(open(sys.argv[1]))["results"])
print(f"medians: check {check:.1f} ms, iconv {iconv:.1f} ms, {check / iconv:.2f} x")
PY

peak() { /usr/bin/time -f %M "$@" 2>&1 >/dev/null | tail -1; }
full=$(peak "$lrc" check "$dir/core.lrc")
empty=$(peak "$lrc" check "$dir/empty/core.lrc")
size=$(stat -c %s "$dir/core.lrc")
echo "peak RSS of check: $full KiB on the 9 MB file, $empty KiB on an empty one;" \
     "difference $((full - empty)) KiB = $(awk "BEGIN { printf \"%.2f\", ($full - $empty) * 1024 / $size }") x the file size" \
     "(the table and, during the load, the file's bytes)"
