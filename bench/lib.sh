# shellcheck shell=bash disable=SC2034  # the variables are for the scripts that source this
# Shared helpers for the benchmark scripts. Source it; it sets BUILD, GAME,
# EMPTY and WAIT and starts a private Xvfb display (size SCREEN) that is
# stopped on exit, with everything started through start_bg.
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD=${BUILD:-$ROOT/build}
GAME=${GAME:-$BUILD/ui/trixola}
EMPTY=$BUILD/bench/bench_empty_window
WAIT=$BUILD/bench/wait_for_window
RESPONSE=$BUILD/bench/bench_response
SCREEN=${SCREEN:-1600x1200x24}  # room for the game and the empty window side by side
TITLE="Zembrik  TRIXOLA"

for tool in Xvfb xdotool xdpyinfo python3; do
  command -v "$tool" >/dev/null || {
    echo "bench: needs $tool (apt-get install xvfb xdotool x11-utils python3)" >&2
    exit 2
  }
done
for file in "$GAME" "$EMPTY" "$WAIT"; do
  [[ -x "$file" ]] || { echo "bench: $file is missing; configure with -DTRIXOLA_BUILD_BENCH=ON and build first (cmake --build \"$BUILD\")" >&2; exit 2; }
done

export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
unset WAYLAND_DISPLAY QT_QPA_PLATFORM QT_SCALE_FACTOR
# Xvfb picks a free display number itself and writes it once it is ready.
display_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 "$SCREEN" -nolisten tcp 3>"$display_file" >/dev/null 2>&1 &
XVFB_PID=$!
PIDS=()
cleanup() {
  for pid in "${PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
  kill "$XVFB_PID" 2>/dev/null || true
  rm -f "$display_file"
}
trap cleanup EXIT
trap 'exit 130' INT TERM
for _ in $(seq 200); do [[ -s "$display_file" ]] && break; sleep 0.05; done
[[ -s "$display_file" ]] || { echo "bench: Xvfb did not start" >&2; exit 2; }
DISPLAY=":$(head -n 1 "$display_file")"
export DISPLAY
xdpyinfo >/dev/null || { echo "bench: cannot reach the Xvfb display $DISPLAY" >&2; exit 2; }

# A desktop session has a D-Bus session bus, and Qt talks to it as soon as a
# widget with text appears (the accessibility bridge). Without one, libdbus
# tries to launch a bus and fails, which a desktop never pays; so give the
# programs a private bus unless there is one.
if [[ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ]] && command -v dbus-daemon >/dev/null; then
  bus_file=$(mktemp)
  dbus-daemon --session --nofork --nopidfile --print-address=3 3>"$bus_file" >/dev/null 2>&1 &
  PIDS+=($!)
  for _ in $(seq 100); do [[ -s "$bus_file" ]] && break; sleep 0.05; done
  DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$bus_file")
  export DBUS_SESSION_BUS_ADDRESS
  rm -f "$bus_file"
fi

# median FILE-OF-NUMBERS
median() { sort -g "$1" | awk '{a[NR]=$1} END {print (NR%2 ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2)}'; }

# rss_kib PID: resident memory in KiB
rss_kib() { awk '/^VmRSS:/ {print $2}' "/proc/$1/status"; }

# The per-thread figures below cover the threads alive when they are read; a
# thread that ends between two readings drops out, so the callers also
# report the thread count.

# wakeups PID: voluntary context switches of all its threads so far
wakeups() { cat /proc/"$1"/task/*/status 2>/dev/null | awk '/^voluntary_ctxt_switches:/ {s+=$2} END {print s+0}'; }

# cpu_ns PID: CPU time of all its threads so far, in nanoseconds
cpu_ns() { cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{s+=$1} END {printf "%d\n", s}'; }

# wait_idle PID: waits (up to 60 s) until the program has used less than
# 1 ms of CPU over 300 ms, i.e. it has worked off the input sent to it
wait_idle() {
  local before after
  for _ in $(seq 200); do
    before=$(cpu_ns "$1")
    sleep 0.3
    after=$(cpu_ns "$1")
    ((after - before < 1000000)) && return 0
  done
  echo "bench: process $1 did not settle" >&2
}

# thread_count PID
thread_count() { ls /proc/"$1"/task | wc -l; }

# thread_wakeups PID: one line per thread, "TID NAME VOLUNTARY-SWITCHES"
thread_wakeups() {
  local task
  for task in /proc/"$1"/task/*; do
    echo "${task##*/} $(tr ' ' '_' <"$task/comm" 2>/dev/null) $(awk '/^voluntary_ctxt_switches:/ {print $2}' "$task/status" 2>/dev/null)"
  done
}

# start_bg PROGRAM [ARG...]: starts it in the background, waits until it has
# a visible window and prints its pid
start_bg() {
  "$@" >/dev/null 2>&1 &
  local pid=$!
  PIDS+=("$pid")
  for _ in $(seq 200); do
    xdotool search --pid "$pid" --onlyvisible >/dev/null 2>&1 && break
    sleep 0.05
  done
  echo "$pid"
}

# game_window: the X window id of the game
game_window() { xdotool search --onlyvisible --name "^$TITLE\$" | head -n 1; }

# cell_click_args N: xdotool words that click cell N of the game window $WID
cell_click_args() {
  local n=$1
  local col=$(((n - 1) % 3)) row=$(((n - 1) / 3))
  echo "mousemove --window $WID $((64 + 48 * col + 24)) $((32 + 64 * row + 32)) click --delay 0 1"
}

# start_pulse: starts a private PulseAudio server with only a null sink and
# points PULSE_SERVER at it; false when pulseaudio is not installed
start_pulse() {
  command -v pulseaudio >/dev/null || return 1
  local dir
  dir=$(mktemp -d)
  pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no \
    -L "module-null-sink norewinds=1" -L "module-native-protocol-unix socket=$dir/native auth-anonymous=1" \
    >"$dir/log" 2>&1 &
  PIDS+=($!)
  for _ in $(seq 50); do [[ -S "$dir/native" ]] && break; sleep 0.1; done
  export PULSE_SERVER="unix:$dir/native"
}

# machine_load: the load average, for judging how noisy a run's timings are
machine_load() {
  echo "load average at the start: $(cut -d' ' -f1-3 /proc/loadavg), $(nproc) cores;" \
    "session bus: $([[ -n "${DBUS_SESSION_BUS_ADDRESS:-}" ]] && echo yes || echo none)"
}
