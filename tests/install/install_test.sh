#!/usr/bin/env bash
# Installs the built game into a fresh prefix whose path holds a space and a
# non-ASCII letter, and checks that what lands there is a working desktop
# application:
#   - exactly the expected files, the sounds and icons equal to their sources;
#   - bin/trixola is a relative link that resolves to lib/trixola/trixola;
#   - the desktop entry and the metainfo pass their validators and agree with
#     each other and with the installed program and icons;
#   - the manual page renders with its sections and `man` finds it through
#     PATH;
# An RPATH and the manual page's warnings are lintian's to find, in
# debian_package, from the same install rules.
#   - started by name through PATH from another folder, the program stays up,
#     and every sound file it looks up is the one beside it in the prefix.
# How the program answers its command line with no display is the start-up
# test's (startup_without_display).
#
# Usage: install_test.sh <cmake> <build dir> <built program> <source dir> <version>
# Exit 77 (skipped) when a tool the checks need is not installed.
set -uo pipefail

cmake=$1 build=$2 built_program=$3 source=$4 version=$5
app_id=org.trixola.Trixola
icon_sizes=(16 24 32 48 64 128 256)
sounds=(click level youwon compwon draw)
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

need desktop-file-validate appstreamcli strace timeout man

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
prefix="$tmp/pré fix"

"$cmake" --install "$build" --prefix "$prefix" >"$tmp/install.log" 2>&1 ||
  { cat "$tmp/install.log"; echo "FAIL: cmake --install failed"; exit 1; }
real_prefix=$(cd "$prefix" && pwd -P)

# --- Layout: every installed file, and what each must equal ---------------
# "installed path|file it must equal, relative to the source folder or
# absolute (empty: checked further below)"
expected=("lib/trixola/trixola|" "bin/trixola|"
  "share/applications/$app_id.desktop|"
  "share/metainfo/$app_id.metainfo.xml|"
  "share/icons/hicolor/scalable/apps/$app_id.svg|assets/icons/hicolor/scalable/apps/$app_id.svg"
  "share/man/man6/trixola.6.gz|$build/packaging/trixola.6.gz"
  "share/doc/trixola/changelog.gz|$build/packaging/changelog.gz"
  "share/doc/trixola/copyright|debian/copyright")
# The sounds must be the ones the build put beside the program.
build_dir_of_program=$(dirname "$built_program")
for s in "${sounds[@]}"; do expected+=("lib/trixola/$s.wav|$build_dir_of_program/$s.wav"); done
for n in "${icon_sizes[@]}"; do
  expected+=("share/icons/hicolor/${n}x$n/apps/$app_id.png|assets/icons/hicolor/${n}x$n/apps/$app_id.png")
done

