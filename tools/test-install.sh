#!/usr/bin/env bash
# What an application developer and a translator get from a build: installs it to a temporary
# prefix and checks the files there, the programs' --version, the man pages, the desktop entry and
# the AppStream metadata (desktop-file-validate, appstreamcli), and the shared libraries' sonames
# and exports (tools/check-exports.sh); builds the application in examples/consumer against that prefix with nothing but
# -DCMAKE_PREFIX_PATH, once with the static and once with the shared libraries, and runs it
# offscreen; then builds the .deb files, checks what they hold and runs lintian on them, which must
# report no error and no warning. A lintian tag accepted on purpose is overridden in the package
# (usr/share/lintian/overrides/<package>, each override under a comment that gives the reason).
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
copyright=$(grep -m1 '^Copyright ' LICENSE)
app=org.tralyx.Tralyx

echo "== install to $prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null
for f in bin/tralyx bin/tralyx-lrc include/tralyx/clsTralyx.h include/tralyx/Translation.h include/tralyx/QtForm.h \
         include/tralyx/Version.h share/applications/$app.desktop share/icons/hicolor/scalable/apps/$app.svg \
         share/metainfo/$app.metainfo.xml share/man/man1/tralyx.1.gz share/man/man1/tralyx-lrc.1.gz \
         share/bash-completion/completions/tralyx-lrc share/doc/tralyx/copyright share/doc/tralyx/changelog.gz \
         share/doc/tralyx-dev/copyright share/doc/libtralyx-runtime1/copyright share/doc/libtralyx-widgets1/copyright; do
  [ -e "$prefix/$f" ] || fail "$f is not installed"
done
ls "$prefix"/lib*/cmake/Tralyx/TralyxConfig.cmake "$prefix"/lib*/cmake/Tralyx/TralyxConfigVersion.cmake >/dev/null
cmp LICENSE "$prefix"/lib*/cmake/Tralyx/LICENSE || fail "LICENSE is not installed with the CMake package"
# The editor's windows and internals (merge, checks, exchange) are not an application's business.
for f in frmMain.h basMerge.h basChecks.h basPoFile.h basControlTextFormat.h; do
  [ ! -e "$prefix/include/tralyx/$f" ] || fail "the internal header $f is installed"
done
! grep -rq gettextpo "$prefix"/lib*/cmake/Tralyx/*.cmake || fail "the CMake package needs libgettextpo"
# The shared libraries: a soname each, and only the listed symbols exported.
for lib in runtime widgets; do
  so=$(ls "$prefix"/lib*/libtralyx-$lib.so.1)
  readelf -d "$so" | grep -q "SONAME.*\[libtralyx-$lib.so.1\]" || fail "$so has no soname libtralyx-$lib.so.1"
done
exported=$(nm -D --defined-only -C "$prefix"/lib*/libtralyx-runtime.so.1)
grep -q ' tralyx::Translation::load(' <<<"$exported" || fail "libtralyx-runtime.so does not export Translation::load"
# Nothing but what the installed headers declare, the type info of internal classes included.
tools/check-exports.sh "$prefix/include/tralyx" "$prefix"/lib*/libtralyx-runtime.so.1 "$prefix"/lib*/libtralyx-widgets.so.1 ||
  fail "a shared library exports what no public header declares"

# --version without a display: the editor answers before it opens one.
licence="MIT licence: you may use, copy, modify and distribute it; it comes with no warranty."
same "tralyx --version" "$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/tralyx" --version)" \
     "tralyx $version
$copyright
$licence"
same "tralyx-lrc --version" "$("$prefix/bin/tralyx-lrc" --version)" "tralyx-lrc $version
$copyright
$licence
As built it links libgettextpo of GNU gettext, and so is distributed as a whole
under the GNU GPL version 3 or later."
# The man pages carry the programs' options.
for p in tralyx tralyx-lrc; do
  zgrep -q -- '\\-\\-version' "$prefix/share/man/man1/$p.1.gz" || fail "$p.1 lacks --version"
  if command -v groff >/dev/null; then
    warnings=$(zcat "$prefix/share/man/man1/$p.1.gz" | groff -man -Tutf8 -ww -z 2>&1)
    same "groff warnings of $p.1" "$warnings" ""
  fi
