#!/usr/bin/env bash
# What translating costs a whole application start, Translation against QTranslator, measured in one
# run: the benchmark's application (a 500-control form in a grid layout, offscreen) started without
# a language, with tralyx::Translation (load the German folder with its English fallback, apply it;
# once from the text files, once from the compiled language) and with QTranslator
# (load the .qm, install it, setText(tr(...)) each control), on the same texts (bench_TranslationBench
# --sample). The overhead of each is its start's time less the start without a language.
#
#   bench/translation-vs-qtranslator.sh [build/bench/bench_TranslationBench]
set -euo pipefail
bench=${1:-build/bench/bench_TranslationBench}
command -v hyperfine >/dev/null || { echo "hyperfine not found (apt-get install hyperfine)" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen
"$bench" --sample="$work" 2>/dev/null
for mode in none tralyx compiled qtranslator; do "$bench" --app=$mode "$work" 2>/dev/null || { echo "--app=$mode failed" >&2; exit 1; }; done
hyperfine --warmup 3 --runs 40 --style basic --export-json "$work/runs.json" -N \
  "$bench --app=none $work" "$bench --app=tralyx $work" "$bench --app=compiled $work" "$bench --app=qtranslator $work" 2>/dev/null | grep -v '^ *$'
# Medians of the wall times and means of the CPU times (user + system: on a shared machine the
# steadier of the two), and each overhead against the start without a language.
python3 - "$work/runs.json" <<'PY'
import json, sys
runs = {r["command"].split("--app=")[1].split()[0]: r for r in json.load(open(sys.argv[1]))["results"]}
for label, of in (("wall, medians", lambda r: r["median"]), ("CPU, means", lambda r: r["user"] + r["system"])):
    ms = {m: of(r) * 1000 for m, r in runs.items()}
    tralyx, compiled, qt = ms["tralyx"] - ms["none"], ms["compiled"] - ms["none"], ms["qtranslator"] - ms["none"]
    print(f"{label}: none {ms['none']:.1f} ms, text files {ms['tralyx']:.1f} ms, compiled {ms['compiled']:.1f} ms, "
          f"qtranslator {ms['qtranslator']:.1f} ms; overhead of the text files {tralyx:.1f} ms, compiled {compiled:.1f} ms, "
          f"QTranslator {qt:.1f} ms")
PY
