#!/usr/bin/env bash
# Starts the real program on a virtual display, seeds the board with Random,
# checks the screen, starts a long Evolve run, closes the window during it and
# checks that the program ends at once with exit code 0.
set -euo pipefail
program=$1
close_window=$2
source "$(dirname "$0")/../../scripts/virtual-display.sh"
work=$(mktemp -d)

pixel() { # prints the colour at x,y of a screenshot as r,g,b
  convert "$1" -format '%[fx:int(255*p{'"$2"','"$3"'}.r)],%[fx:int(255*p{'"$2"','"$3"'}.g)],%[fx:int(255*p{'"$2"','"$3"'}.b)]' info:
}
count_blue() { # prints how many pure-blue pixels the screenshot has
  convert "$1" -fill black +opaque 'rgb(0,0,255)' -fill white -opaque 'rgb(0,0,255)' \
    -format '%[fx:int(mean*w*h+0.5)]' info:
}

start_virtual_display
"$program" &
pid=$!
window=$(wait_for_main_window) || { kill "$pid"; echo "FAIL: no main window"; exit 1; }
sleep 1
eval "$(xdotool getwindowgeometry --shell "$window")"
[ "$WIDTH" = 1012 ] && [ "$HEIGHT" = 703 ] || { echo "FAIL: window is ${WIDTH}x$HEIGHT"; exit 1; }
[ "$X" = 134 ] && [ "$Y" = 160 ] || { echo "FAIL: window at $X,$Y, not centred"; exit 1; }

import -window "$window" "$work/before.png"
[ "$(count_blue "$work/before.png")" = 0 ] || { echo "FAIL: blue cells before seeding"; exit 1; }
# The grid: a line pixel of img1 (window 1 + 10, 34 + 1 + 5) is light grey.
[ "$(pixel "$work/before.png" 11 40)" = "188,188,188" ] || { echo "FAIL: no grid"; exit 1; }

# Random ("随机") sits at 76..133 x 4..29 in the tool bar, which starts at (2, 2).
xdotool mousemove --window "$window" 110 18 click 1
sleep 1
import -window "$window" "$work/after.png"
blue=$(count_blue "$work/after.png")
[ "$blue" -gt 5000 ] || { echo "FAIL: only $blue blue pixels after Random"; exit 1; }

# A million generations: edt1 is at 274..339 x 6..27 and Evolve ("进化") at
# 341..405 x 4..29 in the tool bar.
xdotool mousemove --window "$window" 300 18 click 1 key ctrl+a type 1000000
xdotool mousemove --window "$window" 370 18 click 1
sleep 1
import -window "$window" "$work/running.png"
# The status label (511, 10 in the tool bar) now shows the progress text.
cmp -s <(convert "$work/after.png" -crop 120x14+513+12 rgb:-) \
       <(convert "$work/running.png" -crop 120x14+513+12 rgb:-) &&
  { echo "FAIL: the status line did not change during the run"; exit 1; }

"$close_window" "$window"
status=0
wait_for_exit "$pid" 5 || status=$?
rm -rf "$work"
[ "$status" = 0 ] || { echo "FAIL: exit code $status"; exit 1; }
echo "end-to-end: window centred, grid drawn, $blue blue pixels after Random," \
  "closed during a long run, exit code 0"
