#!/usr/bin/env bash
# The game's sound player through a real sound server, its output recorded:
#   sound_server_test.sh pulseaudio|pipewire PROBE ASSETS
# PROBE is sound_probe (or a build of it on another player), ASSETS the
# folder with the game's .wav files. Starts a private server with two null
# outputs, "one" (the default) and "two", records both, and plays what the
# window asks for in a match: each effect alone, a click and the result in
# one turn, a stretch with the sound switch off, a long effect replaced by a
# newer one, and a match played with keys in the game window. Then the
# default output changes to "two"; then the server hangs while effects are
# asked for (none may sound late after the wake) and wakes, and the first
# effect after the wake must be heard whole; then the server goes away (a
# Play must still return at once) and comes back, and the next effect must
# be heard. Exits 77 (skipped) when the server cannot start.
set -uo pipefail
kind=$1 probe=$2 assets=$3
source "$(dirname "${BASH_SOURCE[0]}")/sound_servers.sh"

for tool in pactl parec; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed (pulseaudio-utils)"; exit 77; }
done
dir=$(mktemp -d)
trap 'exec 4>&-; servers_cleanup; rm -rf "$dir"' EXIT

start() {
  server_start "$kind" "$dir" && add_null_sink one && add_null_sink two &&
    pactl set-default-sink one
}
if ! start; then
  echo "SKIP: the $kind server did not start here"
  tail -n 20 "$dir/server.log" 2>/dev/null
  exit 77
fi
echo "server: $(pactl info | grep -E 'Server Name')"

record one "$dir/one.raw"
record two "$dir/two.raw"
mkfifo "$dir/commands"
"$probe" play "$assets" <"$dir/commands" >"$dir/probe.log" 2>&1 &
probe_pid=$!
exec 4>"$dir/commands"
send() { echo "$*" >&4; }
sleep 1  # the player has started and connected; the recorders run

send timeline "$dir/one.txt"
send play click; sleep 0.5
send play click youwon; sleep 1.4  # the move that ends the match
send play level; sleep 0.6
send mark; sleep 0.6  # sound switched off: the player is not called
send play compwon; sleep 1.5
send play draw; sleep 1.0
send play youwon; sleep 0.3  # replaced while it plays
send play level; sleep 0.6
# The game window itself: a match lost at Easy, played with its keys.
send key 5; sleep 0.5
send key 6; sleep 0.5
send key 9; sleep 1.5

send timeline "$dir/two.txt"
pactl set-default-sink two
sleep 0.3
send play click; sleep 0.6
stop_recording

send timeline "$dir/hung.txt"  # not checked: nothing is recorded meanwhile
server_hang  # clicks go on while the server hangs...
send burst 30 click; sleep 0.2
send play draw; sleep 1.2  # the latest, too long ago to be heard at the wake
server_wake
record two "$dir/hang.raw"
sleep 0.3
send timeline "$dir/hang.txt"
send play click; sleep 0.3  # ...and the first after the wake is heard
send play level; sleep 0.6
stop_recording

server_stop  # the desktop's sound server goes away...
send timeline "$dir/gone.txt"
send play level; sleep 0.5
start || { echo "FAIL: the $kind server did not start again"; exit 1; }  # ...and comes back
record one "$dir/after.raw"
sleep 0.5
send timeline "$dir/after.txt"
send play youwon; sleep 1.3
stop_recording
send quit
exec 4>&-
wait "$probe_pid"
probe_status=$?
cat "$dir/probe.log"

status=0
check() {
  local what=$1
  shift
  echo "-- $what"
  "$probe" check "$@" || status=1
}
check "a match on the default output" "$dir/one.raw" "$dir/one.txt" "$assets" \
  click youwon level - compwon draw youwon~ level click click compwon
check "after the default output changed" "$dir/two.raw" "$dir/two.txt" "$assets" click
check "after the server hung and woke" "$dir/hang.raw" "$dir/hang.txt" "$assets" click level
check "after the server came back" "$dir/after.raw" "$dir/after.txt" "$assets" youwon
((probe_status == 0)) || { echo "FAIL: the probe ended with status $probe_status"; status=1; }
exit "$status"
