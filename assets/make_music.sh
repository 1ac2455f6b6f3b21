#!/usr/bin/env bash
# Synthesises the game's tune with sox from a note list: 84 notes of a quarter second, then half
# a second of silence, 21.5 s in all. The silence at the end matters: some audio back ends cut
# off the last 100-150 ms of a sound. The result is committed; run this only to change the tune.
set -euo pipefail
cd "$(dirname "$0")"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

melody=(
  C4 E4 G4 C5 G4 E4 C4 E4  D4 F4 A4 D5 A4 F4 D4 F4
  E4 G4 B4 E5 B4 G4 E4 G4  F4 A4 C5 F5 C5 A4 F4 A4
  G4 B4 D5 G5 D5 B4 G4 B4  A4 C5 E5 A5 E5 C5 A4 C5
  G4 E4 C4 E4 G4 C5 E5 C5  F4 D4 B3 D4 F4 B4 D5 B4
  C5 G4 E4 G4 C5 E5 G5 E5  D5 B4 G4 B4 C5 C5 C5 C5
  C4 C4 C4 C4
)
files=()
for i in "${!melody[@]}"; do
  f="$work/$(printf '%03d' "$i").wav"
  sox -n -r 22050 -c 1 -b 16 "$f" synth 0.25 pluck "${melody[$i]}" synth 0.25 sine mix "${melody[$i]}" \
    fade 0 0.25 0.08 gain -8
  files+=("$f")
done
sox -n -r 22050 -c 1 -b 16 "$work/silence.wav" trim 0 0.5
sox "${files[@]}" "$work/silence.wav" Music.wav
soxi Music.wav
