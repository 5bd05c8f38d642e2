#!/usr/bin/env bash
# Resident memory after start and after many matches played with the mouse
# through the X server, beside an empty Qt window started at the same time.
#   bench/memory.sh [MATCHES]   (default 1000)
# Leaves a screenshot of the window at the end (the score shows the matches
# played) in ${TMPDIR:-/tmp}/trixola-memory.png when ImageMagick is there.
# SOUND_SERVER=pulseaudio runs both programs beside a private PulseAudio
# server (null sink), so that the game's player connects and plays.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
matches=${1:-1000}
if [[ ${SOUND_SERVER:-} == pulseaudio ]]; then
  start_pulse || { echo "bench: pulseaudio is not installed" >&2; exit 2; }
  echo "with a private PulseAudio server (null sink)"
fi
warmup=$((matches < 100 ? matches : 100))
machine_load

# rss PID: "VmRSS RssAnon" in KiB
rss() { awk '/^VmRSS:/ {r=$2} /^RssAnon:/ {a=$2} END {print r, a}' "/proc/$1/status"; }

game=$(start_bg "$GAME")
empty=$(start_bg "$EMPTY")
WID=$(game_window)
[[ -n "$WID" ]] || { echo "bench: the game window did not appear" >&2; exit 1; }
sleep 2  # the sounds load after the first frame
read -r start_game start_game_anon <<<"$(rss "$game")"
read -r start_empty start_empty_anon <<<"$(rss "$empty")"

# One match at "Easy": 5, 6, 9 (the computer wins), then a click on "New Game"
# (its Alt+N would animate the button and start the match 100 ms later).
# PACE=SECONDS waits that long after every click, as a quick player would,
# instead of sending the clicks as fast as the X server takes them.
pace=${PACE:+ sleep $PACE}
match="$(cell_click_args 5)$pace $(cell_click_args 6)$pace $(cell_click_args 9)$pace"
match+=" mousemove --window $WID $(((4680 + 1215 / 2) / 15)) $(((3720 + 495 / 2) / 15)) click --delay 0 1$pace"
play() {  # play COUNT matches, 50 to an xdotool call
  local left=$1 batch words
  while ((left > 0)); do
    batch=$((left < 50 ? left : 50)) words=""
    for _ in $(seq "$batch"); do words+=" $match"; done
    # shellcheck disable=SC2086
    xdotool $words
    left=$((left - batch))
  done
}
t0=$(date +%s.%N)
play "$warmup"
wait_idle "$game"
read -r warm_game warm_game_anon <<<"$(rss "$game")"
play $((matches - warmup))
wait_idle "$game"
t1=$(date +%s.%N)
read -r end_game end_game_anon <<<"$(rss "$game")"
read -r end_empty end_empty_anon <<<"$(rss "$empty")"
shot=${TMPDIR:-/tmp}/trixola-memory.png
if command -v import >/dev/null && import -window "$WID" "$shot" 2>/dev/null; then :; else shot=""; fi

echo "resident memory, KiB (VmRSS, of it anonymous RssAnon):"
printf '  %-34s %8s %8s\n' "empty window after start" "$start_empty" "$start_empty_anon"
printf '  %-34s %8s %8s\n' "game after start" "$start_game" "$start_game_anon"
printf '  %-34s %8s %8s\n' "game after $warmup matches" "$warm_game" "$warm_game_anon"
printf '  %-34s %8s %8s\n' "game after $matches matches" "$end_game" "$end_game_anon"
printf '  %-34s %8s %8s\n' "empty window at the same time" "$end_empty" "$end_empty_anon"
python3 - "$start_game" "$start_empty" "$end_game" "$end_empty" "$warm_game" "$warm_game_anon" "$end_game_anon" <<EOF
import sys
sg, se, eg, ee, wg, wa, ea = (int(v) for v in sys.argv[1:])
print(f"  ratio game/empty after start       {sg / se:.2f}x  (goal <= 1.25x)")
print(f"  ratio game/empty at the end        {eg / ee:.2f}x")
print(f"  growth from $warmup to $matches matches  {eg - wg:+d} KiB resident, {ea - wa:+d} KiB anonymous  (goal: none)")
EOF
python3 -c "print(f'  ({$matches} matches in {$t1 - $t0:.0f} s)')"
[[ -n "$shot" ]] && echo "  screenshot of the window at the end: $shot"
exit 0
