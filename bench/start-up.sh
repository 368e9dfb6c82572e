#!/usr/bin/env bash
# What a process of tralyx-lrc costs before it does anything: `tralyx-lrc --version` against two
# programs that print a QString and exit, one linked with QtCore alone and one linked also with
# QtGui, enchant and libgettextpo as tralyx-lrc is. The difference is what loading those libraries
# (mapping them, relocating, looking their symbols up) adds to every command.
#   bench/start-up.sh [BUILD_DIR]        (default: build; needs hyperfine)
set -euo pipefail
build=${1:-build}
lrc=$build/cli/tralyx-lrc
[ -x "$lrc" ] || { echo "$0: $lrc is missing (cmake --build $build --target tralyx-lrc)" >&2; exit 2; }
command -v hyperfine >/dev/null || { echo "$0: hyperfine is missing (apt-get install hyperfine)" >&2; exit 2; }
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cat >"$dir/print.cpp" <<'CPP'
#include <QCoreApplication>
#include <cstdio>
int main(int argc, char** argv)
{
    QCoreApplication objApplication(argc, argv);
    std::printf("%s\n", qPrintable(QCoreApplication::applicationName()));
}
CPP
g++ -O2 -fPIC "$dir/print.cpp" -o "$dir/core-only" $(pkg-config --cflags --libs Qt6Core)
g++ -O2 -fPIC "$dir/print.cpp" -o "$dir/as-linked" $(pkg-config --cflags Qt6Core) \
  -Wl,--no-as-needed $(pkg-config --libs Qt6Gui Qt6Core enchant-2) -lgettextpo
for b in "$dir/core-only" "$dir/as-linked" "$lrc"; do echo "$(basename "$b"): $(ldd "$b" | wc -l) libraries"; done
hyperfine -N --warmup 5 --runs "${RUNS:-60}" --output null \
  -n "QtCore alone" "$dir/core-only" -n "QtCore, QtGui, enchant, libgettextpo" "$dir/as-linked" -n "tralyx-lrc --version" "$lrc --version"
