#!/usr/bin/env bash
# Installs every Debian package the build, the program and the tests need.
# Safe to run again: it only installs what is missing.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-base-private-dev libgl-dev libx11-dev
  libjpeg-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-arphic-uming fonts-wqy-zenhei
  qt6-translations-l10n
  xdg-utils
  xvfb xauth xdotool imagemagick x11-utils
  openbox weston qt6-wayland
  desktop-file-utils appstream
  dbus-daemon dbus-bin at-spi2-core python3 python3-pyatspi
  dpkg-dev file libxtst-dev
  lintian man-db groff-base
)

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
