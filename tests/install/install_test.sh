#!/usr/bin/env bash
# Installs the built game into a fresh prefix whose path holds a space and a
# non-ASCII letter, and checks that what lands there is a working desktop
# application:
#   - exactly the expected files, the sounds and icons equal to their sources;
#   - bin/trixola is a relative link that resolves to lib/trixola/trixola;
#   - the installed program carries no RPATH;
#   - the desktop entry and the metainfo pass their validators and agree with
#     each other and with the installed program and icons;
#   - started through the link from another folder, the program stays up, and
#     every sound file it looks up is the one beside it in the prefix.
#
# Usage: install_test.sh <cmake> <build dir> <built program> <source dir>
#                        with-licence|no-licence
# Exit 77 (skipped) when a tool the checks need is not installed.
set -uo pipefail

cmake=$1 build=$2 built_program=$3 source=$4 licence=$5
app_id=org.trixola.Trixola
sounds=(click level youwon compwon draw)
icon_sizes=(16 24 32 48 64 128 256)

for tool in desktop-file-validate appstreamcli strace readelf timeout; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIP: $tool is not installed"
    exit 77
  fi
done
if ! strace -qq -o /dev/null true 2>/dev/null; then
  echo "SKIP: strace cannot trace here (ptrace not permitted)"
  exit 77
fi
if [[ ! -x "$built_program" ]]; then
  echo "FAIL: $built_program is missing: build the project before running this test"
  exit 1
fi

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
prefix="$tmp/pré fix"
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

if ! "$cmake" --install "$build" --prefix "$prefix" >"$tmp/install.log" 2>&1; then
  cat "$tmp/install.log"
  echo "FAIL: cmake --install failed"
  exit 1
fi
real_prefix=$(cd "$prefix" && pwd -P)

# --- Layout: every installed file, and what each must equal ---------------
# "installed path|file it must equal, relative to the source folder or
# absolute (empty: checked further below)"
expected=("lib/trixola/trixola|" "bin/trixola|"
  "share/applications/$app_id.desktop|"
  "share/metainfo/$app_id.metainfo.xml|"
  "share/icons/hicolor/scalable/apps/$app_id.svg|assets/icons/hicolor/scalable/apps/$app_id.svg")
# The sounds must be the ones the build put beside the program.
build_dir_of_program=$(dirname "$built_program")
for s in "${sounds[@]}"; do expected+=("lib/trixola/$s.wav|$build_dir_of_program/$s.wav"); done
for n in "${icon_sizes[@]}"; do
  expected+=("share/icons/hicolor/${n}x$n/apps/$app_id.png|assets/icons/hicolor/${n}x$n/apps/$app_id.png")
done
if [[ "$licence" == with-licence ]]; then expected+=("share/doc/trixola/copyright|LICENSE"); fi

