# Shared helpers for the benchmark scripts. Source it; it sets BUILD, GAME,
# EMPTY and starts a private Xvfb display that is stopped on exit.
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD=${BUILD:-$ROOT/build}
GAME=${GAME:-$BUILD/ui/trixola}
EMPTY=$BUILD/bench/bench_empty_window
WAIT=$BUILD/bench/wait_for_window
TITLE="Zembrik  TRIXOLA"

for tool in Xvfb xdotool python3; do
  command -v "$tool" >/dev/null || { echo "bench: needs $tool (apt-get install xvfb xdotool python3)" >&2; exit 2; }
done
for file in "$GAME" "$EMPTY" "$WAIT"; do
  [[ -x "$file" ]] || { echo "bench: $file is missing; build first (scripts/test or cmake --build build)" >&2; exit 2; }
done

export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
unset WAYLAND_DISPLAY QT_QPA_PLATFORM
display_number=$((90 + RANDOM % 100))
Xvfb ":$display_number" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
XVFB_PID=$!
export DISPLAY=":$display_number"
PIDS=()
cleanup() {
  for pid in "${PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
  kill "$XVFB_PID" 2>/dev/null || true
}
trap cleanup EXIT
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done 2>/dev/null || sleep 1

# median FILE-OF-NUMBERS
median() { sort -g "$1" | awk '{a[NR]=$1} END {print (NR%2 ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2)}'; }

# rss_kib PID: resident memory in KiB
rss_kib() { awk '/^VmRSS:/ {print $2}' "/proc/$1/status"; }

# wakeups PID: voluntary context switches of all its threads so far
wakeups() { cat /proc/"$1"/task/*/status | awk '/^voluntary_ctxt_switches:/ {s+=$2} END {print s}'; }

# cpu_ticks PID: user + system clock ticks so far
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }

# start_bg PROGRAM: starts it in the background, waits until it has a window
start_bg() {
  "$1" >/dev/null 2>&1 &
  local pid=$!
  PIDS+=("$pid")
  for _ in $(seq 100); do
    xdotool search --pid "$pid" --onlyvisible >/dev/null 2>&1 && break
    sleep 0.05
  done
  echo "$pid"
}

# game_window: the X window id of the game
game_window() { xdotool search --onlyvisible --name "^$TITLE\$" | head -n 1; }

# cell_click_args N: xdotool words that click cell N of the game window
cell_click_args() {
  local n=$1 col=$(((n - 1) % 3)) row=$(((n - 1) / 3))
  echo "mousemove --window $WID $((64 + 48 * col + 24)) $((32 + 64 * row + 32)) click 1"
}
