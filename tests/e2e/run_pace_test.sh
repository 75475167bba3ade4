#!/usr/bin/env bash
# Watches a run as a user would, under a real window manager: the window made
# large enough to show the whole board, Random, then Evolve for 120
# generations while screenshots are taken as fast as they come. The run must
# take between one and six seconds, and the screenshots must show exact
# in-place generations of the seeded board, one after another, ending on the
# 120th; at most one in ten may catch a paint half done.
set -euo pipefail
program=$1
board_generations=$2
source "$(dirname "$0")/e2e-common.sh"
generations=120

start_virtual_display
start_window_manager
start_program "$program"
window=$(wait_for_main_window) || fail "no main window"
sleep 1
# The board's 1010 x 668 pixels all in sight.
xdotool windowsize "$window" 1100 800
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$window")"
[ "$WIDTH $HEIGHT" = "1100 800" ] || fail "the window is ${WIDTH}x$HEIGHT, not 1100x800"

# 3000 seeds, so dense a soup that it goes on changing for the whole run;
# Random, then the generations.
type_into "$window" seeds 3000
click_control "$window" random
type_into "$window" generations "$generations"
sleep 0.5
screenshot "$window" "$work/seed.ppm"
idle=$(stop_button "$work/seed.ppm")

# Evolve; screenshots until Stop is disabled again.
click_control "$window" evolve
started=$(now_ms)
frames=()
while :; do
  frame=$work/frame-${#frames[@]}.ppm
  screenshot "$window" "$frame"
  frames+=("$frame")
  taken=$(now_ms)
  [ "$(stop_button "$frame")" = "$idle" ] && [ ${#frames[@]} -gt 1 ] && break
  ((taken - started < 10000)) || fail "the run had not ended after 10 s"
done
ms=$((taken - started))
((ms > 1000 && ms < 6000)) || fail "the run took $ms ms"

read -r board_x board_y <<<"$(board_point 0 0)"
shown=$("$board_generations" "$board_x" "$board_y" 133 202 "$generations" "$work/seed.ppm" "${frames[@]}")
[ "$(tail -n 1 <<<"$shown")" = "$generations" ] ||
  fail "the last screenshot does not show generation $generations:" $shown
half_done=$(grep -c -- - <<<"$shown" || true)
((10 * half_done <= ${#frames[@]})) || fail "$half_done of ${#frames[@]} screenshots show no generation:" $shown
grep -v -- - <<<"$shown" | sort -c -n || fail "the generations came out of order:" $shown
distinct=$(grep -v -- - <<<"$shown" | sort -u | wc -l)
((distinct >= 10)) || fail "only $distinct different generations were seen:" $shown

# The close glyph ends the program.
click_close_glyph "$window" "$WIDTH"
expect_clean_exit "$pid"
echo "run pace: $generations generations in $ms ms, ${#frames[@]} screenshots showing" \
  "$distinct different generations in order ($half_done caught mid-paint), exit code 0"