done
# The desktop entry and the AppStream metadata as a desktop and a software centre read them; the
# changelog's newest release is this version; the screenshots are the ones in doc/screenshots.
desktop-file-validate "$prefix/share/applications/$app.desktop" || fail "desktop-file-validate: $app.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/$app.metainfo.xml" ||
  fail "appstreamcli validate: $app.metainfo.xml"
appstreamcli validate-tree --no-net "$prefix" || fail "appstreamcli validate-tree: $prefix"
zcat "$prefix/share/doc/tralyx/changelog.gz" >"$work/changelog"
same "the changelog's newest release" "$(dpkg-parsechangelog -l "$work/changelog" -S Version)" "$version"
for image in $(xmlstarlet sel -t -v '//screenshot/image' -n "$prefix/share/metainfo/$app.metainfo.xml"); do
  [ -f "doc/screenshots/${image##*/}" ] || fail "the screenshot $image is not in doc/screenshots"
done

# Static and shared: the same program, the public headers compiled with -Wall -Wextra -Werror.
# An application's own headers of our headers' names, first on its include path, must not be taken
# for ours (each of these would stop the build).
mkdir -p "$work/own/common" "$work/own/store"
echo '#error "the application'"'"'s own common/clsCodePage.h was taken for Tralyx'"'"'s"' >"$work/own/common/clsCodePage.h"
echo '#error "the application'"'"'s own store/clsTralyx.h was taken for Tralyx'"'"'s"' >"$work/own/store/clsTralyx.h"
for shared in OFF ON; do
  echo "== build examples/consumer against $prefix (shared libraries: $shared)"
  consumer=$work/consumer-$shared
  cmake -S examples/consumer -B "$consumer" -DCMAKE_PREFIX_PATH="$prefix" -DCONSUMER_SHARED=$shared \
        -DCMAKE_CXX_FLAGS="-I$work/own" >/dev/null
  cmake --build "$consumer" -j2 >/dev/null || fail "examples/consumer does not build (CONSUMER_SHARED=$shared)"
  got=$(QT_QPA_PLATFORM=offscreen "$consumer/tralyx-consumer" --print)
  same "tralyx-consumer --print" "$got" "caption: Guten Tag!
tool-tip: Ein Gruß aus dem Sprachordner
TXT001: Alle Notizen
message: [Grüße] Diese Anwendung benutzt Tralyx $version."
  same "tralyx-texts" "$("$consumer/tralyx-texts" examples/consumer/Languages/German/secondary.lrc 1 0)" "Heute
Alle Notizen"
  libraries=$(ldd "$consumer/tralyx-texts")
  ! grep -q Qt6Widgets <<<"$libraries" || fail "Tralyx::Runtime pulls in Qt widgets"
  if [ $shared = ON ]; then
    grep -q "libtralyx-runtime.so.1 => $prefix" <<<"$libraries" || fail "tralyx-texts does not use libtralyx-runtime.so.1"
    grep -q "libtralyx-widgets.so.1 => $prefix" <<<"$(ldd "$consumer/tralyx-consumer")" || fail "tralyx-consumer does not use libtralyx-widgets.so.1"
  else
    ! grep -q libtralyx <<<"$libraries" || fail "the static tralyx-texts needs a Tralyx library at run time"
  fi
done

echo "== build examples/consumer with a plain Makefile and pkg-config"
plain=$work/plain
mkdir -p "$plain"
cat >"$plain/Makefile" <<'MAKE'
# What a build without CMake writes: the flags from pkg-config, nothing else.
tralyx-texts: texts.cpp
	$(CXX) -fPIC -o $@ $< $(shell pkg-config --cflags --libs tralyx-runtime)
