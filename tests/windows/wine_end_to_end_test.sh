#!/usr/bin/env bash
# Runs the portable Windows program from its zip under 64-bit Wine, on a
# virtual display under openbox (whose work area leaves 100 pixels free at the
# bottom of the 1280 x 1024 screen), and works it as a user would: the window
# opens centred with readable texts, Random seeds, the caption drags, Stop ends
# a run, the close glyph ends the program with exit code 0. Started maximised
# it fills the work area and Evolve makes exact in-place generations; started
# minimised without activation it is iconic and not active. Closing by the
# system and the end of the session end it with exit code 0 too.
#
#   wine_end_to_end_test.sh ZIP SESSION.EXE BOARD-GENERATIONS.EXE
set -euo pipefail
zip=$1
session=$2
board_generations=$3
source "$(dirname "$0")/wine-common.sh"

unzip -q "$zip" -d "$work"
program=$(windows_path "$(echo "$work"/talvoreth-*-win64/talvoreth.exe)")

count_blue() { # pure-blue pixels in the part of the board in sight
  convert "$1" -crop "$BOARD_SHOWN_AT_START" +repage -fill black +opaque 'rgb(0,0,255)' \
    -fill white -opaque 'rgb(0,0,255)' -format '%[fx:int(mean*w*h+0.5)]' info:
}
geometry() { # x y w h of the window
  eval "$(xdotool getwindowgeometry --shell "$window")"
  echo "$X $Y $WIDTH $HEIGHT"
}
# The glyphs of the text in edit field $2 of screenshot $1, counted as the
# runs of columns with dark ink: each digit a run of its own where digits are
# drawn right, more where they come out broken.
glyphs_in_field() {
  convert "$1" -crop "$(control_rect "$2")" +repage -shave 3x3 -colorspace Gray -threshold 50% \
    -scale 'x1!' -threshold 99% -compress none pbm:- | tail -n +3 | tr -d ' \n' | tr -s 1 |
    tr -cd 1 | wc -c
}
# Stop's pixels, which tell whether a run goes on.
stop_button() { convert "$1" -crop "$(control_rect stop)" +repage rgb:- | md5sum; }
# Waits up to $2 s until Stop in window $1 looks as in screenshot $3 (idle).
wait_until_idle() {
  for _ in $(seq $(($2 * 5))); do
    screenshot "$1" "$work/now.ppm"
    [ "$(stop_button "$work/now.ppm")" = "$(stop_button "$3")" ] && return 0
    sleep 0.2
  done
  return 1
}

# A normal start: timed to the shown window, centred, texts readable.
started=$(now_ms)
start_program wine "$program"
window=$(wait_for_shown_window) || fail "no main window"
startup_ms=$(($(now_ms) - started))
sleep 1
read -r x y w h <<<"$(geometry)"
[ "$w $h" = "1012 703" ] || fail "window is ${w}x$h"
[ "$x $y" = "$(((1280 - w) / 2)) $(((1024 - h) / 2))" ] || fail "window at $x,$y, not centred"
screenshot "$window" "$work/start.png"
[ "$(pixel "$work/start.png" 200 8)" = "47,112,175" ] || fail "no title band"
[ "$(count_blue "$work/start.png")" = 0 ] || fail "blue cells before seeding"
# The count field has the focus and its caret; the seeds field reads 1000.
glyphs=$(glyphs_in_field "$work/start.png" seeds)
[ "$glyphs" = 4 ] || fail "the seeds field's 1000 shows as $glyphs glyphs"
idle=$work/start.png

# Random seeds; the caption drags the window by the mouse's travel.
click_control "$window" random
sleep 0.5
screenshot "$window" "$work/seeded.png"
blue=$(count_blue "$work/seeded.png")
[ "$blue" -gt 5000 ] || fail "only $blue blue pixels after Random"
xdotool mousemove $((x + 300)) $((y + 20)) mousedown 1
for step in 1 2 3 4 5; do
  xdotool mousemove $((x + 300 + 57 * step / 5)) $((y + 20 + 33 * step / 5))
  sleep 0.05
done
xdotool mouseup 1
sleep 0.3
[ "$(geometry)" = "$((x + 57)) $((y + 33)) 1012 703" ] || fail "caption drag: $x,$y -> $(geometry)"

# Stop ends a long run: the status line stands still afterwards.
type_into "$window" generations 1000000
click_control "$window" evolve
sleep 0.5
screenshot "$window" "$work/running.png"
[ "$(stop_button "$work/running.png")" != "$(stop_button "$idle")" ] || fail "Stop is not enabled in a run"
click_control "$window" stop
wait_until_idle "$window" 5 "$idle" || fail "Stop did not end the run"
status=$(control_rect status)
screenshot "$window" "$work/stopped1.png"
sleep 0.3
screenshot "$window" "$work/stopped2.png"
cmp -s <(convert "$work/stopped1.png" -crop "$status" rgb:-) \
       <(convert "$work/stopped2.png" -crop "$status" rgb:-) || fail "the run went on after Stop"

# The close glyph, 13 pixels in from the right end of the title bar.
xdotool mousemove --window "$window" $((w - 13)) 13 click 1
expect_clean_exit "$pid" "the program closed by its glyph"

# Maximised by the show command: the work area, the whole board in sight, and
# a run of exact in-place generations. Then the system closes it.
start_program wine "$session" start 3 "$program"
window=$(wait_for_shown_window) || fail "no main window when started maximised"
sleep 1
[ "$(geometry)" = "0 0 1280 924" ] || fail "started maximised, the window is at $(geometry)"
click_control "$window" random
type_into "$window" generations 5
sleep 0.5
screenshot "$window" "$work/seed.ppm"
click_control "$window" evolve
wait_until_idle "$window" 10 "$work/seed.ppm" || fail "the run of 5 did not end"
read -r board_x board_y <<<"$(board_point 0 0)"
shown=$(wine "$board_generations" "$board_x" "$board_y" 133 202 5 \
  "$(windows_path "$work/seed.ppm")" "$(windows_path "$work/now.ppm")" | tr -d '\r')
[ "$(tail -n 1 <<<"$shown")" = 5 ] || fail "after Evolve 5 the board shows generation: $shown"
# Without /f, taskkill asks the program's windows to close.
wine taskkill /im talvoreth.exe >/dev/null || fail "taskkill could not ask the program to close"
expect_clean_exit "$pid" "the program closed by the system"

# Minimised without activation: iconic, and another window keeps the focus.
start_program wine "$session" start 7 "$program"
for _ in $(seq 200); do
  window=$(xdotool search --name '^Talvoreth$' 2>/dev/null | head -n 1) || true
  [ -n "$window" ] && xprop -id "$window" WM_STATE 2>/dev/null | grep -q Iconic && break
  sleep 0.1
done
xprop -id "$window" WM_STATE | grep -q Iconic || fail "started minimised, the window is not iconic"
active=$(xdotool getactivewindow 2>/dev/null || echo none)
[ "$active" != "$window" ] || fail "started minimised without activation, the window is active"
# The end of the session ends it.
wine "$session" end Talvoreth || fail "could not end the session"
expect_clean_exit "$pid" "the program at the end of the session"

echo "wine end-to-end: shown ${startup_ms} ms after start, centred, fields readable," \
  "$blue blue pixels after Random, caption drag, Stop, close glyph, maximised to the work area" \
  "with exact generations, minimised without activation, closed by the system and by the" \
  "session's end, exit code 0 each time"
