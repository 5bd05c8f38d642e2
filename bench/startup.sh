#!/usr/bin/env bash
# Start-up time: from launch until the window is mapped on the display, for
# the game and for an empty Qt Widgets window of the same size, interleaved.
#   bench/startup.sh [RUNS]   (default 21)
# ALSO="PROGRAM..." adds other builds of the game to the same run (for
# instance the game on other sound players, built with the bench in
# BUILD/sound/), each interleaved with the others and timed the same way.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
runs=${1:-21}
read -r -a programs <<<"$GAME ${ALSO:-}"
machine_load
files=()
for program in "${programs[@]}" "$EMPTY"; do
  [[ -x "$program" ]] || { echo "bench: $program is missing" >&2; exit 2; }
  files+=("$(mktemp)")
  "$WAIT" "$program" >/dev/null  # warm the caches
done
for _ in $(seq "$runs"); do
  for i in "${!files[@]}"; do
    if ((i < ${#programs[@]})); then "$WAIT" "${programs[$i]}"; else "$WAIT" "$EMPTY"; fi >>"${files[$i]}"
  done
done
e=$(median "${files[-1]}")
echo "start-up, median of $runs interleaved runs (ms until the window is mapped):"
for i in "${!files[@]}"; do
  if ((i < ${#programs[@]})); then name=${programs[$i]##*/}; else name="empty window"; fi
  m=$(median "${files[$i]}")
  printf '  %-20s %8.1f  (min %s, max %s)  ratio %5.2fx\n' "$name" "$m" \
    "$(sort -g "${files[$i]}" | head -1)" "$(sort -g "${files[$i]}" | tail -1)" \
    "$(python3 -c "print($m/$e)")"
done
echo "  goal: the game <= 1.10x the empty window"
rm -f "${files[@]}"
