#!/usr/bin/env bash
# Response time: from a cell click delivered to the game window until the
# frame that answers it is painted and taken in by the X server (Xvfb, xcb
# platform), in-process, at QT_SCALE_FACTOR 1 and 2; beside it the same
# repaint of a plain black widget in the same process (the floor). Then with
# the game's sound player, with no sound server and, when pulseaudio
# is installed, with a private PulseAudio server (null sink).
#   bench/response.sh [CLICKS]   (default 1000)
SCREEN=${SCREEN:-2560x1600x24}  # room for the window at scale 2
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
clicks=${1:-1000}
[[ -x "$RESPONSE" ]] || { echo "bench: $RESPONSE is missing; build first" >&2; exit 2; }

machine_load
echo "response over $clicks cell clicks:"
for scale in 1 2; do
  echo " QT_SCALE_FACTOR=$scale, silent sound player"
  QT_SCALE_FACTOR=$scale "$RESPONSE" "$clicks"
done
echo " QT_SCALE_FACTOR=1, the game's player, no sound server"
"$RESPONSE" "$clicks" --sound 2>/dev/null
if start_pulse; then
  echo " QT_SCALE_FACTOR=1, the game's player, PulseAudio server (null sink)"
  "$RESPONSE" "$clicks" --sound 2>/dev/null
fi
echo "  goals: median <= 2 ms, max of 1000 <= 8 ms"
