#!/usr/bin/env bash
# tm suggest against a memory of 1,000,000 units: a TMX of the shape `tm export` writes (en to de,
# ids of the three language files), its texts short user-interface texts of 1 to 7 words drawn
# with the skew of real text from the installed Hunspell dictionaries (the German word of the
# same rank where the English has its word), some with an access key, a marker or "...". Three
# texts are looked up: one the memory has, one with a word changed, one it has nothing like.
# xmllint --noout reads the same file for reference.
#   bench/tm-suggest.sh [BUILD_DIR]        (default: build; UNITS=1000000; uses hyperfine when it is there)
set -euo pipefail
build=${1:-build}
lrc=$build/cli/tralyx-lrc
[ -x "$lrc" ] || { echo "$0: $lrc is missing (cmake --build $build --target tralyx-lrc)" >&2; exit 2; }
units=${UNITS:-1000000}
dir=$(mktemp -d)
[ -n "${KEEP:-}" ] && echo "files in $dir" || trap 'rm -rf "$dir"' EXIT
tmx=$dir/memory.tmx

LC_ALL=C awk -v units="$units" -v out="$tmx" '
function words(file, list, first, pattern,   n, line, w) {
  n = first
  while ((getline line < file) > 0) {
    split(line, w, "/")
    if (w[1] ~ pattern && length(w[1]) >= 3 && ++seen[file] % 7 == 0) list[++n] = w[1]
  }
  return n
}
function pick(   r, lo, hi, mid) {
  r = rand() * cum[count]; lo = 1; hi = count
  while (lo < hi) { mid = int((lo + hi) / 2); if (cum[mid] < r) lo = mid + 1; else hi = mid }
  return lo
}
function xml(s) { gsub(/&/, "\\&amp;", s); gsub(/</, "\\&lt;", s); gsub(/>/, "\\&gt;", s); return s }
BEGIN {
  srand(20261208)
  # The commonest words of a user interface first, then the dictionaries'"'"' words.
  n = split("the file of to a is not and in for this the be could cannot select all new open save " \
            "close edit view help name folder settings text delete print find next options window " \
            "copy paste cut undo tools format insert error changes value list", en, " ")
  split("die Datei von zu ein ist nicht und in für diese der sein konnte kann wählen alle neu öffnen speichern " \
        "schließen bearbeiten Ansicht Hilfe Name Ordner Einstellungen Text löschen drucken suchen weiter Optionen Fenster " \
        "kopieren einfügen ausschneiden rückgängig Extras Format einfügen Fehler Änderungen Wert Liste", de, " ")
  ne = words("/usr/share/hunspell/en_US.dic", en, n, "^[a-z]+$"); nd = words("/usr/share/hunspell/de_DE.dic", de, n, "^[A-Za-z\300-\377]+$")
  count = ne < nd ? ne : nd
  for (i = 1; i <= count; i++) cum[i] = cum[i - 1] + 1 / i
  printf "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE tmx SYSTEM \"tmx14.dtd\">\n<tmx version=\"1.4\">\n" > out
  printf "  <header creationtool=\"Tralyx\" creationtoolversion=\"1.0.0\" segtype=\"block\" o-tmf=\"Tralyx\" adminlang=\"en\" srclang=\"en\" datatype=\"plaintext\"/>\n  <body>\n" > out
  for (u = 0; u < units; u++) {
    n = 1 + int(rand() * rand() * 7); s = ""; t = ""
    for (w = 0; w < n; w++) { k = pick(); s = s (w ? " " : "") en[k]; t = t (w ? " " : "") de[k] }
    s = toupper(substr(s, 1, 1)) substr(s, 2); t = toupper(substr(t, 1, 1)) substr(t, 2)
    r = rand()
    if (r < 0.3) { s = "&" s; t = "&" t }
    else if (r < 0.4) { s = s " [#!name!#]"; t = t " [#!name!#]" }
    else if (r < 0.5) { s = s "..."; t = t "..." }
    if (u % 3 == 0) id = sprintf("core.lrc:frmForm%d.cmdControl%d.0.%s", int(u / 1200), int(u / 2) % 600, u % 2 ? "T" : "C")
    else if (u % 3 == 1) id = sprintf("messages.lrc:MSG%06d", u)
    else id = sprintf("secondary.lrc:TXT%06d", u)
    printf "    <tu tuid=\"%s\">\n      <tuv xml:lang=\"en\">\n        <seg>%s</seg>\n      </tuv>\n      <tuv xml:lang=\"de\">\n        <seg>%s</seg>\n      </tuv>\n    </tu>\n", id, xml(s), xml(t) > out
    if (u >= int(units / 2) && n >= 3 && !has++) { print s > (out ".has"); print s " now" > (out ".near") }
  }
  printf "  </body>\n</tmx>\n" > out
}'
has=$(cat "$tmx.has"); near=$(cat "$tmx.near"); none="Zzyzx qwv plokt"
echo "$(du -m "$tmx" | cut -f1) MB, $units units; looking up: \"$has\", \"$near\", \"$none\""
suggest=("$lrc" tm suggest --memory "$tmx" "$has" "$near" "$none")
"${suggest[@]}"

runs=${RUNS:-5}
if command -v hyperfine >/dev/null; then
  hyperfine -N --warmup 1 --runs "$runs" --output null \
    -n "tm suggest" "$(printf '%q ' "${suggest[@]}")" -n "xmllint --noout" "xmllint --noout $tmx"
fi
/usr/bin/time -f "tm suggest: %e s wall, %U+%S s CPU, %M KB" "${suggest[@]}" >/dev/null
/usr/bin/time -f "xmllint --noout: %e s wall, %U+%S s CPU, %M KB" xmllint --noout "$tmx"
