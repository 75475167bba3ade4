#!/usr/bin/env bash
# Installs the Debian packages that are missing for what is asked, by set:
#
#   run      building and running the program
#   display  running it without a display: Xvfb and the screenshot tools
#   test     the test and benchmark tools, on top of run and display
#   fuzz     clang with libFuzzer, on top of run
#   windows  cross-building for Windows and testing under Wine, on top of display
#
#   scripts/install-deps.sh SET...
#
# Safe to run again: it only installs what is missing.
set -euo pipefail

run=(
  cmake g++ make pkg-config
  qt6-base-dev libgl-dev libx11-dev
  libjpeg-dev
  fonts-arphic-uming fonts-wqy-zenhei
  qt6-translations-l10n
  xdg-utils
)
display=(xvfb xauth xdotool imagemagick x11-utils)
test=(
  qt6-base-private-dev
  libgtest-dev libgmock-dev libbenchmark-dev libxtst-dev
  clang-format
  openbox weston qt6-wayland
  desktop-file-utils appstream
  dbus-daemon dbus-bin at-spi2-core python3 python3-pyatspi
  dpkg-dev file lintian man-db groff-base
)
# libFuzzer and the sanitizer runtimes come with Debian's clang through
# libclang-rt-dev; llvm brings the symbolizer for readable stack traces.
fuzz=(clang libclang-rt-dev llvm)
# Qt and libjpeg for Windows are built from Debian's sources (dpkg-dev unpacks
# them) with the host's moc, rcc and uic; GoogleTest comes as source too.
windows=(
  cmake ninja-build dpkg-dev perl python3 zip unzip
  gcc-mingw-w64-x86-64-posix g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  qt6-base-dev qt6-base-dev-tools libjpeg-dev googletest
  wine wine64 nsis openbox fonts-arphic-uming python3-pefile
)

packages=()
for set in "$@"; do
  case "$set" in
    run) packages+=("${run[@]}") ;;
    display) packages+=("${run[@]}" "${display[@]}") ;;
    test) packages+=("${run[@]}" "${display[@]}" "${test[@]}") ;;
    fuzz) packages+=("${run[@]}" "${fuzz[@]}") ;;
    windows) packages+=("${run[@]}" "${display[@]}" "${windows[@]}") ;;
    *) echo "usage: scripts/install-deps.sh run|display|test|fuzz|windows..." >&2; exit 2 ;;
  esac
done

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
