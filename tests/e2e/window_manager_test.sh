#!/usr/bin/env bash
# Runs the real program under a real window manager (openbox, whose work area
# leaves 100 pixels free at the bottom of a 1280 x 1024 screen) and works the
# skinned frame as a user would: caption drag, glyphs, grips, resize requests.
set -euo pipefail
program=$1
source "$(dirname "$0")/e2e-common.sh"

start_virtual_display
start_window_manager

start() { # starts the program; sets pid and window
  start_program "$program"
  window=$(wait_for_main_window) || fail "no main window"
  sleep 1
}
light() { # near-white pixels of a WxH+X+Y region of the window
  screenshot "$window" "$work/shot.png"
  convert "$work/shot.png" -crop "$1" +repage -threshold 80% -format '%[fx:int(mean*w*h+0.5)]' info:
}
drag() { # presses at window point $1,$2 and moves the mouse by $3,$4 in steps
  local left top _
  read -r left top _ <<<"$(geometry)"
  xdotool mousemove $((left + $1)) $((top + $2)) mousedown 1
  for step in 1 2 3 4 5; do
    xdotool mousemove $((left + $1 + $3 * step / 5)) $((top + $2 + $4 * step / 5))
    sleep 0.05
  done
  xdotool mouseup 1
  sleep 0.3
}

start
read -r x y w h <<<"$(geometry)"
[ "$w $h" = "1012 703" ] || fail "window is ${w}x$h"
# Centred on the screen, not on the work area that the panel's margin leaves.
[ "$x $y" = "$(((1280 - w) / 2)) $(((1024 - h) / 2))" ] ||
  fail "the window opens at $x,$y, not centred on the 1280 x 1024 screen"

# The caption moves the window by exactly the mouse's travel.
drag 300 20 57 33
read -r x2 y2 w2 h2 <<<"$(geometry)"
[ "$((x2 - x)) $((y2 - y)) $w2 $h2" = "57 33 1012 703" ] ||
  fail "caption drag: $x,$y -> $x2,$y2 (${w2}x$h2)"

# Neither a caption double-click nor a click where a maximise glyph would be
# does anything; a grip drag does nothing with grip sizing off.
xdotool mousemove --window "$window" 300 20 click --repeat 2 --delay 80 1
sleep 0.3
xdotool mousemove --window "$window" 982 13 click 1
sleep 0.3
drag 1005 300 40 0
drag 500 698 0 -40
[ "$(geometry)" = "$x2 $y2 1012 703" ] || fail "something changed the window: $(geometry)"

# Resize requests through the window manager end within the limits.
xdotool windowsize "$window" 150 50
sleep 0.5
read -r _ _ w3 h3 <<<"$(geometry)"
[ "$w3" -ge 200 ] && [ "$h3" -ge 60 ] || fail "resized below the minimum: ${w3}x$h3"
xdotool windowsize "$window" 2000 1500
sleep 0.5
read -r _ _ w3 h3 <<<"$(geometry)"
[ "$w3 $h3" = "1280 924" ] || fail "resized past the work area: ${w3}x$h3"
# The title bar, tool bar and strips follow the new size.
[ "$(light 17x15+1259+8)" -gt 5 ] || fail "the close glyph did not follow the width"
IFS=, read -r r _ _ <<<"$(convert "$work/shot.png" -format '%[fx:int(255*p{640,921}.r)],0,0' info:)"
[ "$r" -lt 80 ] || fail "the bottom strip did not follow the height"

# The minimise glyph iconifies the window; the window manager restores it.
read -r _ _ w h <<<"$(geometry)"
xdotool mousemove --window "$window" $((w - 47)) 13 click 1
sleep 0.5
xprop -id "$window" WM_STATE | grep -q Iconic || fail "not iconified"
xdotool windowactivate "$window"
sleep 0.5
xprop -id "$window" WM_STATE | grep -q Normal || fail "not restored"

# The close glyph ends the program with exit code 0.
click_close_glyph "$window" "$w"
expect_clean_exit "$pid" "close glyph"

# So does a double-click on the control-box hot spot (4, 5, 37 x 21).
start
xdotool mousemove --window "$window" 20 15 click 1
sleep 0.3
kill -0 "$pid" || fail "a single click on the control box closed the window"
xdotool mousemove --window "$window" 20 15 click --repeat 2 --delay 80 1
expect_clean_exit "$pid" "control-box double-click"

# A termination signal, idle or during a run; while the run goes on, the
# caption still moves the window by the mouse's travel.
start
kill -TERM "$pid"
expect_clean_exit "$pid" "SIGTERM"
start
click_control "$window" random
type_into "$window" generations 1000000
click_control "$window" evolve
sleep 0.5
read -r x y _ <<<"$(geometry)"
drag 300 20 -41 27
read -r x2 y2 _ <<<"$(geometry)"
[ "$((x2 - x)) $((y2 - y))" = "-41 27" ] || fail "caption drag during a run: $x,$y -> $x2,$y2"
kill -INT "$pid"
expect_clean_exit "$pid" "SIGINT during a run"

echo "window manager: caption drag, glyphs, grips, resize limits, close paths all as expected"
