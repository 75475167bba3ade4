# What the end-to-end tests share: a scratch folder, the program under test
# started with its standard error kept, failures that show why, and where the
# window's controls and board lie. Source this file at the top of a test.
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/virtual-display.sh"
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/toolbar.sh"

work=$(mktemp -d)
on_exit 'rm -rf "$work"'
PROGRAM_LOG=$work/program.log

# Reports a failed check with the end of what the program wrote to its
# standard error (a sanitizer's report among it), and ends the test.
fail() {
  echo "FAIL: $*"
  if [ -s "$PROGRAM_LOG" ]; then
    echo "The program's last lines on standard error:"
    # Leaves out the Wayland protocol log of a test that asked for one.
    grep -v '^\[[0-9. ]*\] ' "$PROGRAM_LOG" | tail -n 40
  fi
  exit 1
}
# A command that fails outside a check fails the test the same way.
set -E
trap 'fail "line $LINENO: \"$BASH_COMMAND\" ended with status $?"' ERR

# Starts the program under test with the arguments given, its standard error
# appended to PROGRAM_LOG; sets pid. The program is killed if the test ends
# first.
start_program() {
  # Whole stacks in a sanitizer's leak report, so that a suppression can name
  # a system library built without frame pointers.
  ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:fast_unwind_on_malloc=0} "$@" 2>>"$PROGRAM_LOG" &
  pid=$!
  on_exit "kill $pid 2>/dev/null || true"
}

# Fails the test, with the program's exit code, unless the program still runs.
expect_running() {
  kill -0 "$pid" 2>/dev/null && return 0
  local status=0
  wait "$pid" || status=$?
  fail "the program ended by itself with exit code $status"
}

# Prints the colour at x,y of screenshot $1 as r,g,b.
pixel() {
  convert "$1" -format '%[fx:int(255*p{'"$2"','"$3"'}.r)],%[fx:int(255*p{'"$2"','"$3"'}.g)],%[fx:int(255*p{'"$2"','"$3"'}.b)]' info:
}

# Milliseconds of the wall clock, for figures the tests print.
now_ms() { echo $(($(date +%s%N) / 1000000)); }

# Prints "x y w h" of the test's main window, $window.
geometry() {
  eval "$(xdotool getwindowgeometry --shell "$window")"
  echo "$X $Y $WIDTH $HEIGHT"
}

# Prints how many pure-blue (living) pixels screenshot $1 has in the region
# WxH+X+Y $2, by default the part of the board in sight at the start-up size.
count_blue() {
  convert "$1" -crop "${2:-$BOARD_SHOWN_AT_START}" +repage -fill black +opaque 'rgb(0,0,255)' \
    -fill white -opaque 'rgb(0,0,255)' -format '%[fx:int(mean*w*h+0.5)]' info:
}

# Prints a digest of Stop's pixels in screenshot $1, which tell whether a run
# goes on; at 8 bits a sample, whatever depth the file has.
stop_button() { convert "$1" -crop "$(control_rect stop)" +repage -depth 8 rgb:- | md5sum; }

# Saves a screenshot of window $1 to $2. import would wait for ever for a
# window that is gone, so the program must still run.
screenshot() {
  expect_running
  timeout 10 import -window "$1" "$2" || fail "no screenshot of window $1"
}

# Waits up to 5 seconds for process $1 and fails the test, naming $2, unless
# it ended with exit code 0.
expect_clean_exit() {
  local status=0
  wait_for_exit "$1" 5 || status=$?
  [ "$status" = 0 ] || fail "${2:-the program} ended with exit code $status"
}

# Starts openbox on the virtual display, with a work area that leaves 100
# pixels free at the bottom of the screen, and waits until it has set it.
start_window_manager() {
  openbox --config-file "$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/openbox-rc.xml" \
    >"$work/openbox.log" 2>&1 &
  on_exit "kill $! 2>/dev/null || true"
  local height=$(($(xdotool getdisplaygeometry | cut -d' ' -f2) - 100))
  wait_until eval 'xprop -root _NET_WORKAREA 2>/dev/null | grep -q ", $height\$"' ||
    fail "openbox did not set the work area: $(tail -n 5 "$work/openbox.log")"
}
