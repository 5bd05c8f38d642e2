#!/usr/bin/env bash
# Resident memory after start and after many matches played with the mouse,
# beside an empty Qt window.
#   bench/memory.sh [MATCHES]   (default 1000)
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
matches=${1:-1000}

game=$(start_bg "$GAME")
empty=$(start_bg "$EMPTY")
WID=$(game_window)
sleep 2
start_game=$(rss_kib "$game") start_empty=$(rss_kib "$empty")

# One match: Easy 5, 6, 9 (the computer wins), then Alt+N for New Game.
match="$(cell_click_args 5) $(cell_click_args 6) $(cell_click_args 9) key --window $WID alt+n"
play() {  # play COUNT matches, 50 to an xdotool call
  local left=$1
  while ((left > 0)); do
    local batch=$((left < 50 ? left : 50)) words=""
    for _ in $(seq "$batch"); do words+=" $match"; done
    xdotool $words
    left=$((left - batch))
  done
}
play 100
sleep 1
after_100=$(rss_kib "$game")
play $((matches - 100))
sleep 1
after_all=$(rss_kib "$game")
shot=${TMPDIR:-/tmp}/trixola-memory.png
command -v import >/dev/null && import -window root "$shot" 2>/dev/null || shot=""

echo "resident memory (KiB):"
echo "  empty window after start        $start_empty"
echo "  game after start                $start_game"
echo "  game after 100 matches          $after_100"
echo "  game after $matches matches         $after_all"
python3 -c "print(f'  ratio game/empty after start    {$start_game/$start_empty:.2f}x  (goal <= 1.25x)')"
python3 -c "print(f'  growth from 100 to $matches matches  {$after_all-$after_100:+d} KiB')"
[[ -n "$shot" ]] && echo "  screenshot of the score at the end: $shot"
