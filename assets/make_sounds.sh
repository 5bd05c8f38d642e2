#!/bin/bash
# Synthesises the game's five sound effects with sox and writes them beside
# this script: click.wav, level.wav, youwon.wav, compwon.wav, draw.wav.
# All are 16-bit PCM, mono, 44100 Hz, peak-normalised to -3 dBFS, with short
# fades at both ends. Needs sox (Debian package sox). Output is deterministic:
# only sine waves are used and dither is off.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

fmt=(-r 44100 -b 16 -c 1)

# note OUT START DUR FREQ: a bell-like note (fundamental plus a quiet octave)
# that starts START seconds into its file, with a 3 ms attack and a
# logarithmic decay over its whole length.
note() {
    local out="$1" start="$2" dur="$3" freq="$4"
    sox -D -V1 -n -r 44100 -b 16 -c 2 "$out.2ch.wav" \
        synth "$dur" sine "$freq" sine "$(awk -v f="$freq" 'BEGIN { print f * 2 }')"
    sox -D -V1 "$out.2ch.wav" "${fmt[@]}" "$out" \
        remix 1v0.8,2v0.2 fade h 0.003 "$dur" "$(awk -v d="$dur" 'BEGIN { print d - 0.003 }')" pad "$start"
    rm "$out.2ch.wav"
}

# mix OUT NOTE...: mixes the notes, ends in a short fade and sets the peak.
mix() {
    local out="$1"
    shift
    if [ "$#" -eq 1 ]; then
        cp "$1" "$work/mixed.wav"
    else
        sox -D -V1 -m "$@" "$work/mixed.wav"
    fi
    sox -D -V1 "$work/mixed.wav" "${fmt[@]}" "$here/$out" fade t 0 -0 0.005 gain -n -3
}

# click: a soft, very short high blip.
note "$work/c1.wav" 0 0.05 1760
mix click.wav "$work/c1.wav"

# level: a quick two-note chime, up a fourth (E6, A6).
note "$work/l1.wav" 0 0.12 1318.51
note "$work/l2.wav" 0.07 0.13 1760
mix level.wav "$work/l1.wav" "$work/l2.wav"

# youwon: a rising C major arpeggio, the top note left to ring.
note "$work/w1.wav" 0 0.30 523.25
note "$work/w2.wav" 0.11 0.30 659.26
note "$work/w3.wav" 0.22 0.30 783.99
note "$work/w4.wav" 0.33 0.55 1046.50
mix youwon.wav "$work/w1.wav" "$work/w2.wav" "$work/w3.wav" "$work/w4.wav"

# compwon: a falling C minor phrase (G4, E flat 4, D4, C4), slower and lower.
note "$work/p1.wav" 0 0.30 392.00
note "$work/p2.wav" 0.18 0.30 311.13
note "$work/p3.wav" 0.36 0.30 293.66
note "$work/p4.wav" 0.54 0.55 261.63
mix compwon.wav "$work/p1.wav" "$work/p2.wav" "$work/p3.wav" "$work/p4.wav"

# draw: two equal, neutral tones (A4).
note "$work/d1.wav" 0 0.25 440
note "$work/d2.wav" 0.32 0.25 440
mix draw.wav "$work/d1.wav" "$work/d2.wav"
