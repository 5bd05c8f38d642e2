#!/usr/bin/env bash
# Compares sound players on a private PulseAudio server and on PipeWire
# (pipewire-pulse), their output recorded from a null sink's monitor:
#   - each of the five effects played alone: loud samples heard against the
#     file's own (|s16| > 1000 at 44100 Hz),
#   - a click and a result in one event-loop turn: the result heard whole,
#   - the default output changed to a second sink: the next effect there,
#   - the server stopped and started again: the next effect heard,
#   - how long Play takes, and when the first samples reach the server,
#   - the shared libraries the player loads when it starts and plays.
#   bench/sound.sh [PLAYER...]   (game qt_sink qt_effect by default)
# game: the game's libpulse player; qt_sink: Qt Multimedia's QAudioSink with
# padding; qt_effect: the QSoundEffect player the game had before. Build with
# -DTRIXOLA_BUILD_BENCH=ON. Needs pulseaudio, pulseaudio-utils, and pipewire,
# pipewire-pulse, wireplumber, dbus for the PipeWire runs.
set -uo pipefail
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD=${BUILD:-$ROOT/build}
ASSETS=$ROOT/assets
source "$ROOT/tests/sound/sound_servers.sh"
export QT_QPA_PLATFORM=offscreen
players=("$@")
((${#players[@]} > 0)) || players=(game qt_sink qt_effect)

probe_of() {
  if [[ $1 == game ]]; then echo "$BUILD/tests/sound/sound_probe"; else echo "$BUILD/sound/$1/sound_probe_$1"; fi
}
for player in "${players[@]}"; do
  [[ -x $(probe_of "$player") ]] || { echo "bench: $(probe_of "$player") is missing; build with -DTRIXOLA_BUILD_BENCH=ON" >&2; exit 2; }
done

dir=$(mktemp -d)
trap 'servers_cleanup; rm -rf "$dir"' EXIT
seconds() { awk -v f="$(stat -c %s "$ASSETS/$1.wav")" 'BEGIN { printf "%.2f", f / 88200 + 0.6 }'; }

start() {
  server_start "$1" "$dir" && add_null_sink one && add_null_sink two && pactl set-default-sink one
}

# heard SINK NAME EXPECT COMMAND...: records SINK while COMMAND runs, then
# prints what the check says of it
heard() {
  local sink=$1 name=$2 expect=$3
  shift 3
  record "$sink" "$dir/$name.raw"
  sleep 0.3
  send timeline "$dir/$name.txt"
  "$@"
  stop_recording
  "$probe" check "$dir/$name.raw" "$dir/$name.txt" "$ASSETS" "$expect" | tail -n 1 |
    sed -E 's/^(ok|FAIL).*heard +([0-9]+).*\(file ([0-9]+)\)/\1 \2\/\3/'
}

# stats WHAT: median and max of the figures after WHAT in the probe's log
stats() {
  grep -o "$1 [0-9.]* ms" "$dir/probe.log" | awk '{print $(NF-1)}' | sort -g |
    awk '{a[NR]=$1} END {if (NR) printf "median %.2f ms, max %.2f ms (%d)", a[int((NR+1)/2)], a[NR], NR; else printf "none"}'
}

run() {
  local player=$1 kind=$2
  probe=$(probe_of "$player")
  if ! start "$kind"; then
    echo "  $kind: the server did not start here"
    server_stop
    return
  fi
  mkfifo "$dir/commands"
  "$probe" play "$ASSETS" <"$dir/commands" >"$dir/probe.log" 2>&1 &
  local probe_pid=$!
  exec 4>"$dir/commands"
  send() { echo "$*" >&4; }
  sleep 1
  echo "  $kind ($(pactl info | sed -n 's/^Server Name: //p')):"
  local line="    alone (heard/file):"
  for effect in click level youwon compwon draw; do
    line+=" $effect $(heard one "$effect" "$effect" eval "send play $effect; sleep $(seconds "$effect")")"
  done
  echo "$line"
  echo "    click and youwon in one turn: $(heard one replace youwon eval "send play click youwon; sleep 1.5")"
  pactl set-default-sink two
  sleep 0.3
  echo "    after the default output changed: $(heard two moved level eval "send play level; sleep 0.8")"
  server_stop
  send play click
  sleep 0.3
  if start "$kind"; then
    sleep 0.3
    echo "    after the server came back: $(heard one back youwon eval "send play youwon; sleep 1.5")"
  fi
  send quit
  exec 4>&-
  wait "$probe_pid"
  rm -f "$dir/commands"
  echo "    Play call: $(stats "Play took")"
  echo "    first samples handed to the server after Play: $(stats "server after")"
  sed -n 's/^started in .*, \([0-9]*\) libraries at launch/    libraries mapped at launch: \1/p' "$dir/probe.log"
  sed -n 's/^libraries \(.*\): \([0-9]*\) more.*/    libraries \1: \2/p' "$dir/probe.log"
  server_stop
}

echo "load average at the start: $(cut -d' ' -f1-3 /proc/loadavg), $(nproc) cores"
for player in "${players[@]}"; do
  echo "player $player:"
  for kind in pulseaudio pipewire; do run "$player" "$kind"; done
done
[[ -n ${VERBOSE:-} ]] && cat "$dir/probe.log"
exit 0
