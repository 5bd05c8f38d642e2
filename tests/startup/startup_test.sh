#!/usr/bin/env bash
# Starts the game where no graphical display can be had and checks that it
# says so in one line on stderr and exits with status 1: no abort (which
# would dump core), no other signal, no Qt diagnostics around the line.
#
# Usage: startup_test.sh <program>
set -uo pipefail

program=$1
no_display='trixola: no graphical display found (set DISPLAY or WAYLAND_DISPLAY, or QT_QPA_PLATFORM=offscreen)'
cannot_open='trixola: cannot open the graphical display'

# A display number with no server behind it.
free_display=987
while [[ -e /tmp/.X11-unix/X$free_display || -e /tmp/.X$free_display-lock ]]; do
  free_display=$((free_display + 1))
done

# name | environment (env arguments) | the whole line expected, or its start
# followed by "..." and a part it must contain
cases=(
  "no display variables|-u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM|$no_display"
  "display variables empty|DISPLAY= WAYLAND_DISPLAY= QT_QPA_PLATFORM=|$no_display"
  "DISPLAY with no server|-u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:$free_display|$cannot_open...DISPLAY=\":$free_display\""
  "WAYLAND_DISPLAY with no compositor|-u DISPLAY -u QT_QPA_PLATFORM WAYLAND_DISPLAY=trixola-none|$cannot_open...WAYLAND_DISPLAY=\"trixola-none\""
  "X11 platform forced, no DISPLAY|-u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb|$cannot_open...QT_QPA_PLATFORM=\"xcb\""
)

failures=0
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for entry in "${cases[@]}"; do
  IFS='|' read -r name environment expected <<<"$entry"
  read -ra env_args <<<"$environment"
  # Run from a scratch folder, so that a core dump of a failing run does not
  # land in the build.
  (cd "$work" && exec timeout 30 env "${env_args[@]}" "$program") >"$work/out" 2>"$work/err"
  status=$?
  mapfile -t lines <"$work/err"

  problem=
  if ((status == 124)); then
    problem="still running after 30 s"
  elif ((status > 128)); then
    problem="killed by signal $((status - 128))"
  elif ((status != 1)); then
    problem="exit status $status, expected 1"
  elif ((${#lines[@]} != 1)); then
    problem="${#lines[@]} lines on stderr, expected 1"
  elif [[ $expected == *...* ]]; then
    start=${expected%%...*} part=${expected#*...}
    if [[ ${lines[0]} != "$start"* || ${lines[0]} != *"$part"* ]]; then
      problem="unexpected message"
    fi
  elif [[ ${lines[0]} != "$expected" ]]; then
    problem="unexpected message"
  fi
  if [[ -z $problem && -s $work/out ]]; then
    problem="wrote to stdout"
  fi

  if [[ -n $problem ]]; then
    echo "FAIL: $name: $problem"
    sed 's/^/  stderr: /' "$work/err"
    failures=$((failures + 1))
  else
    echo "ok: $name: ${lines[0]}"
  fi
  rm -f "$work"/core* "$work/out" "$work/err"
done

exit $((failures > 0))
