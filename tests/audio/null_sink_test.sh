#!/usr/bin/env bash
# Plays a wave file through the game's wave player into a PulseAudio null sink and checks that
# the recording of the sink's monitor is not silent; then again with a silent file that is
# replaced by the wave file between two requests, which must be heard too.
# Usage: null_sink_test.sh PLAY_WAV_BINARY AUDIO_MODULE WAVE_FILE
set -euo pipefail
player=$1
module=$2
wave=$3
for tool in pulseaudio pactl parec sox; do
  if ! command -v "$tool" >/dev/null; then
    echo "cannot run: $tool is missing (scripts/install_deps.sh installs it)"
    exit 77
  fi
done

work=$(mktemp -d)
source "$(dirname "$0")/../../scripts/lib/null_sink.sh"
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  stop_null_sink
  rm -rf "$work"
}
trap cleanup EXIT
start_null_sink "$work/runtime" || { echo "cannot run: the PulseAudio server did not start"; exit 1; }

# Plays Music.wav (first $1, then $2 if given in its place) and prints the recording's peak.
recorded_peak() {
  parec -d zundabar_null.monitor --file-format=wav "$work/recording.wav" &
  pids+=($!)
  sleep 0.3
  cp "$1" "$work/Music.wav"
  (cd "$work" && QT_QPA_PLATFORM=offscreen "$player" "$module" Music.wav 3000 ${2:+"$2"})
  sleep 0.3
  kill "${pids[-1]}"
  wait "${pids[-1]}" 2>/dev/null || true
  sox "$work/recording.wav" -n stat 2>&1 | awk '/Maximum amplitude/ {print $3}'
}
heard() {
  echo "$1: recorded peak amplitude $2"
  awk -v p="$2" 'BEGIN { exit !(p > 0.02) }'
}

heard "the music" "$(recorded_peak "$wave")"
sox -n -r 44100 -c 2 -b 16 "$work/silence.wav" trim 0 0.2
heard "silence, then the music in its place" "$(recorded_peak "$work/silence.wav" "$wave")"
