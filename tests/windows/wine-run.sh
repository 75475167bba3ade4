#!/usr/bin/env bash
# CTest's emulator for the Windows build: runs a Windows program under Wine,
# finding DLLs in the Unix folders given first, separated by colons. The
# program's output and exit code are the command's.
#
#   wine-run.sh FOLDER[:FOLDER...] PROGRAM [ARGUMENT...]
source "$(dirname "$0")/../../scripts/wine.sh"
folders=$1
shift
# Wine's drive Z: is the Unix root.
WINEPATH=$(tr ':' '\n' <<<"$folders" | sed 's|^|Z:|; s|/|\\|g' | paste -sd ';')
export WINEPATH
exec wine "$@"
