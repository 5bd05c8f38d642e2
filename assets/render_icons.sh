#!/bin/bash
# Exports the window icon (icon.svg) into the hicolor theme layout under icons/:
# PNGs at the usual sizes plus a scalable copy of the SVG.
# Needs rsvg-convert (Debian package librsvg2-bin). Writes into this script's folder.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
app_id="org.trixola.Trixola"

if ! command -v rsvg-convert >/dev/null 2>&1; then
    echo "render_icons.sh: rsvg-convert not found; install librsvg2-bin" >&2
    exit 1
fi

for n in 16 24 32 48 64 128 256; do
    out="$here/icons/hicolor/${n}x${n}/apps"
    mkdir -p "$out"
    rsvg-convert -w "$n" -h "$n" -o "$out/$app_id.png" "$here/icon.svg"
done

mkdir -p "$here/icons/hicolor/scalable/apps"
cp "$here/icon.svg" "$here/icons/hicolor/scalable/apps/$app_id.svg"
