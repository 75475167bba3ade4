#!/usr/bin/env bash
# Makes the Debian package from the build as a packager does (cpack -G DEB),
# in a folder of its own, and checks it: lintian finds no error and no
# warning, and the package's desktop entry starts the program it holds.
set -euo pipefail
cpack=$1
build=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

"$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$scratch" >/dev/null
packages=("$scratch"/*.deb)
[ ${#packages[@]} -eq 1 ] && [ -f "${packages[0]}" ] || fail "cpack made no single package: ${packages[*]}"
package=${packages[0]}

# CPack installs into a staging folder; the entry names where the program lands.
dpkg-deb -x "$package" "$scratch/root"
program=$(sed -n 's/^Exec=//p' "$scratch"/root/usr/share/applications/*.desktop)
[ "$program" = /usr/games/talvoreth ] && [ -x "$scratch/root$program" ] ||
  fail "the package's desktop entry starts '$program', not the program in /usr/games"

# Every tag is shown; only errors and warnings fail.
echo "$(lintian --version) on $(basename "$package"):"
lintian --fail-on error,warning --display-info --pedantic --tag-display-limit 0 "$package" ||
  fail "lintian reports errors or warnings"
echo "package: lintian reports no error and no warning"
