# Helpers for running the program on a virtual X display or a headless Wayland
# compositor; source this file.

# Runs the commands registered with on_exit when the shell exits, the last
# registered first, so that each helper can add its own clean-up.
exit_handlers=()
on_exit() {
  exit_handlers=("$1" "${exit_handlers[@]}")
  trap 'for handler in "${exit_handlers[@]}"; do eval "$handler"; done' EXIT
}

# Runs the command given every 0.1 s until it succeeds; fails when it has not
# within 10 s.
wait_until() {
  for _ in $(seq 100); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}

# Starts Xvfb on a free display and exports DISPLAY; stops it when the shell exits.
# $1 is the screen size, WIDTHxHEIGHT, 1280x1024 when not given.
start_virtual_display() {
  local size=${1:-1280x1024} dir
  dir=$(mktemp -d)
  Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset 3>"$dir/display" >"$dir/log" 2>&1 &
  VIRTUAL_DISPLAY_PID=$!
  on_exit 'kill "$VIRTUAL_DISPLAY_PID" 2>/dev/null || true'
  wait_until test -s "$dir/display" || { echo "Xvfb did not start: $(tail -n 5 "$dir/log")" >&2; return 1; }
  export DISPLAY=":$(tr -d '\n' <"$dir/display")"
  # Xvfb names its display before every way in takes clients: while a display
  # of that number is still closing (another test's), a client started at once
  # can find no server. Clients come when one gets an answer. -noreset keeps
  # the server as it is when its last client leaves (this probe is one): a
  # server resetting then turns away a client that connects meanwhile.
  wait_until xdpyinfo >/dev/null 2>&1 ||
    { echo "Xvfb on $DISPLAY does not answer: $(tail -n 5 "$dir/log")" >&2; return 1; }
  rm -rf "$dir"
  # Whatever session the caller is in, the program runs on this display.
  export QT_QPA_PLATFORM=xcb
  unset WAYLAND_DISPLAY
  # Qt wants a private runtime folder; a virtual session has none of its own.
  if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    XDG_RUNTIME_DIR=$(mktemp -d)
    export XDG_RUNTIME_DIR
  fi
}

# Starts weston without a screen, with the folder $1 as its private runtime
# folder (its log goes to $1/weston.log), and points Qt at it; stops it when
# the shell exits.
start_headless_wayland() {
  local dir=$1
  chmod 700 "$dir"
  export XDG_RUNTIME_DIR=$dir
  weston --backend=headless-backend.so --socket=talvoreth-wayland --width=1280 --height=1024 \
    --idle-time=0 >"$dir/weston.log" 2>&1 &
  HEADLESS_WAYLAND_PID=$!
  on_exit 'kill "$HEADLESS_WAYLAND_PID" 2>/dev/null || true'
  wait_until test -S "$dir/talvoreth-wayland" || { echo "weston did not start" >&2; return 1; }
  export WAYLAND_DISPLAY=talvoreth-wayland QT_QPA_PLATFORM=wayland
  unset DISPLAY
}

# Prints the id of the visible window titled Talvoreth, waiting up to 20 s.
# Looks every 0.1 s, and looks again when a window went away during a search
# (xdotool's own --sync waits half a second and fails then).
wait_for_main_window() {
  local id
  for _ in $(seq 200); do
    id=$(xdotool search --onlyvisible --name '^Talvoreth$' 2>/dev/null | head -n 1) || true
    [ -n "$id" ] && echo "$id" && return 0
    sleep 0.1
  done
  return 1
}

# Waits up to $2 seconds for process $1; prints its exit code, or kills it and fails.
wait_for_exit() {
  local pid=$1 seconds=$2
  for _ in $(seq $((seconds * 10))); do
    if ! kill -0 "$pid" 2>/dev/null; then
      wait "$pid"
      return $?
    fi
    sleep 0.1
  done
  kill -9 "$pid" 2>/dev/null || true
  echo "the program did not end within $seconds s" >&2
  return 124
}

# Starts program $1 on the display, waits for its main window, saves a
# screenshot of the window to $2 and closes it with the helper $3. A command
# given in $4 runs first, with the window id as its argument. Returns the
# program's exit code.
capture_main_window() {
  local program=$1 shot=$2 close_window=$3 prepare=${4:-} pid window status=0
  "$program" &
  pid=$!
  window=$(wait_for_main_window) ||
    { kill "$pid"; echo "the main window did not appear" >&2; return 1; }
  sleep 1
  if [ -n "$prepare" ]; then
    "$prepare" "$window" || { kill "$pid"; echo "$prepare failed" >&2; return 1; }
    sleep 1
  fi
  import -window "$window" "$shot"
  "$close_window" "$window"
  wait_for_exit "$pid" 10 || status=$?
  return "$status"
}
