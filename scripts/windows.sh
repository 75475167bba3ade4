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

# Unpacks the Debian source of package $1 at version $2, with Debian's patches
# applied, into $3.
unpack_source() {
  local package=$1 version=$2 into=$3 work
  work=$(mktemp -d)
  (cd "$work" && apt-get source -qq "$package=$version" >/dev/null 2>&1) ||
    (cd "$work" && apt-get source "$package=$version")
  mv "$work"/"$package"-*/ "$into"
  rm -rf "$work"
}

# A short digest of what went into a build, for its cache key.
digest() {
  { printf '%s\n' "$@"; cat "$toolchain"; x86_64-w64-mingw32-g++-posix --version; } |
    sha256sum | cut -c1-12
}

# Installs CMake project $1 (a source folder) built with options $3... into
# prefix $2, which appears only once the build is complete.
cmake_install_into() {
  local source=$1 prefix=$2 work
  shift 2
  work=$(mktemp -d)
  cmake -S "$source" -B "$work/build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix.partial" "$@" >"$work/configure.log" ||
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
if [ -d "$qt_prefix" ]; then
  echo "cached in $qt_prefix"
else
  rm -rf "$cache/qt-source"
  unpack_source qt6-base "$qt_version" "$cache/qt-source"
  cmake_install_into "$cache/qt-source" "$qt_prefix" "${qt_options[@]}"
  rm -rf "$cache/qt-source"
fi

step "libjpeg $jpeg_version for Windows"
if [ -d "$jpeg_prefix" ]; then
  echo "cached in $jpeg_prefix"
else
  rm -rf "$cache/jpeg-source"
  unpack_source libjpeg-turbo "$jpeg_version" "$cache/jpeg-source"
  cmake_install_into "$cache/jpeg-source" "$jpeg_prefix" "${jpeg_options[@]}"
  rm -rf "$cache/jpeg-source"
fi

step "Talvoreth for Windows, with its tests, into build-windows/"
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
ctest --test-dir "$build" --output-on-failure --no-tests=error -j2

step "Done"
for package in "$build/talvoreth-$version-win64.zip" "$build/talvoreth-$version-setup.exe"; do
  echo "$(du -h "$package" | cut -f1)  $package"
done
