#!/usr/bin/env bash
# Installs what is missing, builds and starts Talvoreth. Without a display it
# runs the program on a virtual one, saves a screenshot and closes it again.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh -DTALVORETH_BUILD_TESTS=OFF
program=build/src/talvoreth

if [ -n "${DISPLAY:-}" ] && xdotool getdisplaygeometry >/dev/null 2>&1; then
  exec "$program"
fi

shot="$PWD/build/talvoreth-screenshot.png"
echo "No display found: starting Talvoreth on a virtual display (Xvfb); the screenshot goes to $shot."
source scripts/virtual-display.sh
start_virtual_display
status=0
capture_main_window "$program" "$shot" build/tools/close-x11-window || status=$?
echo "Screenshot saved to $shot; Talvoreth closed with exit code $status."
exit "$status"
