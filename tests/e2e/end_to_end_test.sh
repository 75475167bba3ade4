#!/usr/bin/env bash
# Starts the real program on a virtual display, checks the skinned window,
# seeds the board with Random, checks the screen, starts a long Evolve run, closes the window during it and
# checks that the program ends at once with exit code 0.
set -euo pipefail
program=$1
close_window=$2
source "$(dirname "$0")/e2e-common.sh"

count_light() { # prints how many near-white pixels a WxH+X+Y region of the screenshot has
  convert "$1" -crop "$2" +repage -threshold 80% -format '%[fx:int(mean*w*h+0.5)]' info:
}
start_virtual_display
start_program "$program"
window=$(wait_for_main_window) || fail "no main window"
sleep 1
eval "$(xdotool getwindowgeometry --shell "$window")"
[ "$WIDTH" = 1012 ] && [ "$HEIGHT" = 703 ] || fail "window is ${WIDTH}x$HEIGHT"
[ "$X" = 134 ] && [ "$Y" = 160 ] || fail "window at $X,$Y, not centred"

screenshot "$window" "$work/before.png"
[ "$(count_blue "$work/before.png")" = 0 ] || fail "blue cells before seeding"
# The frame: the title band (row 8 of its bitmap), the white caption over it,
# the minimise and close glyphs but no maximise glyph between them, the strips.
[ "$(pixel "$work/before.png" 200 8)" = "47,112,175" ] || fail "no title band"
[ "$(count_light "$work/before.png" 200x13+406+11)" -gt 10 ] || fail "no caption"
[ "$(count_light "$work/before.png" 17x15+957+8)" -gt 5 ] || fail "no minimise glyph"
[ "$(count_light "$work/before.png" 17x15+991+8)" -gt 5 ] || fail "no close glyph"
[ "$(count_light "$work/before.png" 17x15+974+8)" = 0 ] || fail "a maximise glyph shows"
for edge in "2 300" "1008 300" "500 700"; do
  IFS=, read -r r _ _ <<<"$(pixel "$work/before.png" $edge)"
  [ "$r" -lt 80 ] || fail "no dark edge strip at $edge"
done
# The board image: grid lines every 5 pixels.
read -r board_x board_y <<<"$(board_point 0 0)"
[ "$(pixel "$work/before.png" "$board_x" "$board_y")" = "188,188,188" ] || fail "no grid"
[ "$(pixel "$work/before.png" $((board_x + 2)) $((board_y + 2)))" = "255,255,255" ] ||
  fail "no blank cell"
[ "$(pixel "$work/before.png" $((board_x + 5)) $((board_y + 5)))" = "188,188,188" ] ||
  fail "no grid"

click_control "$window" random
sleep 1
screenshot "$window" "$work/after.png"
blue=$(count_blue "$work/after.png")
[ "$blue" -gt 5000 ] || fail "only $blue blue pixels after Random"

# A million generations.
type_into "$window" generations 1000000
click_control "$window" evolve
sleep 1
screenshot "$window" "$work/running.png"
# The status line now shows the progress text, wider than the label's
# start-up text.
read -r status_x status_y <<<"$(control_origin status)"
status=120x14+$status_x+$status_y
cmp -s <(convert "$work/after.png" -crop "$status" rgb:-) \
       <(convert "$work/running.png" -crop "$status" rgb:-) &&
  fail "the status line did not change during the run"
cmp -s <(convert "$work/after.png" -crop "$BOARD_SHOWN_AT_START" rgb:-) \
       <(convert "$work/running.png" -crop "$BOARD_SHOWN_AT_START" rgb:-) &&
  fail "the board on screen did not change during the run"

"$close_window" "$window"
expect_clean_exit "$pid"
echo "end-to-end: window centred, frame and grid drawn, $blue blue pixels after Random," \
  "closed during a long run, exit code 0"
