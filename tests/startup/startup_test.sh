#!/usr/bin/env bash
# Starts the game where no graphical display can be had and checks that it
# says so in one line on stderr and exits with status 1: no abort (which
# would dump core), no other signal, no Qt diagnostics around the line.
# Then checks the command line, still with no display: --help and --version
# answer on stdout with status 0, anything unknown is refused with the usage
# on stderr and status 2, and Qt's own options are let through to Qt, whose
# window then comes up.
#
# Usage: startup_test.sh <program> <version>
set -uo pipefail

program=$1 version=$2
no_display='trixola: no graphical display found (set DISPLAY or WAYLAND_DISPLAY, or QT_QPA_PLATFORM=offscreen)'
cannot_open='trixola: cannot open the graphical display'
usage='Usage: trixola [options]' usage_glob='Usage: trixola \[options\]'

# A display number with no server behind it.
free_display=987
while [[ -e /tmp/.X11-unix/X$free_display || -e /tmp/.X$free_display-lock ]]; do
  free_display=$((free_display + 1))
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# name | environment (beyond no display variables at all) | arguments |
# status ("up": the window comes up) | the stream that answers | a pattern the
# whole answer matches; the other stream stays empty. A Wayland session always
# has its runtime folder; without one, libwayland says so on a line of its own.
cases=(
  "no display variables|||1|err|$no_display"
  "display variables empty|DISPLAY= WAYLAND_DISPLAY= QT_QPA_PLATFORM=||1|err|$no_display"
  "DISPLAY with no server|DISPLAY=:$free_display||1|err|$cannot_open*DISPLAY=\":$free_display\"*"
  "WAYLAND_DISPLAY with no compositor|XDG_RUNTIME_DIR=$work WAYLAND_DISPLAY=trixola-none||1|err|$cannot_open*WAYLAND_DISPLAY=\"trixola-none\"*"
  "X11 platform forced, no DISPLAY|QT_QPA_PLATFORM=xcb||1|err|$cannot_open*QT_QPA_PLATFORM=\"xcb\"*"
  "X11 platform forced by option||-platform xcb|1|err|$cannot_open*-platform \"xcb\"*"
  "display option with no server||-display :$free_display|1|err|$cannot_open*-display \":$free_display\"*"
  "help||--help|0|out|$usage_glob*-v, --version*"
  "short help||-h|0|out|$usage_glob*"
  "version||--version|0|out|trixola $version"
  "short version||-v|0|out|trixola $version"
  "Qt options before the version||-platform offscreen -style fusion --version|0|out|trixola $version"
  "unknown option||--bogus|2|err|trixola: Unknown option 'bogus'.*"
  "unknown option after help||--help -x|2|err|trixola: Unknown option 'x'.*"
  "short options run together||-hv|2|err|trixola: Unknown option 'hv'.*"
  "an argument||game.txt|2|err|trixola: Unexpected argument 'game.txt'.*"
  "Qt option without its value||-style|2|err|trixola: Missing value after '-style'.*"
  "Qt options start the window||-platform offscreen -style=fusion -reverse -qwindowtitle T|up||"
)

failures=0
for entry in "${cases[@]}"; do
  IFS='|' read -r name environment arguments want stream pattern <<<"$entry"
  read -ra env_args <<<"$environment"
  read -ra args <<<"$arguments"
  # From a scratch folder, so that a core dump of a failing run does not land
  # in the build; a window that comes up is known by libpulse, which the game
  # opens once its window is shown.
  (cd "$work" && exec timeout 30 env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \
    "${env_args[@]}" "$program" "${args[@]}") >"$work/out" 2>"$work/err" &
  pid=$! status=up
  until grep -qs libpulse "/proc/$(pgrep -P $pid)/maps"; do
    kill -0 $pid 2>/dev/null || { wait $pid; status=$?; break; }
    sleep 0.05
  done
  [[ $status == up ]] && kill $pid && wait $pid
  if [[ $stream == out ]]; then answer=$(<"$work/out") other=$work/err; else answer=$(<"$work/err") other=$work/out; fi
  problem=
  if [[ $status != "$want" ]]; then
    problem="exit status $status, expected $want"
  elif [[ $want != up && ($answer != $pattern || -s $other) ]]; then
    problem="unexpected answer"
  elif [[ $want == 1 && $answer == *$'\n'* ]]; then
    problem="more than one line"
  elif [[ $want == 2 ]] && ! grep -qxF "$usage" "$work/err"; then
    problem="a refused command line must print the usage"
  fi
  [[ -n $problem ]] && failures=$((failures + 1))
  echo "${problem:+FAIL: }$name: ${problem:-ok}"
  [[ -n $problem ]] && sed 's/^/  stdout: /' "$work/out" && sed 's/^/  stderr: /' "$work/err"
  rm -f "$work"/core* "$work/out" "$work/err"
done
exit $((failures > 0))
