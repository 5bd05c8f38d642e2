#!/usr/bin/env bash
# Idle cost: wake-ups (voluntary context switches, all threads) and CPU per
# second, (a) while a match runs, (b) after a match has ended, beside an empty
# Qt window measured over the same seconds.
#   bench/idle.sh [SECONDS]   (default 30)
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
secs=${1:-30}
hz=$(getconf CLK_TCK)

measure() {  # measure LABEL PID PID...: prints per-second figures over $secs
  local label=$1; shift
  local -a w0 c0
  for pid in "$@"; do w0+=("$(wakeups "$pid")"); c0+=("$(cpu_ticks "$pid")"); done
  sleep "$secs"
  local i=0
  for pid in "$@"; do
    local w=$(($(wakeups "$pid") - w0[i])) c=$(($(cpu_ticks "$pid") - c0[i]))
    local name=game; [[ $i -gt 0 ]] && name="empty window"
    python3 -c "print(f'  {\"$label\":<22} {\"$name\":<13} {$w/$secs:7.2f} wake-ups/s   CPU {100*$c/$hz/$secs:6.3f} % of a core')"
    i=$((i + 1))
  done
}

game=$(start_bg "$GAME")
empty=$(start_bg "$EMPTY")
WID=$(game_window)
sleep 2
echo "idle over $secs s:"
measure "(a) during a match" "$game" "$empty"
# Easy: 5, 6, 9 ends in the computer's win.
xdotool $(cell_click_args 5) $(cell_click_args 6) $(cell_click_args 9) mousemove 1000 700
sleep 1
measure "(b) after the match" "$game" "$empty"
echo "  goals: (a) <= 1.1 wake-ups/s, (b) <= 0.1 wake-ups/s, CPU <= 0.1 %"
