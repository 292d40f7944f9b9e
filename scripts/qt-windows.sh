#!/usr/bin/env bash
# Builds Qt for 64-bit Windows (mingw-w64) from Debian's own qt6-base source,
# the host Qt's version, with Debian's security patches, and installs it into a
# cache folder outside the tree.  The folder's name carries a hash of this
# recipe: a changed recipe builds a new cache, an unchanged one is reused.
# Prints the installed prefix on its last line.
set -euo pipefail

QT_VERSION=6.4.2
QT_DEBIAN_VERSION=6.4.2+dfsg-10
PATCHES=(cve-2023-24607.patch cve-2023-32762.diff cve-2023-32763.diff cve-2023-33285.diff)
MODULES=(Core Gui Widgets PrintSupport Test)
OPTIONS=(
  -release -shared -platform linux-g++ -xplatform win32-g++
  -device-option CROSS_COMPILE=x86_64-w64-mingw32-
  -no-opengl -no-dbus -no-icu -no-pkg-config -no-zstd
  -qt-zlib -qt-libpng -qt-libjpeg -qt-freetype -qt-harfbuzz -qt-pcre
  -nomake tests -nomake examples
  -no-feature-network -no-feature-sql -no-feature-xml -no-feature-concurrent
  -no-feature-vulkan -no-feature-tabletevent
)

HERE="$(cd "$(dirname "$0")/.." && pwd)"
TOOLCHAIN="$HERE/cmake/mingw-w64.cmake"
RECIPE_HASH=$( { cat "$0" "$TOOLCHAIN"; } | sha256sum | cut -c1-10)
CACHE_ROOT="${RINSAL_CACHE:-$HOME/.cache/rinsal}"
PREFIX="$CACHE_ROOT/qt6-mingw-$QT_VERSION-$RECIPE_HASH"

if [ -f "$PREFIX/.completo" ]; then
  echo "$PREFIX"
  exit 0
fi

host_version=$(dpkg-query -W -f='${Version}' qt6-base-dev 2>/dev/null || true)
# Host and target Qt must be the same Qt version; a later Debian revision of
# it on the host (a point release) still builds against the pinned source.
if [ "${host_version%%+*}" != "$QT_VERSION" ]; then
  echo "Qt dell'host $host_version, ricetta per $QT_VERSION: aggiornare la ricetta" >&2
  exit 1
fi
[ "$host_version" = "$QT_DEBIAN_VERSION" ] ||
  echo "Qt dell'host $host_version, sorgente fissata $QT_DEBIAN_VERSION (stessa versione di Qt)" >&2

WORK="$CACHE_ROOT/lavoro-$RECIPE_HASH"
rm -rf "$WORK" "$PREFIX"
mkdir -p "$WORK/apt/lists/partial" "$WORK/apt/archives/partial"

# Debian's source list, private to this folder: the system's lists stay as they are.
cat > "$WORK/apt/sorgenti.sources" <<SRC
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SRC
APT=(apt-get -q -o Dir::Etc::SourceList="$WORK/apt/sorgenti.sources"
     -o Dir::Etc::SourceParts=/dev/null -o Dir::State::Lists="$WORK/apt/lists"
     -o Dir::Cache::Archives="$WORK/apt/archives" -o Debug::NoLocking=1)
"${APT[@]}" update
(cd "$WORK" && "${APT[@]}" source --download-only "qt6-base=$QT_DEBIAN_VERSION")

SRCDIR="$WORK/qtbase"
mkdir -p "$SRCDIR"
tar -xf "$WORK"/qt6-base_${QT_VERSION}+dfsg.orig.tar.* -C "$SRCDIR" --strip-components=1
mkdir -p "$WORK/debian"
tar -xf "$WORK"/qt6-base_${QT_DEBIAN_VERSION#*:}.debian.tar.* -C "$WORK"
for p in "${PATCHES[@]}"; do
  patch -d "$SRCDIR" -p1 --forward < "$WORK/debian/patches/$p"
done

# The toolchain file Qt records goes with the cache, so the cache stays valid
# whatever folder the checkout lives in.
mkdir -p "$PREFIX"
cp "$TOOLCHAIN" "$PREFIX/mingw-w64.cmake"

BUILDDIR="$WORK/build"
mkdir -p "$BUILDDIR"
cd "$BUILDDIR"
"$SRCDIR/configure" -prefix "$PREFIX" "${OPTIONS[@]}" \
  -qt-host-path /usr -- -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$PREFIX/mingw-w64.cmake" \
  -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
cmake --build . --parallel "$(nproc)"
cmake --install .

# Only the modules the program uses are kept: the rest of qtbase builds anyway.
for m in "${MODULES[@]}"; do
  [ -f "$PREFIX/bin/Qt6$m.dll" ] || { echo "manca Qt6$m.dll" >&2; exit 1; }
done
[ -f "$PREFIX/plugins/platforms/qwindows.dll" ] || { echo "manca qwindows.dll" >&2; exit 1; }
touch "$PREFIX/.completo"
rm -rf "$WORK"
echo "$PREFIX"
