#!/usr/bin/env bash
# Installs the build into an empty prefix and checks the tree: exactly the
# program, its desktop entry, its icons at their sizes and its AppStream
# description of this version and home page, each of them valid for the tools
# desktops read them with.
set -euo pipefail
cmake=$1
build=$2
version=$3
homepage=$4
id=example.quorvel.Talvoreth
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

"$cmake" --install "$build" --prefix "$prefix" >/dev/null

# Nothing but the program and its data: no tests, helpers or libraries.
expected=$(
  {
    echo bin/talvoreth
    echo share/applications/$id.desktop
    echo share/metainfo/$id.metainfo.xml
    for size in 16 32 48 64 128 256; do
      echo "share/icons/hicolor/${size}x$size/apps/$id.png"
    done
  } | sort
)
installed=$(cd "$prefix" && find . -type f -o -type l | sed 's|^\./||' | sort)
[ "$installed" = "$expected" ] ||
  fail "installed files differ from the expected ones:"$'\n'"$(diff <(echo "$expected") <(echo "$installed"))"

program=$prefix/bin/talvoreth
[ -x "$program" ] || fail "bin/talvoreth is not executable"
head -c 4 "$program" | cmp -s - <(printf '\177ELF') || fail "bin/talvoreth is not an ELF program"

for size in 16 32 48 64 128 256; do
  icon=$prefix/share/icons/hicolor/${size}x$size/apps/$id.png
  format=$(identify -format '%m %wx%h' "$icon") || fail "$icon does not read as a picture"
  [ "$format" = "PNG ${size}x$size" ] || fail "the ${size}x$size icon is $format"
done

desktop=$prefix/share/applications/$id.desktop
report=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate: $report"
[ -z "$report" ] || fail "desktop-file-validate: $report"
entry() { sed -n "s/^$1=//p" "$desktop"; }
[ "$(entry Exec)" = talvoreth ] || fail "the desktop entry starts '$(entry Exec)'"
[ "$(entry Icon)" = "$id" ] || fail "the desktop entry names icon '$(entry Icon)'"
[ "$(entry 'Name\[zh_CN\]')" != "" ] || fail "the desktop entry has no Chinese name"

metainfo=$prefix/share/metainfo/$id.metainfo.xml
report=$(appstreamcli validate --no-net "$metainfo" 2>&1) || fail "appstreamcli validate: $report"
grep -q "<id>$id</id>" "$metainfo" || fail "the metainfo has another id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
  fail "the metainfo does not launch the installed desktop entry"
grep -q "<release version=\"$version\"" "$metainfo" ||
  fail "the metainfo does not describe release $version"
grep -q "<url type=\"homepage\">$homepage</url>" "$metainfo" ||
  fail "the metainfo does not name the home page $homepage"

echo "install: program, desktop entry, six icons and metainfo installed and valid"
