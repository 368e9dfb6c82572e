#!/usr/bin/env bash
# The merge driver on a full-size language folder (32,767 core records, 255 messages, 32,767
# procedural texts) against Git's own line merge (`git merge-file`) of the same three versions.
# Ours translates every 10th caption and every 7th text; theirs every 10th tool-tip (the line above
# each caption), every 7th text three further on, inserts a text near the start (every later text
# renumbered, the last one removed) and changes one text that ours changed too: one real conflict.
#   bench/merge-driver.sh [BUILD_DIR]        (default: build; uses hyperfine when it is there)
set -euo pipefail
build=${1:-build}
lrc=$(realpath "$build/cli/tralyx-lrc")
[ -x "$lrc" ] || { echo "$0: $lrc is missing (cmake --build $build --target tralyx-lrc)" >&2; exit 2; }
dir=$(mktemp -d)
mkdir -p "$dir/m/German"
[ -n "${KEEP:-}" ] && echo "files in $dir" || trap 'rm -rf "$dir"' EXIT
cd "$dir"
awk '
function key(i) { return "frmForm" int(i / 600) ".cmdControl" (i % 150) "." (int(i / 150) % 4) }
function num(i) { return sprintf("%03d", (i + 1) % 1000) }
BEGIN {
  for (i = 0; i < 32767; i++) {
    printf "%s.T:Tool-tip %d\r\n%s.C:&Caption %d\r\n", key(i), i, key(i), i > "base.core.lrc"
    printf "%s.T:Tool-tip %d\r\n%s.C:&%s %d\r\n", key(i), i, key(i), (i % 10 ? "Caption" : "Beschriftung"), i > "ours.core.lrc"
    printf "%s.T:%s %d\r\n%s.C:&Caption %d\r\n", key(i), (i % 10 ? "Tool-tip" : "Hinweis"), i, key(i), i > "theirs.core.lrc"
    printf "TXT%s:Text %d\r\n", num(i), i > "base.secondary.lrc"
    printf "TXT%s:%s %d\r\n", num(i), (i % 7 ? "Text" : "Satz"), i > "ours.secondary.lrc"
  }
  printf "TXT001:Text 0\r\nTXT002:Neu\r\n" > "theirs.secondary.lrc"
  for (i = 1; i < 32766; i++)
    printf "TXT%s:%s %d\r\n", num(i + 1), (i == 7 ? "Zeile" : (i + 3) % 7 ? "Text" : "Satz"), i > "theirs.secondary.lrc"
  for (i = 1; i <= 255; i++) {
    printf "MSG%03d:Message %d\r\nMST%03d:Title %d\r\n", i, i, i, i > "base.messages.lrc"
    printf "MSG%03d:%s %d\r\nMST%03d:Title %d\r\n", i, (i % 2 ? "Message" : "Meldung"), i, i, i > "ours.messages.lrc"
    printf "MSG%03d:Message %d\r\nMST%03d:%s %d\r\n", i, i, i, (i % 2 ? "Titel" : "Title"), i > "theirs.messages.lrc"
  }
}'
merge() {  # FILE: the driver on copies, as Git gives it
  mkdir -p "m/$1" m/German; cp "ours.$1" "m/$1/ours"
  (cd m && "$lrc" merge-file "../base.$1" "$1/ours" "../theirs.$1" "German/$1" 2>/dev/null) || true
}
for f in core.lrc messages.lrc secondary.lrc; do
  merge "$f"
  echo "$f: $(git merge-file -p "ours.$f" "base.$f" "theirs.$f" 2>/dev/null | grep -c '^<<<<<<<' || true) conflicts of git merge-file;" \
       "tralyx-lrc: $(grep -c '"id"' m/German/translation-candidates.json 2>/dev/null || echo 0) candidates so far"
  rm -f m/German/translation-candidates.json
done
runs=${RUNS:-10}
if command -v hyperfine >/dev/null; then
  for f in core.lrc secondary.lrc; do
    hyperfine -N --warmup 2 --runs "$runs" --output null \
      "bash -c 'cp ours.$f o && cd m && $lrc merge-file ../base.$f ../o ../theirs.$f German/$f; true'" \
      "bash -c 'cp ours.$f o && git merge-file o base.$f theirs.$f; true'"
  done
fi
