#!/usr/bin/env bash
# What measuring every caption in its font costs lint: a full-size core.lrc (32,767 records, 55 forms
# of 600 controls) linted against an English folder without a layout and against the same folder
# with a layout.json that records every control (a 140-pixel button in Liberation Sans 9).
#   bench/lint-fits.sh [BUILD_DIR]        (default: build; uses hyperfine when it is there)
set -euo pipefail
build=${1:-build}
lrc=$build/cli/tralyx-lrc
[ -x "$lrc" ] || { echo "$0: $lrc is missing (cmake --build $build --target tralyx-lrc)" >&2; exit 2; }
dir=$(mktemp -d)
[ -n "${KEEP:-}" ] && echo "folders in $dir" || trap 'rm -rf "$dir"' EXIT
mkdir -p "$dir/Plain/English" "$dir/Plain/German" "$dir/Laid/English"

# Every 7th German caption is too long for its button, so that lint has warnings to print.
awk -v dir="$dir" '
BEGIN {
  printf "{\n  \"format\": \"tralyx-layout 1\",\n  \"forms\": [" > (dir "/Laid/English/layout.json")
  for (i = 0; i < 32767; i++) {
    form = "frmForm" int(i / 600); control = "cmdControl" (i % 600)
    printf "%s.%s.0.T:Tool-tip %d\r\n%s.%s.0.C:&Caption %d\r\n", form, control, i, form, control, i > (dir "/Plain/English/core.lrc")
    printf "%s.%s.0.T:Hinweis %d\r\n%s.%s.0.C:&Beschriftung %d%s\r\n", form, control, i, form, control, i, (i % 7 ? "" : " mit mehr Text") > (dir "/Plain/German/core.lrc")
    if (i % 600 == 0)
      printf "%s\n    {\"dpi\":96,\"form\":\"%s\",\"height\":600,\"width\":800, \"controls\": [", (i ? "\n    ]}," : ""), form > (dir "/Laid/English/layout.json")
    printf "%s\n      {\"entry\":\"%s.0\",\"font\":{\"family\":\"Liberation Sans\",\"size\":9,\"weight\":400},\"height\":23,\"kind\":\"button\",\"room\":[128,23],\"width\":140,\"x\":10,\"y\":10}", (i % 600 ? "," : ""), control > (dir "/Laid/English/layout.json")
  }
  printf "\n    ]}\n  ]\n}\n" > (dir "/Laid/English/layout.json")
}'
cp "$dir/Plain/English/core.lrc" "$dir/Laid/English/"
for f in messages secondary; do : > "$dir/Plain/English/$f.lrc"; : > "$dir/Plain/German/$f.lrc"; cp "$dir/Plain/English/$f.lrc" "$dir/Laid/English/"; done
plain=("$lrc" lint --source "$dir/Plain/English" "$dir/Plain/German")
laid=("$lrc" lint --source "$dir/Laid/English" "$dir/Plain/German")
"${plain[@]}" | tail -1 || true
"${laid[@]}" | tail -1 || true

runs=${RUNS:-10}
if command -v hyperfine >/dev/null; then
  hyperfine -N -i --warmup 2 --runs "$runs" --output null "${plain[*]}" "${laid[*]}"
  exit 0
fi
for cmd in plain laid; do
  declare -n args=$cmd
  /usr/bin/time -f "$cmd: %e s wall, %U+%S s CPU, %M KB" "${args[@]}" >/dev/null || true
done
