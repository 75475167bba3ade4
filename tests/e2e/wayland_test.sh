#!/usr/bin/env bash
# Runs the real program on a headless Wayland compositor (weston) and checks
# that it maps its window with the title and a drawn buffer, then that a
# termination request ends it with exit code 0.
set -euo pipefail
program=$1
source "$(dirname "$0")/e2e-common.sh"

mkdir "$work/runtime"
start_headless_wayland "$work/runtime" || fail "weston did not start"

WAYLAND_DEBUG=client start_program "$program"
# The protocol log shows the top-level's title and a buffer attached and committed.
wait_until grep -q 'set_title("Talvoreth")' "$PROGRAM_LOG" || fail "no titled window"
wait_until grep -q 'wl_surface@[0-9]*\.attach(wl_buffer@' "$PROGRAM_LOG" || fail "nothing drawn"
sleep 1
expect_running
kill -TERM "$pid"
expect_clean_exit "$pid"
echo "wayland: the window was mapped and drawn on weston, and the program ended with exit code 0"