tralyx-consumer: main.cpp
	$(CXX) -fPIC -DCONSUMER_LANGUAGES='"$(LANGUAGES)"' -o $@ $< $(shell pkg-config --cflags --libs tralyx-widgets)
MAKE
cp examples/consumer/texts.cpp examples/consumer/main.cpp "$plain/"
PKG_CONFIG_PATH=$(dirname "$(find "$prefix" -name tralyx-runtime.pc)") make -s -C "$plain" LANGUAGES="$PWD/examples/consumer/Languages/German" tralyx-texts tralyx-consumer >/dev/null ||
  fail "examples/consumer does not build with pkg-config"
same "tralyx-texts (pkg-config)" "$(LD_LIBRARY_PATH=$(ls -d "$prefix"/lib* | head -1) "$plain/tralyx-texts" \
  examples/consumer/Languages/German/secondary.lrc 1 0)" "Heute
Alle Notizen"
QT_QPA_PLATFORM=offscreen LD_LIBRARY_PATH=$(ls -d "$prefix"/lib* | head -1) "$plain/tralyx-consumer" --print >/dev/null ||
  fail "tralyx-consumer (pkg-config) does not run"

echo "== make package"
cmake --build "$build" --target package >/dev/null
deb=$build/tralyx_${version}_amd64.deb
dev=$build/tralyx-dev_${version}_amd64.deb
[ -f "$deb" ] && [ -f "$dev" ] || fail "$deb or $dev was not built"
dpkg-deb -c "$deb" >"$work/deb.list"
dpkg-deb -c "$dev" >"$work/dev.list"
for lib in runtime widgets; do
  so=$build/libtralyx-${lib}1_${version}_amd64.deb
  [ -f "$so" ] || fail "$so was not built"
  grep -q "/libtralyx-$lib.so.1 -> \|/libtralyx-$lib.so.1$" <<<"$(dpkg-deb -c "$so")" || fail "$so lacks libtralyx-$lib.so.1"
done
! grep -q gettextpo <<<"$(dpkg-deb -f "$dev" Depends)" || fail "$dev still needs libgettextpo"
holds() { grep -q " $2$" "$work/$1.list"; }
for f in ./usr/bin/tralyx ./usr/bin/tralyx-lrc ./usr/share/applications/$app.desktop \
         ./usr/share/icons/hicolor/scalable/apps/$app.svg ./usr/share/metainfo/$app.metainfo.xml \
         ./usr/share/man/man1/tralyx.1.gz ./usr/share/man/man1/tralyx-lrc.1.gz \
         ./usr/share/bash-completion/completions/tralyx-lrc \
         ./usr/share/doc/tralyx/copyright ./usr/share/doc/tralyx/changelog.gz; do
  holds deb "$f" || fail "$deb lacks $f"
done
for f in ./usr/include/tralyx/clsTralyx.h ./usr/include/tralyx/QtForm.h ./usr/lib/cmake/Tralyx/TralyxConfig.cmake \
         ./usr/share/doc/tralyx-dev/copyright ./usr/share/doc/tralyx-dev/changelog.gz; do
  holds dev "$f" || fail "$dev lacks $f"
done
! grep -q '/include/\|\.a$' "$work/deb.list" || fail "$deb holds the library package"
depends=$(dpkg-deb -f "$deb" Depends)
grep -q libqt6widgets6 <<<"$depends" || fail "the package's dependencies lack Qt widgets: $depends"
# Debian's own checker. Run as root (CI is) it says so on stderr, which is no finding.
libs=("$build"/libtralyx-runtime1_${version}_amd64.deb "$build"/libtralyx-widgets1_${version}_amd64.deb)
lintian --fail-on error,warning "$deb" "$dev" "${libs[@]}" ||
  fail "lintian reports an error or a warning on $deb, $dev or ${libs[*]}"
echo "test-install: all well ($deb, Depends: $depends; $dev)"
