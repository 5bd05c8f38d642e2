#!/usr/bin/env bash
# Screenshots of the game window in every language, at scale 1 on a private
# Xvfb display, and a contact sheet of them (ImageMagick's montage).
#   tests/translations/contact_sheet.sh PROGRAM OUTPUT.png [SHOTS-DIR]
# The languages are the catalogues in translations/, English first.
# Needs xvfb, xdotool, imagemagick.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
program=$1 output=$2 shots=${3:-$(mktemp -d)}
mkdir -p "$shots"
for tool in Xvfb xdotool import montage; do
  command -v "$tool" >/dev/null || { echo "contact_sheet: needs $tool" >&2; exit 77; }
done
display_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3>"$display_file" >/dev/null 2>&1 &
xvfb=$! game=""
trap 'kill $game $xvfb 2>/dev/null || true; rm -f "$display_file"' EXIT
for _ in $(seq 100); do [[ -s "$display_file" ]] && break; sleep 0.05; done
export DISPLAY=":$(head -n 1 "$display_file")"
unset WAYLAND_DISPLAY QT_QPA_PLATFORM QT_SCALE_FACTOR LC_ALL LC_MESSAGES
languages=(en)
for ts in "$here"/../../translations/trixola_*.ts; do languages+=("$(basename "$ts" .ts | cut -d_ -f2-)"); done
images=()
for language in "${languages[@]}"; do
  LANGUAGE=$language LANG=C.UTF-8 "$program" >/dev/null 2>&1 &
  game=$!
  window=$(timeout 10 xdotool search --sync --onlyvisible --pid "$game" | head -n 1) ||
    { echo "contact_sheet: no window in $language" >&2; exit 1; }
  sleep 1.5  # the clock shows its first second
  import -window "$window" "$shots/$language.png"
  kill "$game" && wait "$game" 2>/dev/null || true
  game=""
  images+=(-label "$language" "$shots/$language.png")
done
montage "${images[@]}" -font Liberation-Sans -pointsize 14 -tile 3x -geometry +6+6 -background '#dddddd' "$output"
echo "contact sheet: $output (shots in $shots)"
