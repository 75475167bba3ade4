# Helpers for running Windows programs under Debian's 64-bit Wine; source
# this file.

# Quiet: Wine's own diagnostics would bury what the programs print.
export WINEDEBUG=${WINEDEBUG:--all}

# Points Wine at the prefix in folder $1 and makes it on first use: without
# the prompts to install Mono and Gecko, which nothing here needs, and with no
# crash dialog, so that a crash ends the program instead of waiting for a click.
use_wine_prefix() {
  export WINEPREFIX=$1 WINEARCH=win64
  [ -f "$WINEPREFIX/system.reg" ] && return 0
  mkdir -p "$WINEPREFIX"
  WINEDLLOVERRIDES="mscoree,mshtml=" wine wineboot --init >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
  wineserver --wait
}

# Ends the programs of the prefix and Wine's server, so that nothing of one
# test is left running into the next.
stop_wine() {
  wineserver --kill 2>/dev/null || true
  wineserver --wait 2>/dev/null || true
}
