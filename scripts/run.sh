#!/usr/bin/env bash
# Installs what is missing, builds and starts Talvoreth. Without a display it
# runs the program on a virtual one, saves a screenshot and closes it again.
set -euo pipefail
cd "$(dirname "$0")/.."
program=build/src/talvoreth

if [ -n "${WAYLAND_DISPLAY:-}${DISPLAY:-}" ]; then
  scripts/install-deps.sh run
  scripts/build.sh -- talvoreth
  exec "$program"
fi

scripts/install-deps.sh display
scripts/build.sh -- talvoreth close-x11-window
shot="$PWD/build/talvoreth-screenshot.png"
echo "No display found: starting Talvoreth on a virtual display (Xvfb); the screenshot goes to $shot."
source scripts/virtual-display.sh
start_virtual_display
status=0
capture_main_window "$program" "$shot" build/tools/close-x11-window || status=$?
echo "Screenshot saved to $shot; Talvoreth closed with exit code $status."
exit "$status"
