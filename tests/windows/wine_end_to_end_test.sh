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
folder=$(echo "$work"/talvoreth-*-win64)
program=$(windows_path "$folder/talvoreth.exe")
# The board reader beside the program, where it finds the Qt DLLs it needs.
cp "$board_generations" "$folder/"
board_generations=$folder/$(basename "$board_generations")

# The pixels of the tool bar's texts from the seeds field to the
# generations field: digits, Latin and Chinese letters, and no caret.
texts() {
  local from to top height
  read -r from top <<<"$(control_origin seeds)"
  read -r to _ <<<"$(control_origin generations)"
  height=$(toolbar_control seeds | cut -d' ' -f4)
  convert "$1" -crop "$((to - from))x$height+$from+$top" +repage rgb:- | md5sum
}
# Waits up to $2 s until Stop in window $1 looks as in screenshot $3 (idle).
wait_until_idle() {
  for _ in $(seq $(($2 * 5))); do
    screenshot "$1" "$work/now.ppm"
    [ "$(stop_button "$work/now.ppm")" = "$(stop_button "$3")" ] && return 0
    sleep 0.2
  done
  return 1
}

# Takes screenshot $1 of the window once it is painted: its title band drawn.
painted() { screenshot "$window" "$1" && [ "$(pixel "$1" 200 8)" = "47,112,175" ]; }

# The window's place and size at its start, centred on the 1280 x 1024 screen.
centred="$(((1280 - 1012) / 2)) $(((1024 - 703) / 2)) 1012 703"

# Readable texts without any option: under Wine the program picks Qt's
# FreeType engine by itself, so its texts look as when that engine is asked for.
start_program wine "$program" -platform windows:fontengine=freetype
window=$(wait_for_main_window) || fail "no main window with the FreeType engine asked for"
wait_until eval '[ "$(geometry)" = "$centred" ]' || fail "the window is at $(geometry)"
wait_until painted "$work/freetype.png" || fail "no title band with the FreeType engine asked for"
click_close_glyph "$window" 1012
expect_clean_exit "$pid" "the program started with the FreeType engine"

# A normal start: timed to the shown window, centred, texts readable.
started=$(now_ms)
start_program wine "$program"
window=$(wait_for_main_window) || fail "no main window"
startup_ms=$(($(now_ms) - started))
wait_until eval '[ "$(geometry)" = "$centred" ]' ||
  fail "the window is at $(geometry), not centred at its size 1012 x 703"
read -r x y w h <<<"$(geometry)"
wait_until painted "$work/start.png" || fail "no title band"
[ "$(count_blue "$work/start.png")" = 0 ] || fail "blue cells before seeding"
wait_until eval 'painted "$work/start.png" && [ "$(texts "$work/start.png")" = "$(texts "$work/freetype.png")" ]' ||
  fail "the texts are not drawn by the FreeType engine"
idle=$work/start.png

# Random seeds; the caption drags the window by the mouse's travel.
click_control "$window" random
seeded() { screenshot "$window" "$work/seeded.png" && [ "$(count_blue "$work/seeded.png")" -gt 5000 ]; }
wait_until seeded || fail "only $(count_blue "$work/seeded.png") blue pixels after Random"
blue=$(count_blue "$work/seeded.png")
xdotool mousemove $((x + 300)) $((y + 20)) mousedown 1
for step in 1 2 3 4 5; do
  xdotool mousemove $((x + 300 + 57 * step / 5)) $((y + 20 + 33 * step / 5))
  sleep 0.05
done
xdotool mouseup 1
wait_until eval '[ "$(geometry)" = "$((x + 57)) $((y + 33)) 1012 703" ]' ||
  fail "caption drag: $x,$y -> $(geometry)"

# Stop ends a long run: the status line stands still afterwards.
type_into "$window" generations 1000000
click_control "$window" evolve
running() { screenshot "$window" "$work/running.png" && [ "$(stop_button "$work/running.png")" != "$(stop_button "$idle")" ]; }
wait_until running || fail "Stop is not enabled in a run"
click_control "$window" stop
wait_until_idle "$window" 5 "$idle" || fail "Stop did not end the run"
status=$(control_rect status)
screenshot "$window" "$work/stopped1.png"
sleep 0.3
screenshot "$window" "$work/stopped2.png"
cmp -s <(convert "$work/stopped1.png" -crop "$status" rgb:-) \
       <(convert "$work/stopped2.png" -crop "$status" rgb:-) || fail "the run went on after Stop"

click_close_glyph "$window" "$w"
expect_clean_exit "$pid" "the program closed by its glyph"

# How Windows holds the program's window: "LEFT TOP WIDTH HEIGHT STATE ACTIVITY".
system_window() { wine "$session" window Talvoreth 2>/dev/null | tr -d '\r'; }

# Maximised by the show command: the work area, the whole board in sight, and
# a run of exact in-place generations. Then the system closes it. A window
# manager maximises only windows that it may resize, and Wine lets it resize
# only windows with a sizing border, which this frame draws itself: for this
# start Wine places the window itself, as Windows does.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
start_program wine "$session" start 3 "$program"
window=$(wait_for_main_window) || fail "no main window when started maximised"
wait_until eval '[ "$(system_window)" = "0 0 1280 924 maximised active" ]' ||
  fail "started maximised, the system holds the window as: $(system_window)"
[ "$(geometry)" = "0 0 1280 924" ] || fail "started maximised, the window shows at $(geometry)"
# A soup so dense that it goes on changing over the run: a sparse one settles
# within a few generations, which would then look alike.
type_into "$window" seeds 3000
click_control "$window" random
type_into "$window" generations 5
seed_shown() { screenshot "$window" "$work/seed.ppm" && [ "$(count_blue "$work/seed.ppm")" -gt 0 ]; }
wait_until seed_shown || fail "Random seeded nothing in the maximised window"
click_control "$window" evolve
read -r board_x board_y <<<"$(board_point 0 0)"
# The generation the board in sight shows, as the in-place rule makes them
# from the seed.
generation_shown() {
  screenshot "$window" "$work/now.ppm"
  wine "$board_generations" "$board_x" "$board_y" 133 202 5 \
    "$(windows_path "$work/seed.ppm")" "$(windows_path "$work/now.ppm")" | tr -d '\r' | tail -n 1
}
wait_until eval '[ "$(generation_shown)" = 5 ] && wait_until_idle "$window" 1 "$work/seed.ppm"' ||
  fail "after Evolve 5 the board shows generation: $(generation_shown)"
# Without /f, taskkill asks the program's windows to close.
wine taskkill /im talvoreth.exe >/dev/null || fail "taskkill could not ask the program to close"
expect_clean_exit "$pid" "the program closed by the system"

# Wine hands its windows to the window manager again, as by default.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d Y /f >/dev/null 2>&1

# Minimised without activation: iconic and not the active window.
start_program wine "$session" start 7 "$program"
wait_until eval '[[ "$(system_window)" == *" minimised inactive" ]]' ||
  fail "started minimised without activation, the system holds the window as: $(system_window)"
# The end of the session ends it.
wine "$session" end Talvoreth || fail "could not end the session"
expect_clean_exit "$pid" "the program at the end of the session"

echo "wine end-to-end: shown ${startup_ms} ms after start, centred, fields readable," \
  "$blue blue pixels after Random, caption drag, Stop, close glyph, maximised to the work area" \
  "with exact generations, minimised without activation, closed by the system and by the" \
  "session's end, exit code 0 each time"