for row in "${expected[@]}"; do
  path=${row%%|*} origin=${row#*|}
  [[ -z "$origin" || "$origin" == /* ]] || origin="$source/$origin"
  # One missing is the layout's (below) to tell.
  [[ -z "$origin" ]] || cmp -s "$prefix/$path" "$origin" || fail "$path differs from $origin"
done
(cd "$prefix" && find . ! -type d | sed 's|^\./||' | sort) >"$tmp/found"
printf '%s\n' "${expected[@]%%|*}" | sort >"$tmp/wanted"
diff -u "$tmp/wanted" "$tmp/found" || fail "installed files differ from the expected layout (- missing, + unexpected)"

# --- The program and its launcher link ------------------------------------
program="$prefix/lib/trixola/trixola"
link="$prefix/bin/trixola"
# The link's text is checked: it need not resolve at the prefix where it was
# installed only. (The checks below start the program through it.)
[[ $(readlink "$link") == ../lib/trixola/trixola ]] ||
  fail "bin/trixola is not a link to ../lib/trixola/trixola: '$(readlink "$link")'"

# --- Desktop entry and metainfo --------------------------------------------
desktop="$prefix/share/applications/$app_id.desktop"
metainfo="$prefix/share/metainfo/$app_id.metainfo.xml"
desktop-file-validate "$desktop" || fail "desktop-file-validate rejects $app_id.desktop"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli rejects $app_id.metainfo.xml"
# What ties the two files to each other and to the program, and what
# software centres show: "file|pattern (grep -E)|what is missing"
for row in "$metainfo|<id>$app_id</id>|<id> $app_id" \
  "$metainfo|<launchable[^>]*>$app_id\.desktop</launchable>|<launchable> $app_id.desktop" \
  "$metainfo|<binary>trixola</binary>|<binary> trixola" \
  "$metainfo|<release version=\"$version\" date=|a release $version with its date" \
  "$metainfo|<content_rating type=\"oars-1\.[01]\"|an OARS content rating" \
  "$metainfo|<developer id=\"[^\"]+\">|a <developer>" \
  "$metainfo|<caption>[^<]+</caption>|a screenshot caption" \
  "$metainfo|<image>[^<]*/docs/screenshot\.png</image>|the screenshot docs/screenshot.png" \
  "$desktop|^Exec=trixola( .*)?$|Exec=trixola, the installed bin/trixola" \
  "$desktop|^Icon=$app_id$|Icon=$app_id, which is installed at every size above" \
  "$desktop|^Categories=(.*;)?Game;|the Game category" \
  "$desktop|^Keywords=[^;]+;|keywords"; do
  IFS='|' read -r file pattern what <<<"$row"
  grep -qE "$pattern" "$file" || fail "$(basename "$file") has no $what"
done
[[ -f "$source/docs/screenshot.png" ]] || fail "docs/screenshot.png, the metainfo's screenshot, is missing"

# --- Manual page -----------------------------------------------------------
page="$prefix/share/man/man6/trixola.6.gz"
# Its warnings are lintian's (groff-message) in debian_package.
MANWIDTH=80 LC_ALL=C.UTF-8 man -l "$page" >"$tmp/man.txt" || fail "man -l cannot render trixola.6.gz"
for heading in NAME SYNOPSIS DESCRIPTION OPTIONS FILES ENVIRONMENT "EXIT STATUS"; do
  grep -qx "$heading" "$tmp/man.txt" || fail "the manual page has no $heading section"
done
grep -q '^ *trixola - noughts and crosses against the computer$' "$tmp/man.txt" ||
  fail "the manual page's NAME line is not 'trixola - noughts and crosses against the computer'"
# As for a user of ~/.local: man looks beside the folders of PATH.
found=$(PATH="$prefix/bin:$PATH" MANPATH= man -w 6 trixola 2>&1)
[[ "$found" == "$page" || "$found" == "$real_prefix/share/man/man6/trixola.6.gz" ]] ||
  fail "with bin/ in PATH, 'man -w 6 trixola' finds '$found'"

# --- Starting the installed program ----------------------------------------
# Started by name through PATH, as the desktop entry starts it, from a
# folder with no sounds in it, with every file-name system call recorded, one
# file per thread (-ff) so no call is split. The program loads its five
# sounds right after showing the window: within 60 s each must have been
# opened, only from the program's folder, and the program must still be
# running then.
folder="$real_prefix/lib/trixola" deadline=$((SECONDS + 60))
declare -A opened=()
mkdir -p "$tmp/elsewhere" "$tmp/trace"
(cd "$tmp/elsewhere" && PATH="$prefix/bin:$PATH" QT_QPA_PLATFORM=offscreen \
  exec strace -ff -qq -xx -e trace=%file -o "$tmp/trace/t" timeout 90 trixola >"$tmp/run.log" 2>&1) &
tracer=$!
until ((${#opened[@]} >= ${#sounds[@]} || SECONDS > deadline)) || ! kill -0 "$tracer" 2>/dev/null; do
  sleep 0.2
  opened=()
  # Finished calls on names that end in ".wav": syscall(..., "\x2f...", ...) = result
  while IFS='"' read -r call quoted rest; do
    path=$(printf '%b' "$quoted") name=$(basename "$path" .wav)
    if [[ " ${sounds[*]} " != *" $name "* || "$path" != "$folder/$name.wav" ]]; then
      opened[bad]="the program looked up '$path', not a sound beside it: ${call%%(*}"
    elif [[ "$call" == openat\(* && "$rest" =~ \ =\ [0-9]+$ ]]; then
      opened[$name]=1
    fi
  done < <(grep -h '\\x2e\\x77\\x61\\x76".* = ' "$tmp/trace"/t.* 2>/dev/null)
done
kill -0 "$tracer" 2>/dev/null ||
  { cat "$tmp/run.log"; fail "started through bin/, the program ended before its sounds were loaded"; }
kill $(pgrep -P "$tracer") 2>/dev/null # the timeout, which ends the program
wait "$tracer"
[[ -z "${opened[bad]:-}" ]] || fail "${opened[bad]}"
for name in "${sounds[@]}"; do
  [[ -n "${opened[$name]:-}" ]] || fail "$name.wav was not opened from $folder within 60 s"
done
echo "opened from $folder: ${!opened[*]}"

finish "install into '$prefix'"
