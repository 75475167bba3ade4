#!/usr/bin/env bash
# Makes the Debian package from the build as a packager does (cpack -G DEB),
# in a folder of its own, and checks it: lintian finds no error and no
# warning, and the package's desktop entry starts the program it holds.
set -euo pipefail
cpack=$1
build=$2
source "$(dirname "$0")/../e2e/e2e-common.sh"

"$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$work" >/dev/null 2>>"$PROGRAM_LOG"
packages=("$work"/*.deb)
[ ${#packages[@]} -eq 1 ] && [ -f "${packages[0]}" ] || fail "cpack made no single package: ${packages[*]}"
package=${packages[0]}

# CPack installs into a staging folder; the entry names where the program lands.
dpkg-deb -x "$package" "$work/root"
program=$(sed -n 's/^Exec=//p' "$work"/root/usr/share/applications/*.desktop)
[ "$program" = /usr/games/talvoreth ] && [ -x "$work/root$program" ] ||
  fail "the package's desktop entry starts '$program', not the program in /usr/games"

# Every tag is shown; only errors and warnings fail.
echo "$(lintian --version) on $(basename "$package"):"
lintian --fail-on error,warning --display-info --pedantic --tag-display-limit 0 "$package" ||
  fail "lintian reports errors or warnings"
echo "package: lintian reports no error and no warning"
