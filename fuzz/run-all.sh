#!/usr/bin/env bash
# Runs every libFuzzer target of a TRALYX_FUZZ build for SECONDS seconds each, one after the other,
# and prints executions, executions per second and coverage per target.
#   fuzz/run-all.sh BUILD_DIR [SECONDS] [TARGET...]
# Each target starts from its seed corpus (fuzz/corpus/<target>) and the inputs of past findings
# (fuzz/regressions/<target>) and grows a working corpus under BUILD_DIR/fuzz/work/<target>.
# Logs: BUILD_DIR/fuzz/logs/<target>.log (or $FUZZ_LOG_DIR); a finding is kept as
# BUILD_DIR/fuzz/findings/<target>-crash-<hash>; replay it with BUILD_DIR/fuzz/<target> FILE.
# Extra libFuzzer options may be given in $FUZZ_OPTIONS (for example -runs=10000000).
set -uo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="${1:?usage: $0 BUILD_DIR [SECONDS] [TARGET...]}"
seconds="${2:-60}"
shift $(( $# >= 2 ? 2 : 1 ))
logs="${FUZZ_LOG_DIR:-$build/fuzz/logs}"
mkdir -p "$logs" "$build/fuzz/findings"

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for exe in "$build"/fuzz/fuzz_*; do
    [ -f "$exe" ] && [ -x "$exe" ] && targets+=("$(basename "$exe")")
  done
fi
[ ${#targets[@]} -gt 0 ] || { echo "no fuzz targets in $build/fuzz (build with -DTRALYX_FUZZ=ON)"; exit 2; }

# No allocation stacks (a report still shows where the bad access happened), a quarantine of 1 MB
# and no filling of new blocks: most of a target's time otherwise goes to recording stacks, to
# recycling the quarantine and to page faults on fresh memory. An input's own allocations fit the
# small quarantine, so a use after free within one input is still caught. Replay a finding without
# these options to see the full stacks.
export ASAN_OPTIONS="${ASAN_OPTIONS:-malloc_context_size=0:quarantine_size_mb=1:max_malloc_fill_size=0}"

failed=0
printf '%-30s %12s %9s %7s %7s %s\n' target executions exec/s cov ft result
for t in "${targets[@]}"; do
  work="$build/fuzz/work/$t"
  mkdir -p "$work"
  seeds=("$here/corpus/$t")
  [ -d "$here/regressions/$t" ] && seeds+=("$here/regressions/$t")
  log="$logs/$t.log"
  # shellcheck disable=SC2086
  "$build/fuzz/$t" "$work" "${seeds[@]}" -dict="$here/lrc.dict" -max_total_time="$seconds" \
    -timeout=20 -rss_limit_mb=2560 -max_len=8192 -print_final_stats=1 \
    -artifact_prefix="$build/fuzz/findings/$t-" ${FUZZ_OPTIONS:-} >"$log" 2>&1
  rc=$?
  execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
  cov=$(grep -o 'cov: [0-9]*' "$log" | tail -1 | cut -d' ' -f2)
  ft=$(grep -o 'ft: [0-9]*' "$log" | tail -1 | cut -d' ' -f2)
  if [ $rc -eq 0 ]; then result=ok; else result="FINDING (exit $rc, see $log)"; failed=1; fi
  printf '%-30s %12s %9s %7s %7s %s\n' "$t" "${execs:-?}" "${rate:-?}" "${cov:-?}" "${ft:-?}" "$result"
done
exit $failed
