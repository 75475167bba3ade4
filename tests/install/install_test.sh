#!/usr/bin/env bash
# Installs the build into an empty prefix and checks the tree: exactly the
# program, its desktop entry, which starts it, its icons at their sizes, its
# AppStream description of this release and home page, its manual page, and
# the copyright and changelog with the same licences and release, each of them
# valid for the tools desktops read them with.
set -euo pipefail
cmake=$1
build=$2
version=$3
homepage=$4
release_date=$5
id=example.quorvel.Talvoreth
source "$(dirname "$0")/../e2e/e2e-common.sh"
# A user's prefix with characters the desktop entry has to quote.
prefix="$work/Jo's 100% \$HOME"

"$cmake" --install "$build" --prefix "$prefix" >/dev/null 2>>"$PROGRAM_LOG"

# Nothing but the program and its data: no tests, helpers or libraries.
expected=$(
  {
    echo games/talvoreth
    echo share/applications/$id.desktop
    echo share/metainfo/$id.metainfo.xml
    echo share/man/man6/talvoreth.6.gz
    echo share/doc/talvoreth/copyright
    echo share/doc/talvoreth/changelog.gz
    for size in 16 32 48 64 128 256; do
      echo "share/icons/hicolor/${size}x$size/apps/$id.png"
    done
  } | sort
)
installed=$(cd "$prefix" && find . -type f -o -type l | sed 's|^\./||' | sort)
[ "$installed" = "$expected" ] ||
  fail "installed files differ from the expected ones:"$'\n'"$(diff <(echo "$expected") <(echo "$installed"))"

program=$prefix/games/talvoreth
[ -x "$program" ] || fail "games/talvoreth is not executable"
head -c 4 "$program" | cmp -s - <(printf '\177ELF') || fail "games/talvoreth is not an ELF program"

for size in 16 32 48 64 128 256; do
  icon=$prefix/share/icons/hicolor/${size}x$size/apps/$id.png
  format=$(identify -format '%m %wx%h' "$icon") || fail "$icon does not read as a picture"
  [ "$format" = "PNG ${size}x$size" ] || fail "the ${size}x$size icon is $format"
done

desktop=$prefix/share/applications/$id.desktop
report=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate: $report"
[ -z "$report" ] || fail "desktop-file-validate: $report"
entry() { sed -n "s/^$1=//p" "$desktop"; }
# Exec read as a desktop reads it: string escapes, then shell-like quoting,
# then %% for a plain %.
command_line=$(entry Exec)
eval "words=(${command_line//\\\\/\\})"
[ ${#words[@]} -eq 1 ] && [ "${words[0]//%%/%}" = "$program" ] ||
  fail "the desktop entry's Exec=$command_line does not start $program"
[ "$(entry Icon)" = "$id" ] || fail "the desktop entry names icon '$(entry Icon)'"
[ "$(entry 'Name\[zh_CN\]')" != "" ] || fail "the desktop entry has no Chinese name"

metainfo=$prefix/share/metainfo/$id.metainfo.xml
report=$(appstreamcli validate --no-net "$metainfo" 2>&1) || fail "appstreamcli validate: $report"
grep -q "<id>$id</id>" "$metainfo" || fail "the metainfo has another id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
  fail "the metainfo does not launch the installed desktop entry"
grep -q "<release version=\"$version\" date=\"$release_date\"" "$metainfo" ||
  fail "the metainfo does not describe release $version of $release_date"
grep -q "<url type=\"homepage\">$homepage</url>" "$metainfo" ||
  fail "the metainfo does not name the home page $homepage"

doc=$prefix/share/doc/talvoreth
# The licences the copyright file gives the whole and the metadata are the ones the metainfo names.
licence_of() {
  awk -v files="Files: $1" '/^Files:/ { inside = ($0 == files) } inside && /^License:/ { print $2; exit }' \
    "$doc/copyright"
}
tag() { sed -n "s|.*<$1>\(.*\)</$1>.*|\1|p" "$metainfo"; }
[ "$(licence_of '*')" = "$(tag project_license)" ] ||
  fail "the copyright file licenses the whole under '$(licence_of '*')', the metainfo under '$(tag project_license)'"
[ "$(licence_of "resources/desktop/$id.metainfo.xml")" = "$(tag metadata_license)" ] ||
  fail "the copyright file and the metainfo differ on the metadata's licence"

# The changelog's latest entry is this release, on its day.
latest=$(zcat "$doc/changelog.gz" | head -n 1)
[[ $latest == "talvoreth ($version) "* ]] || fail "the changelog begins with '$latest'"
signed=$(zcat "$doc/changelog.gz" | sed -n 's/^ -- .*>  //p' | head -n 1)
[ "$(date -u -d "$signed" +%F)" = "$release_date" ] || fail "the latest changelog entry is of $signed"

echo "install: program, desktop entry, six icons, metainfo, manual page, copyright and changelog installed and valid"
