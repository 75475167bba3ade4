# What the tests of the Windows build under Wine share, on top of the
# end-to-end helpers: a Wine prefix of the test's own, a copy of
# WINE_PREFIX_TEMPLATE where scripts/windows.sh made one, else made anew, on a
# virtual display with openbox.
source "$(dirname "${BASH_SOURCE[0]}")/../e2e/e2e-common.sh"
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/wine.sh"

# A display and window manager first: Wine's desktop process binds to the
# display it starts on.
start_virtual_display
start_window_manager
if [ -f "${WINE_PREFIX_TEMPLATE:-}/system.reg" ]; then
  cp -a "$WINE_PREFIX_TEMPLATE" "$work/wine"
fi
use_wine_prefix "$work/wine"
on_exit stop_wine

# The Windows path of file $1.
windows_path() { winepath -w "$1" 2>/dev/null; }
