#!/usr/bin/env bash
# Starts the real program at twice the size (QT_SCALE_FACTOR=2) on a large
# virtual display, checks that the window doubles, that the board is drawn
# pixel for pixel with no blending between grid, white and blue, and that a
# click seeds exactly the cell under the cursor.
set -euo pipefail
program=$1
close_window=$2
source "$(dirname "$0")/e2e-common.sh"

colours() { # prints the colours of the region WxH+X+Y ($2) of a screenshot, one r,g,b a line
  convert "$1" -crop "$2" +repage -depth 8 -format %c histogram:info:- |
    sed -n 's/^ *[0-9]*: (\([0-9]*,[0-9]*,[0-9]*\)).*/\1/p' | sort
}
pixel() { # prints the colour at x,y of a screenshot as r,g,b
  colours "$1" "1x1+$2+$3"
}

WINDOW_SCALE=2
start_virtual_display 2560x1600
QT_SCALE_FACTOR=$WINDOW_SCALE start_program "$program"
window=$(wait_for_main_window) || fail "no main window"
sleep 1
eval "$(xdotool getwindowgeometry --shell "$window")"
[ "$WIDTH" = 2024 ] && [ "$HEIGHT" = 1406 ] || fail "window is ${WIDTH}x$HEIGHT"

# The board's grid lines fall on every fifth board pixel, so every tenth
# screen pixel, two pixels wide. The region stays well clear of the board's
# edges and the frame.
board=1940x1200+40+170
screenshot "$window" "$work/before.png"
found=$(colours "$work/before.png" "$board" | paste -sd' ')
[ "$found" = "188,188,188 255,255,255" ] ||
  fail "the board holds colours other than grid grey and white: $found"
# The cell in column 50 and row 30: its middle, and the grid lines left of and
# above it, at board pixels 250 and 150.
read -r cell_x cell_y <<<"$(board_cell_centre 50 30)"
read -r line_x line_y <<<"$(board_point 250 150)"
for offset in 0 1; do
  [ "$(pixel "$work/before.png" $((line_x + offset)) "$cell_y")" = "188,188,188" ] &&
    [ "$(pixel "$work/before.png" "$cell_x" $((line_y + offset)))" = "188,188,188" ] ||
    fail "the grid line at board pixel 250, 150 is not two screen pixels wide"
done

click_cell "$window" 50 30
sleep 1
screenshot "$window" "$work/after.png"
[ "$(pixel "$work/after.png" "$cell_x" "$cell_y")" = "0,0,255" ] ||
  fail "the cell under the cursor is $(pixel "$work/after.png" "$cell_x" "$cell_y"), not blue"
[ "$(count_blue "$work/after.png" "$(board_cell_rect 50 30)")" = 64 ] ||
  fail "the clicked cell is not blue all over"
blue=$(count_blue "$work/after.png" "$board")
[ "$blue" = 64 ] || fail "$blue blue pixels on the board, not one cell's 64"
found=$(colours "$work/after.png" "$board" | paste -sd' ')
[ "$found" = "0,0,255 188,188,188 255,255,255" ] ||
  fail "after the click the board holds $found"

"$close_window" "$window"
expect_clean_exit "$pid"
echo "hidpi: window ${WIDTH}x$HEIGHT, board drawn in grey and white alone," \
  "a click turned the 8x8 pixels of the cell under the cursor blue, exit code 0"
