#!/usr/bin/env bash
# Runs the real program on a headless Wayland compositor (weston) and checks
# that it maps its window with the title and a drawn buffer, then that a
# termination request ends it with exit code 0.
set -euo pipefail
program=$1
source "$(dirname "$0")/../../scripts/virtual-display.sh"
work=$(mktemp -d)
fail() { # reports, with what the program said besides the protocol log
  echo "FAIL: $*"
  grep -v '^\[[0-9. ]*\] ' "$work/program.log" 2>/dev/null | tail -40
  exit 1
}

start_headless_wayland "$work" || fail "weston did not start"
trap 'kill "$HEADLESS_WAYLAND_PID" 2>/dev/null || true; rm -rf "$work"' EXIT

WAYLAND_DEBUG=client "$program" 2>"$work/program.log" &
pid=$!
# The protocol log shows the top-level's title and a buffer attached and committed.
wait_until grep -q 'set_title("Talvoreth")' "$work/program.log" ||
  { kill "$pid"; fail "no titled window"; }
wait_until grep -q 'wl_surface@[0-9]*\.attach(wl_buffer@' "$work/program.log" ||
  { kill "$pid"; fail "nothing drawn"; }
sleep 1
kill -0 "$pid" || fail "the program ended by itself"
kill -TERM "$pid"
expect_clean_exit "$pid"
echo "wayland: the window was mapped and drawn on weston, and the program ended with exit code 0"
