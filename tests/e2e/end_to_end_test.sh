#!/usr/bin/env bash
# Starts the real program on a virtual display, checks the skinned window,
# seeds the board with Random, checks the screen, starts a long Evolve run, closes the window during it and
# checks that the program ends at once with exit code 0.
set -euo pipefail
program=$1
close_window=$2
source "$(dirname "$0")/e2e-common.sh"

pixel() { # prints the colour at x,y of a screenshot as r,g,b
  convert "$1" -format '%[fx:int(255*p{'"$2"','"$3"'}.r)],%[fx:int(255*p{'"$2"','"$3"'}.g)],%[fx:int(255*p{'"$2"','"$3"'}.b)]' info:
}
count_blue() { # prints how many pure-blue pixels the board image (987 x 616 at 11, 74) has
  convert "$1" -crop 987x616+11+74 +repage -fill black +opaque 'rgb(0,0,255)' -fill white -opaque 'rgb(0,0,255)' \
    -format '%[fx:int(mean*w*h+0.5)]' info:
}
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
# The board image starts at (11, 74): grid lines every 5 pixels.
[ "$(pixel "$work/before.png" 11 74)" = "188,188,188" ] || fail "no grid"
[ "$(pixel "$work/before.png" 13 76)" = "255,255,255" ] || fail "no blank cell"
[ "$(pixel "$work/before.png" 16 79)" = "188,188,188" ] || fail "no grid"

# The tool bar starts at (11, 41); Random ("随机") is at 76..133 x 4..29 in it.
xdotool mousemove --window "$window" 115 57 click 1
sleep 1
screenshot "$window" "$work/after.png"
blue=$(count_blue "$work/after.png")
[ "$blue" -gt 5000 ] || fail "only $blue blue pixels after Random"

# A million generations: edt1 is at 274..339 x 6..27 and Evolve ("进化") at
# 341..405 x 4..29 in the tool bar.
xdotool mousemove --window "$window" 311 57 click 1 key ctrl+a type 1000000
xdotool mousemove --window "$window" 381 57 click 1
sleep 1
screenshot "$window" "$work/running.png"
# The status label (511, 10 in the tool bar) now shows the progress text.
cmp -s <(convert "$work/after.png" -crop 120x14+522+51 rgb:-) \
       <(convert "$work/running.png" -crop 120x14+522+51 rgb:-) &&
  fail "the status line did not change during the run"
cmp -s <(convert "$work/after.png" -crop 987x616+11+74 rgb:-) \
       <(convert "$work/running.png" -crop 987x616+11+74 rgb:-) &&
  fail "the board on screen did not change during the run"

"$close_window" "$window"
expect_clean_exit "$pid"
echo "end-to-end: window centred, frame and grid drawn, $blue blue pixels after Random," \
  "closed during a long run, exit code 0"
