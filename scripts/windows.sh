#!/usr/bin/env bash
# Builds Talvoreth for 64-bit Windows on Debian, tests it under Wine and
# packages it:
#
#   bash scripts/windows.sh
#
# 1. installs the cross compilers, Wine, NSIS and the rest with apt-get;
# 2. builds Qt and libjpeg for Windows from Debian's own source packages into a
#    cache outside the clone (TALVORETH_WINDOWS_CACHE, ~/.cache/talvoreth-windows
#    by default), keyed by their versions and options: later runs reuse them;
# 3. cross-builds the program and its unit tests into build-windows/;
# 4. runs the unit tests, the program and the installer under Wine on Xvfb;
# 5. leaves build-windows/talvoreth-<version>-win64.zip and
#    build-windows/talvoreth-<version>-setup.exe.
#
# The first run builds Qt, about 20 minutes on two cores.
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$PWD
cache=${TALVORETH_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/talvoreth-windows}
build=$repo/build-windows
toolchain=$repo/cmake/mingw-w64.cmake
started=$SECONDS

current_step=""
step() {
  current_step=$1
  printf '\n== [%s] %s (%d s so far)\n' "$(date +%H:%M:%S)" "$1" $((SECONDS - started))
}
trap 'echo "!! The Windows build failed in step: $current_step (exit $?)" >&2' ERR

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"

# Debian's source entries beside its binary ones, so that apt-get source finds
# the sources of the packages installed here.
add_source_entries() {
  apt-get source --print-uris qt6-base >/dev/null 2>&1 && return 0
  local list=/etc/apt/sources.list.d/talvoreth-deb-src
  if [ -f /etc/apt/sources.list.d/debian.sources ]; then
    sed -n 's/^Types:.*\bdeb\b.*/Types: deb-src/;p' /etc/apt/sources.list.d/debian.sources |
      $sudo tee "$list.sources" >/dev/null
  fi
  if [ -f /etc/apt/sources.list ] && grep -q '^deb .*debian' /etc/apt/sources.list; then
    sed -n 's/^deb \(.*debian.*\)/deb-src \1/p' /etc/apt/sources.list | $sudo tee "$list.list" >/dev/null
  fi
  $sudo apt-get update -qq
}

# A short digest of what went into a build, for its cache key.
digest() {
  { printf '%s\n' "$@"; cat "$toolchain"; x86_64-w64-mingw32-g++-posix --version; } |
    sha256sum | cut -c1-12
}

# Builds Debian source package $1 at version $2 (Debian's patches applied)
# with the options $4... and installs it into prefix $3, unless the prefix is
# there already. The prefix appears only once the build is complete, so an
# interrupted build is never taken for a cached one.
cached_build() {
  local package=$1 version=$2 prefix=$3 work
  shift 3
  if [ -d "$prefix" ]; then
    echo "cached in $prefix"
    return 0
  fi
  work=$(mktemp -d)
  (cd "$work" && apt-get source "$package=$version" >"$work/source.log" 2>&1) ||
    { tail -n 20 "$work/source.log"; return 1; }
  cmake -S "$(echo "$work/$package"-*/)" -B "$work/build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$prefix.partial" "$@" >"$work/configure.log" ||
    { tail -n 40 "$work/configure.log"; return 1; }
  cmake --build "$work/build" -j2
  rm -rf "$prefix.partial"
  cmake --install "$work/build" >/dev/null
  mv "$prefix.partial" "$prefix"
  rm -rf "$work"
}

# Qt's modules that the program and its tests use, shared, and nothing more.
# OpenGL and tablet events are off (Debian's tarball drops the Wintab headers);
# Direct2D stays, since the platform plugin does not link without it.
qt_options=(
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
  -DBUILD_SHARED_LIBS=ON -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
  -DINPUT_opengl=no -DFEATURE_opengl=OFF -DFEATURE_tabletevent=OFF
  -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF
  -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_vulkan=OFF -DFEATURE_icu=OFF
  -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF -DFEATURE_zstd=OFF -DFEATURE_glib=OFF
  -DFEATURE_freetype=ON -DFEATURE_system_freetype=OFF -DFEATURE_fontconfig=OFF
)
# The program decodes a dozen small pictures once: libjpeg's SIMD code would
# need NASM and save nothing a user notices.
jpeg_options=(-DENABLE_SHARED=ON -DENABLE_STATIC=OFF -DWITH_SIMD=OFF -DWITH_TURBOJPEG=OFF)

step "Installing the cross compilers, Wine, NSIS and the test tools"
scripts/install-deps.sh windows

step "Finding Debian's sources of Qt and libjpeg"
add_source_entries
# The same versions as the host's: Qt's moc output must match its headers.
qt_version=$(dpkg-query -W -f='${source:Version}' qt6-base-dev)
jpeg_version=$(dpkg-query -W -f='${source:Version}' libjpeg62-turbo-dev)
# No colon of a version's epoch in a folder name: the folders are joined by
# colons for Wine's search path.
qt_prefix=$cache/qt-${qt_version//:/_}-$(digest "${qt_options[@]}")
jpeg_prefix=$cache/libjpeg-${jpeg_version//:/_}-$(digest "${jpeg_options[@]}")
mkdir -p "$cache"

step "Qt $qt_version for Windows"
cached_build qt6-base "$qt_version" "$qt_prefix" "${qt_options[@]}"

step "libjpeg $jpeg_version for Windows"
cached_build libjpeg-turbo "$jpeg_version" "$jpeg_prefix" "${jpeg_options[@]}"

step "Talvoreth for Windows, with its tests, into build-windows/"
# Where Qt or libjpeg now lie elsewhere, nothing found in the old places is kept.
grep -qxF "CMAKE_PREFIX_PATH:UNINITIALIZED=$qt_prefix;$jpeg_prefix" "$build/CMakeCache.txt" 2>/dev/null ||
  rm -f "$build/CMakeCache.txt"
cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
  -DCMAKE_PREFIX_PATH="$qt_prefix;$jpeg_prefix" -DCMAKE_BUILD_TYPE=Release \
  -DTALVORETH_BUILD_TESTS=ON \
  >"$cache/talvoreth-configure.log" || { tail -n 40 "$cache/talvoreth-configure.log"; false; }
cmake --build "$build" -j2

step "The zip and the installer"
cmake --build "$build" --target packages
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")

step "The tests under Wine"
source scripts/virtual-display.sh
source scripts/wine.sh
start_virtual_display
# A fresh prefix that each end-to-end test copies; the unit tests run in
# another copy, with one Wine server for all their processes.
rm -rf "$build/wine-template" "$build/wine"
use_wine_prefix "$build/wine-template"
stop_wine
export WINE_PREFIX_TEMPLATE=$build/wine-template
cp -a "$build/wine-template" "$build/wine"
use_wine_prefix "$build/wine"
wineserver --persistent
on_exit stop_wine
# Wine's own services start with the first program and keep the output it
# was given open: start them here, so that no test's output stays open after
# the test.
wine cmd /c exit >/dev/null 2>&1 </dev/null
ctest --test-dir "$build" --output-on-failure --no-tests=error -j2

step "Done"
for package in "$build/talvoreth-$version-win64.zip" "$build/talvoreth-$version-setup.exe"; do
  echo "$(du -h "$package" | cut -f1)  $package"
done
