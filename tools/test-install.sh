#!/usr/bin/env bash
# What an application developer and a translator get from a build: installs it to a temporary
# prefix and checks the files there, the programs' --version and the man pages; builds the
# application in examples/consumer against that prefix with nothing but -DCMAKE_PREFIX_PATH and runs
# it offscreen; then builds the two .deb files and checks what they hold.
#   tools/test-install.sh [BUILD]     (default build; the build must be complete)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
fail() { echo "test-install: $*" >&2; exit 1; }
same() { [ "$2" = "$3" ] || { printf 'test-install: %s\n--- expected\n%s\n--- got\n%s\n' "$1" "$3" "$2" >&2; exit 1; }; }
version=$(sed -n 's/^project(Tralyx VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)

echo "== install to $prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null
for f in bin/tralyx bin/tralyx-lrc include/tralyx/clsTralyx.h include/tralyx/QtForm.h include/tralyx/Version.h \
         share/applications/tralyx.desktop share/icons/hicolor/scalable/apps/tralyx.svg \
         share/man/man1/tralyx.1 share/man/man1/tralyx-lrc.1; do
  [ -e "$prefix/$f" ] || fail "$f is not installed"
done
ls "$prefix"/lib*/cmake/Tralyx/TralyxConfig.cmake "$prefix"/lib*/cmake/Tralyx/TralyxConfigVersion.cmake >/dev/null
[ ! -e "$prefix/include/tralyx/frmMain.h" ] || fail "an editor window's header is installed"

# --version without a display: the editor answers before it opens one.
same "tralyx --version" "$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/tralyx" --version)" "tralyx $version"
same "tralyx-lrc --version" "$("$prefix/bin/tralyx-lrc" --version)" "tralyx-lrc $version"
# The man pages carry the programs' options.
for p in tralyx tralyx-lrc; do
  grep -q -- '\\-\\-version' "$prefix/share/man/man1/$p.1" || fail "$p.1 lacks --version"
  if command -v groff >/dev/null; then
    warnings=$(groff -man -Tutf8 -ww -z "$prefix/share/man/man1/$p.1" 2>&1)
    same "groff warnings of $p.1" "$warnings" ""
  fi
done

echo "== build examples/consumer against $prefix"
cmake -S examples/consumer -B "$work/consumer" -DCMAKE_PREFIX_PATH="$prefix" >/dev/null
cmake --build "$work/consumer" -j"$(nproc)" >/dev/null
got=$(QT_QPA_PLATFORM=offscreen "$work/consumer/tralyx-consumer" --print)
same "tralyx-consumer --print" "$got" "caption: Guten Tag!
tool-tip: Ein Gruß aus dem Sprachordner
TXT001: Alle Notizen
message: [Grüße] Diese Anwendung benutzt Tralyx $version."
same "tralyx-texts" "$("$work/consumer/tralyx-texts" examples/consumer/Languages/German/secondary.lrc 1 0)" "Heute
Alle Notizen"
libraries=$(ldd "$work/consumer/tralyx-texts")
! grep -q Qt6Widgets <<<"$libraries" || fail "Tralyx::Core pulls in Qt widgets"

echo "== make package"
cmake --build "$build" --target package >/dev/null
deb=$build/tralyx_${version}_amd64.deb
dev=$build/tralyx-dev_${version}_amd64.deb
[ -f "$deb" ] && [ -f "$dev" ] || fail "$deb or $dev was not built"
dpkg-deb -c "$deb" >"$work/deb.list"
dpkg-deb -c "$dev" >"$work/dev.list"
holds() { grep -q " $2\(.gz\)\?$" "$work/$1.list"; }
for f in ./usr/bin/tralyx ./usr/bin/tralyx-lrc ./usr/share/applications/tralyx.desktop \
         ./usr/share/icons/hicolor/scalable/apps/tralyx.svg ./usr/share/man/man1/tralyx.1 ./usr/share/man/man1/tralyx-lrc.1; do
  holds deb "$f" || fail "$deb lacks $f"
done
for f in ./usr/include/tralyx/clsTralyx.h ./usr/include/tralyx/QtForm.h ./usr/lib/cmake/Tralyx/TralyxConfig.cmake; do
  holds dev "$f" || fail "$dev lacks $f"
done
! grep -q '/include/\|\.a$' "$work/deb.list" || fail "$deb holds the library package"
depends=$(dpkg-deb -f "$deb" Depends)
grep -q libqt6widgets6 <<<"$depends" || fail "the package's dependencies lack Qt widgets: $depends"
echo "test-install: all well ($deb, Depends: $depends; $dev)"
