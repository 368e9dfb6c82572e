#!/usr/bin/env bash
# Whole-process time of `tralyx-lrc export` of a full-size German folder against a full-size English
# one (32,767 core.lrc records, 255 messages, 32,767 procedural texts each, with line breaks and
# characters beyond ASCII) to PO and to XLIFF, against `tralyx-lrc check` of the same six files;
# and the import of that PO (dry run) against msgcat reading and rewriting it; the XLIFF export
# against xmllint reading that XLIFF. The largest resident size of each follows the times.
#   bench/export-vs-check.sh [BUILD_DIR]        (default: build; hyperfine if installed)
set -euo pipefail
build=${1:-build}
lrc=$build/cli/tralyx-lrc
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

python3 - "$work" <<'PY'
import os, random, sys
words = ["Größe", "Übersicht", "café", "…", "€ 5", "a\u00a0b", "„Zitat“", "[#!name!#]", "&Datei", "file", "end. "]
def text(r, breaks=True):
    s = r.choice(words)
    for _ in range(r.randrange(6)):
        s += (" \r\n" if breaks and r.random() < 0.1 else " ") + r.choice(words)
    return s
for language, seed in (("English", 1), ("German", 2)):
    r = random.Random(seed)
    folder = os.path.join(sys.argv[1], "Languages", language)
    os.makedirs(folder)
    with open(os.path.join(folder, "core.lrc"), "wb") as f:
        for i in range(32767):
            path = "frmForm%d.%s%d.0" % (i // 250, ("cmd", "lbl", "mnu", "txt", "[Cap")[i % 5], i % 250 // 5)
            for tag in "TC":
                f.write(("\r".join("%s.%s:%s" % (path, tag, line) for line in text(r).split("\r\n")) + "\r\n").encode("cp1252"))
    with open(os.path.join(folder, "messages.lrc"), "wb") as f:
        for i in range(255):
            f.write(("\r".join("MSG%03d:%s" % (i + 1, l) for l in text(r).split("\r\n")) + "\r\nMST%03d:%s\r\n" % (i + 1, text(r, False))).encode("cp1252"))
    with open(os.path.join(folder, "secondary.lrc"), "wb") as f:
        for i in range(32767):
            f.write(("\r".join("TXT%03d:%s" % ((i + 1) % 1000, l) for l in text(r).split("\r\n")) + "\r\n").encode("cp1252"))
PY
en=$work/Languages/English de=$work/Languages/German
"$lrc" check "$en"/*.lrc "$de"/*.lrc
"$lrc" export "$de" "$work/de.po"
"$lrc" export "$de" "$work/de.xlf"
ls -l "$en" "$de" "$work/de.po" "$work/de.xlf" | awk 'NF > 5 { print $5, $NF }'

commands=("$lrc check $en/core.lrc $en/messages.lrc $en/secondary.lrc $de/core.lrc $de/messages.lrc $de/secondary.lrc"
          "$lrc export --force $de $work/de.po"
          "$lrc export --force $de $work/de.xlf"
          "$lrc import --dry-run $work/de.po $de"
          "msgcat $work/de.po -o /dev/null"
          "xmllint --noout $work/de.xlf")
if command -v hyperfine >/dev/null; then
  hyperfine -N --warmup 1 --runs "${RUNS:-10}" --style basic --output null "${commands[@]}"
fi
for c in "${commands[@]}"; do /usr/bin/time -f "%e s elapsed, %M KB max: $c" $c >/dev/null; done
