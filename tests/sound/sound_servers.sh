# shellcheck shell=bash
# Private sound servers for the sound tests and benchmarks. Source it; call
# server_start KIND (pulseaudio or pipewire) to run one in a runtime folder of
# its own (its own session bus for PipeWire), with PULSE_SERVER pointing at
# its PulseAudio interface; server_stop ends what server_start started.
# Nothing here touches a server or bus the user has.
#
#   server_start KIND DIR     false when the server cannot start here
#   add_null_sink NAME        an output whose monitor can be recorded
#   record SINK FILE          mono s16le at 44100 Hz of SINK's output, in the
#                             background (stop_recording ends it)
#   server_hang / server_wake
#                             SIGSTOP / SIGCONT to the process that serves
#                             the PulseAudio interface (pulseaudio, or
#                             pipewire-pulse), as when it hangs
#   server_stop

SERVER_PIDS=()
PULSE_PID=""
RECORD_PIDS=()
SERVER_KIND=""

# wait_for PATH: up to 5 s for PATH to exist
wait_for() {
  local _
  for _ in $(seq 100); do [[ -e "$1" ]] && return 0; sleep 0.05; done
  return 1
}

server_start() {
  SERVER_KIND=$1
  local dir=$2
  mkdir -p "$dir/home" "$dir/config" "$dir/state"
  # The servers keep their settings under HOME; give them a blank one.
  local env=(env "HOME=$dir/home" "XDG_CONFIG_HOME=$dir/config" "XDG_STATE_HOME=$dir/state"
    "XDG_RUNTIME_DIR=$dir" "PULSE_RUNTIME_PATH=$dir/pulse-runtime")
  case "$SERVER_KIND" in
    pulseaudio)
      command -v pulseaudio >/dev/null || return 1
      "${env[@]}" pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no \
        -L "module-native-protocol-unix socket=$dir/native auth-anonymous=1" \
        >>"$dir/server.log" 2>&1 &
      SERVER_PIDS+=($!)
      PULSE_PID=$!
      export PULSE_SERVER="unix:$dir/native"
      ;;
    pipewire)
      for tool in pipewire wireplumber pipewire-pulse dbus-daemon; do
        command -v "$tool" >/dev/null || return 1
      done
      if [[ ! -s "$dir/bus" ]]; then
        dbus-daemon --session --nofork --nopidfile --print-address=3 3>"$dir/bus" \
          >/dev/null 2>&1 &
        BUS_PID=$!
        wait_for "$dir/bus" || return 1
        sleep 0.1
      fi
      env+=("DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$dir/bus")")
      "${env[@]}" pipewire >>"$dir/server.log" 2>&1 &
      SERVER_PIDS+=($!)
      wait_for "$dir/pipewire-0" || return 1
      "${env[@]}" wireplumber >>"$dir/server.log" 2>&1 &
      SERVER_PIDS+=($!)
      "${env[@]}" pipewire-pulse >>"$dir/server.log" 2>&1 &
      SERVER_PIDS+=($!)
      PULSE_PID=$!
      export PULSE_SERVER="unix:$dir/pulse-runtime/native"
      ;;
    *) return 1 ;;
  esac
  wait_for "${PULSE_SERVER#unix:}" || return 1
  local _
  for _ in $(seq 50); do pactl info >/dev/null 2>&1 && return 0; sleep 0.1; done
  return 1
}

add_null_sink() {
  local extra=()
  # PulseAudio rewinds a playing output to mix in a new stream at once; the
  # monitor does not see the rewound part. Without rewinds it records what
  # a loudspeaker would play. PipeWire does not rewind.
  [[ "$SERVER_KIND" == pulseaudio ]] && extra=(norewinds=1)
  pactl load-module module-null-sink "sink_name=$1" "${extra[@]}" >/dev/null || return 1
  local _
  for _ in $(seq 50); do pactl list short sinks | grep -q "\b$1\b" && return 0; sleep 0.1; done
  return 1
}

record() {
  parec -d "$1.monitor" --format=s16le --rate=44100 --channels=1 --latency-msec=20 >"$2" &
  RECORD_PIDS+=($!)
}

stop_recording() {
  local pid
  for pid in "${RECORD_PIDS[@]}"; do kill -INT "$pid" 2>/dev/null || true; done
  for pid in "${RECORD_PIDS[@]}"; do wait "$pid" 2>/dev/null || true; done
  RECORD_PIDS=()
}

server_hang() { kill -STOP "$PULSE_PID"; }
server_wake() { kill -CONT "$PULSE_PID"; }

server_stop() {
  stop_recording
  local pid
  # A stopped server ends only once it is continued.
  for pid in "${SERVER_PIDS[@]}"; do kill "$pid" 2>/dev/null && kill -CONT "$pid" 2>/dev/null; done
  for pid in "${SERVER_PIDS[@]}"; do wait "$pid" 2>/dev/null || true; done
  SERVER_PIDS=()
}

# Ends the session bus too; for the EXIT trap.
servers_cleanup() {
  server_stop
  [[ -n "${BUS_PID:-}" ]] && kill "$BUS_PID" 2>/dev/null
  return 0
}
