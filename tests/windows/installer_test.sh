#!/usr/bin/env bash
# Installs silently under Wine, checks what the installer wrote (the program in
# Program Files, the Start-menu shortcut, the entry among the installed
# programs), starts the installed program, uninstalls silently and checks that
# the files and the registry are as they were before.
#
#   installer_test.sh SETUP.EXE VERSION
set -euo pipefail
setup=$1
version=$2
source "$(dirname "$0")/wine-common.sh"

key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Talvoreth'
folder="$WINEPREFIX/drive_c/Program Files/Talvoreth"
shortcut="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Talvoreth.lnk"
# The prefix's files and machine registry, but for what Wine itself rewrites
# and the temporary folder, where the uninstaller runs a copy of itself. The
# graphics settings key appears when any program first draws.
snapshot() {
  wineserver --wait
  (cd "$WINEPREFIX" && find drive_c -ipath '*/temp' -prune -o -print | grep -v '/AppData/' | sort)
  wine reg query 'HKLM\Software' /s 2>/dev/null | tr -d '\r' | grep -v -i 'Wine\|LastUpdate\|Avalon.Graphics\|^$' | sort
}
# A text value of the installed-programs entry, from an export of the entry:
# reg export writes UTF-16, where reg query prints in the console's code page.
value() {
  iconv -f UTF-16 -t UTF-8 "$work/entry.reg" | tr -d '\r' |
    sed -n "s/^\"$1\"=\"\(.*\)\"\$/\1/p" | sed -e 's/\\"/"/g' -e 's/\\\\/\\/g'
}

snapshot >"$work/before"
wine "$setup" /S || fail "the silent install failed"
[ -f "$folder/talvoreth.exe" ] || fail "no talvoreth.exe in Program Files"
[ -f "$folder/platforms/qwindows.dll" ] || fail "no platform plugin installed"
[ -f "$shortcut" ] || fail "no Start-menu shortcut"
wine reg export "$key" "$(windows_path "$work")\\entry.reg" /y >/dev/null 2>&1 ||
  fail "no entry among the installed programs"
[ "$(value DisplayName)" = Talvoreth ] || fail "installed programs name it '$(value DisplayName)'"
[ "$(value DisplayVersion)" = "$version" ] || fail "installed programs give version '$(value DisplayVersion)'"
[ "$(value Publisher)" = "Quorvel工作室" ] || fail "installed programs give maker '$(value Publisher)'"
[[ "$(value DisplayIcon)" == *'\talvoreth.exe,0' ]] || fail "icon '$(value DisplayIcon)'"
uninstaller=$(value UninstallString)
[[ "$uninstaller" == *'\uninstall.exe"' ]] || fail "uninstall command '$uninstaller'"

# The installed program starts and closes cleanly.
start_program wine "$folder/talvoreth.exe"
window=$(wait_for_main_window) || fail "the installed program shows no window"
click_close_glyph "$window" 1012
expect_clean_exit "$pid" "the installed program"

# The uninstaller copies itself away and returns at once; it is done when the
# folder is gone.
wine "$folder/uninstall.exe" /S || fail "the silent uninstall failed"
wait_until test ! -e "$folder" || fail "left in Program Files: $(cd "$folder" && find . -type f)"
snapshot >"$work/after"
diff "$work/before" "$work/after" >"$work/left" || fail "left behind: $(head -n 20 "$work/left")"
echo "installer: silent install of $(du -h "$setup" | cut -f1)" \
  "installer, shortcut and entry with name, version, maker, icon and uninstaller;" \
  "the installed program ran; the silent uninstall left nothing behind"
