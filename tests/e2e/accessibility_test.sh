#!/usr/bin/env bash
# Starts the real program on a virtual display with a screen reader's desktop
# around it: a private session bus, the accessibility bus switched on, the
# AT-SPI registry. Reads the program's tree with pyatspi, uses the program
# through it and closes it with the close glyph's press action; the program
# must end with exit code 0.
set -euo pipefail
program=$1
here=$(dirname "$0")
source "$here/e2e-common.sh"

start_virtual_display
# The accessibility bus is the one the session bus below starts, whatever
# desktop runs the test; the bus passes its environment on to what it starts.
unset AT_SPI_BUS_ADDRESS
# The buses and the services they start log to a file: none of them holds
# the test's output open once it ends.
bus_address=$(dbus-daemon --session --fork --nopidfile --print-address=1 --print-pid=3 \
  3>"$work/bus.pid" 2>"$work/bus.log" </dev/null)
on_exit "kill $(cat "$work/bus.pid") 2>/dev/null || true"
export DBUS_SESSION_BUS_ADDRESS=$bus_address
# What a desktop does when a screen reader starts; it starts the accessibility bus.
timeout 10 dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
  org.freedesktop.DBus.Properties.Set string:org.a11y.Status string:IsEnabled variant:boolean:true \
  >/dev/null

start_program "$program"
wait_for_main_window >/dev/null || fail "no main window"
# Debian's own interpreter: pyatspi is a Debian package.
timeout 30 /usr/bin/python3 "$here/read_accessible_tree.py" || fail "the accessibility tree"
expect_clean_exit "$pid" "the program closed by the close glyph's press action"
echo "accessibility: named frame, buttons, glyphs, edit fields, status line and board read" \
  "through AT-SPI; closed through the close glyph, exit code 0"
