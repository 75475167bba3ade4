#!/usr/bin/env bash
# Installs what is missing, builds, and takes the pictures of docs/ afresh
# from the real program on a virtual display: docs/screenshot.png after Random
# has seeded the board, and docs/run.gif, a few seconds of a run.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh display
scripts/build.sh -- talvoreth close-x11-window
source scripts/virtual-display.sh
source scripts/toolbar.sh

press_random() {
  click_control "$1" random
}

# Seeds the board with a soup of 3000 that stays busy, starts a run of 300
# generations and screenshots the window about ten times a second for 4 s;
# then makes them an animated GIF at the pace they were taken.
record_run() {
  local window=$1 frames delays=() start last now
  frames=$(mktemp -d)
  type_into "$window" seeds 3000
  press_random "$window"
  type_into "$window" generations 300
  click_control "$window" evolve
  # GIF delays are in hundredths of a second.
  start=$(($(date +%s%N) / 10000000))
  last=$start
  for i in $(seq -w 1 999); do
    import -window "$window" "$frames/$i.ppm"
    now=$(($(date +%s%N) / 10000000))
    delays+=(-delay $((now - last)) "$frames/$i.ppm")
    last=$now
    ((now - start < 400)) || break
    sleep 0.06
  done
  convert "${delays[@]}" -loop 0 -layers Optimize docs/run.gif
  rm -rf "$frames"
}

mkdir -p docs
start_virtual_display
capture_main_window build/src/talvoreth docs/screenshot.png build/tools/close-x11-window press_random
echo "Saved docs/screenshot.png"
capture_main_window build/src/talvoreth "$(mktemp --suffix=.png)" build/tools/close-x11-window record_run
echo "Saved docs/run.gif ($(du -k docs/run.gif | cut -f1) KB)"
