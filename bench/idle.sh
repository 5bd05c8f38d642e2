#!/usr/bin/env bash
# Idle cost: wake-ups (voluntary context switches, all threads) and CPU time
# per second, (a) while a match runs, (b) after a match has ended, beside an
# empty Qt window measured over the same seconds. Then, when pulseaudio is
# installed, the same again with a private PulseAudio server that has only a
# null sink, as a desktop's sound server would be there.
#   bench/idle.sh [SECONDS]   (default 30)
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
secs=${1:-30}

# per_second COUNT: COUNT / secs with two decimals
per_second() { python3 -c "print(f'{$1 / $secs:.2f}')"; }

# measure LABEL GAME-PID EMPTY-PID: figures of both over the same $secs
measure() {
  local label=$1 game=$2 empty=$3
  local w0g w0e c0g c0e n0 before after
  before=$(thread_wakeups "$game")
  w0g=$(wakeups "$game") w0e=$(wakeups "$empty") c0g=$(cpu_ns "$game") c0e=$(cpu_ns "$empty")
  n0=$(thread_count "$game")
  sleep "$secs"
  local wg=$(($(wakeups "$game") - w0g)) we=$(($(wakeups "$empty") - w0e))
  local cg=$(($(cpu_ns "$game") - c0g)) ce=$(($(cpu_ns "$empty") - c0e))
  after=$(thread_wakeups "$game")
  python3 - "$label" "$secs" "$wg" "$cg" "$we" "$ce" <<'EOF'
import sys
label, secs = sys.argv[1], float(sys.argv[2])
wg, cg, we, ce = (int(v) for v in sys.argv[3:])
for name, w, c in (("game", wg, cg), ("empty window", we, ce)):
    print(f"  {label:<22} {name:<13} {w / secs:6.2f} wake-ups/s   CPU {100 * c / 1e9 / secs:6.3f} % of a core")
EOF
  # Which threads of the game woke up, and how often.
  join <(sort <<<"$before") <(sort <<<"$after") |
    awk -v s="$secs" '{printf "      %-18s %5.2f/s\n", $2, ($5 - $3) / s}'
  echo "      threads: $n0 at the start, $(thread_count "$game") at the end"
}

# run_case HEADING: a fresh game and empty window, then (a) and (b)
run_case() {
  echo "$1"
  local game empty
  game=$(start_bg "$GAME")
  empty=$(start_bg "$EMPTY")
  WID=$(game_window)
  [[ -n "$WID" ]] || { echo "bench: the game window did not appear" >&2; exit 1; }
  sleep 2  # the sounds load after the first frame
  measure "(a) during a match" "$game" "$empty"
  # Easy: 5, 6, 9 ends in the computer's win, and the clock stops.
  # shellcheck disable=SC2046  # the words are meant to split
  xdotool $(cell_click_args 5) $(cell_click_args 6) $(cell_click_args 9) mousemove 1000 700
  sleep 5  # the result sound (1.1 s) plays out, and its stream with it
  measure "(b) after the match" "$game" "$empty"
  kill "$game" "$empty"
}

machine_load
echo "idle over $secs s (wake-ups: voluntary context switches of all threads)"
run_case "without a sound server (this machine has no sound card):"

if start_pulse; then
  run_case "with a PulseAudio server (null sink):"
else
  echo "(pulseaudio is not installed: the run with a sound server is left out)"
fi
echo "  goals: (a) <= 1.1 wake-ups/s, (b) <= 0.1 wake-ups/s, CPU <= 0.1 % of a core"
