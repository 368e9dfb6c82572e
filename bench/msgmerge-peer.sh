#!/usr/bin/env bash
# The peer of the update merge: GNU msgmerge --no-fuzzy-matching on two catalogues of 32,767
# entries, shaped like bench/MergeBench.cpp's control text (a context per form, control and index;
# the new release renames every 10th control and moves every 7th to a new index). With the path of
# tralyx-lrc as argument, `tralyx-lrc update --force` on the same entries as core.lrc files is timed
# the same way, for a like-for-like figure.
#
#   bench/msgmerge-peer.sh [build/cli/tralyx-lrc]
set -euo pipefail
command -v msgmerge >/dev/null || { echo "msgmerge not found (apt-get install gettext)" >&2; exit 1; }
tralyx_lrc=${1:-}
entries=32767
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/old" "$work/new" "$work/dest"

# One awk program writes both shapes of both releases.
awk -v n="$entries" -v dir="$work" '
function key(i, new,   control, idx) {
  control = "cmdControl" (i % 150); idx = int(i / 150) % 4
  if (new && i % 10 == 3) control = control "New"
  if (new && i % 7 == 5) idx += 4
  return "frmForm" int(i / 600) "." control "." idx
}
BEGIN {
  header = "msgid \"\"\nmsgstr \"\"\n\"Content-Type: text/plain; charset=UTF-8\\n\"\n\n"
  printf "%s", header > (dir "/old.po"); printf "%s", header > (dir "/new.pot")
  for (i = 0; i < n; i++) {
    printf "msgctxt \"%s\"\nmsgid \"Caption %d\"\nmsgstr \"Old caption %d\"\n\n", key(i, 0), i, i > (dir "/old.po")
    printf "msgctxt \"%s\"\nmsgid \"Caption %d\"\nmsgstr \"\"\n\n", key(i, 1), i > (dir "/new.pot")
    printf "%s.T:Tool-tip of entry %d\r\n%s.C:Old caption %d\r\n", key(i, 0), i, key(i, 0), i > (dir "/old/core.lrc")
    printf "%s.T:Tool-tip of entry %d\r\n%s.C:New caption %d\r\n", key(i, 1), i, key(i, 1), i > (dir "/new/core.lrc")
  }
}'
for side in old new; do
  printf 'MSG001:Message\r\nMST001:Title\r\n' > "$work/$side/messages.lrc"
  printf 'TXT001:Text\r\n' > "$work/$side/secondary.lrc"
done
echo "catalogues: $(grep -c '^msgctxt' "$work/old.po") and $(grep -c '^msgctxt' "$work/new.pot") entries"

commands=("msgmerge --no-fuzzy-matching --quiet -o $work/out.po $work/old.po $work/new.pot")
[ -n "$tralyx_lrc" ] && commands+=("$tralyx_lrc update $work/old $work/new $work/dest --force")
if command -v hyperfine >/dev/null; then
  hyperfine --warmup 1 --runs 5 --style basic --output null "${commands[@]}"
else
  for c in "${commands[@]}"; do /usr/bin/time -f "%e s elapsed, %M KB max: $c" $c >/dev/null; done
fi
