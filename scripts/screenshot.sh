#!/usr/bin/env bash
# Installs what is missing, builds, and takes docs/screenshot.png afresh from
# the real program on a virtual display, after Random has seeded the board.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh -DTALVORETH_BUILD_TESTS=OFF
source scripts/virtual-display.sh

# Random ("随机"), the tool bar's second button, has its middle at (115, 57) in the window.
press_random() {
  xdotool mousemove --window "$1" 115 57 click 1
}

mkdir -p docs
start_virtual_display
capture_main_window build/src/talvoreth docs/screenshot.png build/tools/close-x11-window press_random
echo "Saved docs/screenshot.png"
