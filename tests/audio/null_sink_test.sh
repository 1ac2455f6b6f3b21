#!/usr/bin/env bash
# Plays a wave file through the game's wave player into a PulseAudio null sink and checks that
# the recording of the sink's monitor is not silent.
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

parec -d zundabar_null.monitor --file-format=wav "$work/recording.wav" &
pids+=($!)
sleep 0.3
cp "$wave" "$work/Music.wav"
(cd "$work" && QT_QPA_PLATFORM=offscreen "$player" "$module" Music.wav 3000)
sleep 0.3
kill "${pids[-1]}"
wait "${pids[-1]}" 2>/dev/null || true

peak=$(sox "$work/recording.wav" -n stat 2>&1 | awk '/Maximum amplitude/ {print $3}')
echo "recorded peak amplitude: $peak"
awk -v p="$peak" 'BEGIN { exit !(p > 0.02) }'
