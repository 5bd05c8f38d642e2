#!/usr/bin/env bash
# Starts the game where no graphical display can be had and checks that it
# says so in one line on stderr and exits with status 1: no abort (which
# would dump core), no other signal, no Qt diagnostics around the line.
# Then checks the command line, still with no display: --help and --version
# answer on stdout with status 0, anything unknown is refused with the usage
# on stderr and status 2, and Qt's own options are let through to Qt.
#
# Usage: startup_test.sh <program> <version>
set -uo pipefail

program=$1 version=$2
no_display='trixola: no graphical display found (set DISPLAY or WAYLAND_DISPLAY, or QT_QPA_PLATFORM=offscreen)'
cannot_open='trixola: cannot open the graphical display'

# A display number with no server behind it.
free_display=987
while [[ -e /tmp/.X11-unix/X$free_display || -e /tmp/.X$free_display-lock ]]; do
  free_display=$((free_display + 1))
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# name | environment (env arguments) | the whole line expected, or its start
# followed by "..." and a part it must contain. A Wayland session always has
# its runtime folder; without one, libwayland says so on a line of its own.
cases=(
  "no display variables|-u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM|$no_display"
  "display variables empty|DISPLAY= WAYLAND_DISPLAY= QT_QPA_PLATFORM=|$no_display"
  "DISPLAY with no server|-u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:$free_display|$cannot_open...DISPLAY=\":$free_display\""
  "WAYLAND_DISPLAY with no compositor|-u DISPLAY -u QT_QPA_PLATFORM XDG_RUNTIME_DIR=$work WAYLAND_DISPLAY=trixola-none|$cannot_open...WAYLAND_DISPLAY=\"trixola-none\""
  "X11 platform forced, no DISPLAY|-u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb|$cannot_open...QT_QPA_PLATFORM=\"xcb\""
  "X11 platform forced by option|-u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -- -platform xcb|$cannot_open...-platform \"xcb\""
  "display option with no server|-u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -- -display :$free_display|$cannot_open...-display \":$free_display\""
)

failures=0

for entry in "${cases[@]}"; do
  IFS='|' read -r name environment expected <<<"$entry"
  read -ra env_args <<<"$environment"
  # "-- args" at the end: command-line arguments for the program.
  args=()
  for i in "${!env_args[@]}"; do
    if [[ ${env_args[i]} == -- ]]; then
      args=("${env_args[@]:i+1}") env_args=("${env_args[@]:0:i}")
      break
    fi
  done
  # Run from a scratch folder, so that a core dump of a failing run does not
  # land in the build.
  (cd "$work" && exec timeout 30 env "${env_args[@]}" "$program" "${args[@]}") >"$work/out" 2>"$work/err"
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

# --- The command line, with no display variables at all ------------------
usage='Usage: trixola [options]'
# name | arguments | status | stdout starts with | stderr starts with
# (status 124: still running after 3 s, the window is up)
options=(
  "help|--help|0|$usage|"
  "short help|-h|0|$usage|"
  "version|--version|0|trixola $version|"
  "short version|-v|0|trixola $version|"
  "Qt options before the version|-platform offscreen -style fusion --version|0|trixola $version|"
  "unknown option|--bogus|2||trixola: Unknown option 'bogus'."
  "unknown option after help|--help -x|2||trixola: Unknown option 'x'."
  "short options run together|-hv|2||trixola: Unknown option 'hv'."
  "an argument|game.txt|2||trixola: Unexpected argument 'game.txt'."
  "Qt option without its value|-style|2||trixola: Missing value after '-style'."
  "Qt options start the window|-platform offscreen -style=fusion -reverse -qwindowtitle T|124||"
)
for entry in "${options[@]}"; do
  IFS='|' read -r name arguments want_status want_out want_err <<<"$entry"
  read -ra args <<<"$arguments"
  (cd "$work" && exec timeout 3 env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \
    "$program" "${args[@]}") >"$work/out" 2>"$work/err"
  status=$?
  out=$(head -n1 "$work/out") err=$(head -n1 "$work/err")
  problem=
  if ((status != want_status)); then
    problem="exit status $status, expected $want_status"
  elif [[ -n $want_out && $out != "$want_out"* ]]; then
    problem="stdout starts '$out', expected '$want_out'"
  elif [[ -n $want_err && $err != "$want_err"* ]]; then
    problem="stderr starts '$err', expected '$want_err'"
  elif ((status == 2)) && { [[ -s $work/out ]] || ! grep -qxF "$usage" "$work/err"; }; then
    problem="a refused command line must print the usage on stderr only"
  elif ((status == 0)) && [[ -s $work/err ]]; then
    problem="wrote to stderr"
  fi
  if [[ -n $problem ]]; then
    echo "FAIL: $name: $problem"
    sed 's/^/  stdout: /' "$work/out"
    sed 's/^/  stderr: /' "$work/err"
    failures=$((failures + 1))
  else
    echo "ok: $name: $arguments"
  fi
done
# The help names every option of the program.
"$program" --help | grep -q -- '-v, --version' || {
  echo "FAIL: --help does not list -v, --version"
  failures=$((failures + 1))
}

exit $((failures > 0))
