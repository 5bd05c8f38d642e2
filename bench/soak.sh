#!/usr/bin/env bash
# Soak: plays many whole matches through the real game window on the
# offscreen platform (real mouse and key input, New Game between matches,
# the real sound player) and reports resident memory before the first match,
# after 1000 and after the last, and the matches per second. Fails when a
# match goes wrong or memory grows with the number of matches.
#   bench/soak.sh [MATCHES] [MAX_GROWTH_KIB]   (defaults 100000 and 1024)
# Environment: BUILD, the build folder (default build/).
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD=${BUILD:-$ROOT/build}
SOAK=$BUILD/bench/bench_soak
matches=${1:-100000}
max_growth=${2:-1024}

if [[ ! -x $SOAK ]]; then
  echo "soak: $SOAK is missing; configure with -DTRIXOLA_BUILD_BENCH=ON and build it first" >&2
  exit 2
fi

export QT_QPA_PLATFORM=offscreen
temp=$(mktemp -d)
trap 'rm -rf "$temp"' EXIT
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$temp}

echo "soak: $matches matches through the game window ($SOAK)"
# Qt's notes about the missing sound card go to the log, not the report.
log=$temp/soak.log
status=0
"$SOAK" "$matches" "$max_growth" 2>"$log" || status=$?
if [[ $status -ne 0 ]]; then
  grep -v -e "No audio device" -e "PulseAudioService" "$log" >&2 || true
  echo "soak: FAILED" >&2
fi
exit "$status"
