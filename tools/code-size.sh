#!/usr/bin/env bash
# The test suite's size against the program's: non-blank lines of the .cpp and .h files that git
# tracks under tests/ against those under src/, cli/ and examples/ (fuzz targets and benchmarks
# count as neither). Exits with 1 when the tests pass the rule, at most 0.40 of the program.
#   tools/code-size.sh
set -euo pipefail
cd "$(dirname "$0")/.."
count() { git ls-files -z -- "$@" | grep -zE '\.(cpp|cc|h|hpp)$' | xargs -0r cat | grep -cv '^[[:space:]]*$' || true; }
tests=$(count tests) program=$(count src cli examples)
awk -v t="$tests" -v p="$program" 'BEGIN {
    printf "%d test lines to %d program lines (%.2f); the rule is at most 0.40\n", t, p, t / p
    exit t > 0.40 * p
}'
