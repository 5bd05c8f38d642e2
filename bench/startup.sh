#!/usr/bin/env bash
# Start-up time: from launch until the window is mapped on the display, for
# the game and for an empty Qt Widgets window of the same size, interleaved.
#   bench/startup.sh [RUNS]   (default 21)
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
runs=${1:-21}
machine_load
game_times=$(mktemp) empty_times=$(mktemp)
"$WAIT" "$GAME" >/dev/null; "$WAIT" "$EMPTY" >/dev/null  # warm the caches
for _ in $(seq "$runs"); do
  "$WAIT" "$GAME" >>"$game_times"
  "$WAIT" "$EMPTY" >>"$empty_times"
done
g=$(median "$game_times") e=$(median "$empty_times")
echo "start-up, median of $runs interleaved runs (ms until the window is mapped):"
printf '  game          %8.1f  (min %s, max %s)\n' "$g" "$(sort -g "$game_times" | head -1)" "$(sort -g "$game_times" | tail -1)"
printf '  empty window  %8.1f  (min %s, max %s)\n' "$e" "$(sort -g "$empty_times" | head -1)" "$(sort -g "$empty_times" | tail -1)"
python3 -c "print(f'  ratio         {$g/$e:8.2f}x  (goal <= 1.10x)')"
rm -f "$game_times" "$empty_times"