for row in "${expected[@]}"; do
  path=${row%%|*} origin=${row#*|}
  [[ -z "$origin" || "$origin" == /* ]] || origin="$source/$origin"
  if [[ ! -e "$prefix/$path" ]]; then
    fail "$path is not installed"
  elif [[ -n "$origin" ]] && ! cmp -s "$prefix/$path" "$origin"; then
    fail "$path differs from $origin"
  fi
done
(cd "$prefix" && find . ! -type d | sed 's|^\./||' | sort) >"$tmp/found"
printf '%s\n' "${expected[@]%%|*}" | sort >"$tmp/wanted"
if ! diff -u "$tmp/wanted" "$tmp/found" >"$tmp/layout.diff"; then
  cat "$tmp/layout.diff"
  fail "installed files differ from the expected layout (- missing, + unexpected)"
fi

# --- The program and its launcher link ------------------------------------
program="$prefix/lib/trixola/trixola"
link="$prefix/bin/trixola"
[[ -f "$program" && ! -L "$program" && -x "$program" ]] ||
  fail "lib/trixola/trixola is not an executable file"
if [[ ! -L "$link" ]]; then
  fail "bin/trixola is not a symbolic link"
else
  [[ $(readlink "$link") == ../lib/trixola/trixola ]] ||
    fail "bin/trixola points to '$(readlink "$link")', not ../lib/trixola/trixola"
  [[ $(readlink -f "$link") == "$real_prefix/lib/trixola/trixola" ]] ||
    fail "bin/trixola resolves to '$(readlink -f "$link")'"
fi
if readelf -d "$program" | grep -E '\((RPATH|RUNPATH)\)'; then
  fail "the installed program keeps an RPATH"
fi

# --- Desktop entry and metainfo --------------------------------------------
desktop="$prefix/share/applications/$app_id.desktop"
metainfo="$prefix/share/metainfo/$app_id.metainfo.xml"
if ! desktop-file-validate "$desktop"; then fail "desktop-file-validate rejects $app_id.desktop"; fi
if ! appstreamcli validate --no-net "$metainfo"; then
  fail "appstreamcli rejects $app_id.metainfo.xml"
fi
key() { sed -n "s/^$1=//p" "$desktop"; }
exec_program=$(key Exec | cut -d' ' -f1)
[[ -n "$exec_program" && -e "$prefix/bin/$exec_program" ]] ||
  fail "Exec names '$exec_program', which is not installed in bin"
icon=$(key Icon)
for n in "${icon_sizes[@]}"; do
  [[ -f "$prefix/share/icons/hicolor/${n}x$n/apps/$icon.png" ]] ||
    fail "Icon '$icon' has no ${n}x$n picture"
done
# "element|value it must hold"
for row in "id|$app_id" "launchable|$app_id.desktop" "binary|$exec_program"; do
  element=${row%%|*} value=${row#*|}
  grep -q "<${element}[^>]*>$value</$element>" "$metainfo" ||
    fail "metainfo has no <$element> '$value'"
done

# --- Starting the installed program ----------------------------------------
# From a folder with no sounds in it, so only the program's own folder can
# supply them. `timeout` ends a program that stays up with 124.
elsewhere="$tmp/elsewhere"
mkdir "$elsewhere"
export QT_QPA_PLATFORM=offscreen
(cd "$elsewhere" && timeout 2 "$link" >"$tmp/run.log" 2>&1)
rc=$?
if ((rc != 124)); then
  cat "$tmp/run.log"
  fail "started through bin/trixola, the program ended after less than 2 s (status $rc)"
fi

# Again by name through PATH, as the desktop entry starts it, recording every
# file-name system call, one file per thread (-ff) so no call is split. The
# program loads its five sounds right after showing the window, so within 3 s
# each must have been opened, and only from the program's folder.
mkdir "$tmp/trace"
(cd "$elsewhere" && PATH="$prefix/bin:$PATH" strace -ff -qq -xx -e trace=%file \
  -o "$tmp/trace/t" timeout 3 trixola >"$tmp/run.log" 2>&1)
rc=$?
if ((rc != 124)); then
  cat "$tmp/run.log"
  fail "started under strace, the program ended after less than 3 s (status $rc)"
fi
declare -A opened=()
lookups=0
while IFS= read -r line; do
  # Lines read: syscall(..., "\x2f\x74...", ...) = result. Only names that
  # end in ".wav" are decoded.
  [[ "$line" == *'\x2e\x77\x61\x76"'* ]] || continue
  quoted=${line#*\"}
  path=$(printf '%b' "${quoted%%\"*}")
  lookups=$((lookups + 1))
  name=$(basename "$path" .wav)
  if [[ " ${sounds[*]} " != *" $name "* || "$path" != "$real_prefix/lib/trixola/$name.wav" ]]; then
    fail "the program looked up '$path', not a sound beside it: ${line%%(*}"
  elif [[ "$line" == openat\(* && "${line##*= }" =~ ^[0-9]+$ ]]; then
    opened[$name]=1
  fi
done < <(cat "$tmp/trace"/t.*)
for s in "${sounds[@]}"; do
  [[ -n "${opened[$s]:-}" ]] || fail "$s.wav was not opened from lib/trixola within 3 s"
done
echo "sound file look-ups in 3 s: $lookups; opened from lib/trixola: ${!opened[*]}"

if ((failures > 0)); then
  echo "$failures check(s) failed"
  exit 1
fi
echo "install into '$prefix': all checks passed"
