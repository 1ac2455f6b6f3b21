#!/usr/bin/env bash
# Plays a wave file through the game's wave player into a PulseAudio null sink and checks that
# the recording of the sink's monitor is not silent.
# Usage: null_sink_test.sh PLAY_WAV_BINARY WAVE_FILE
set -euo pipefail
player=$1
wave=$2
for tool in pulseaudio pactl parec sox; do
  if ! command -v "$tool" >/dev/null; then
    echo "cannot run: $tool is missing (scripts/install_deps.sh installs it)"
    exit 77
  fi
done

work=$(mktemp -d)
export XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
export PULSE_SERVER=unix:$XDG_RUNTIME_DIR/pulse/native
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

pulseaudio --daemonize=no --exit-idle-time=-1 --disallow-exit -n --log-level=error \
  --load="module-native-protocol-unix" \
  --load="module-null-sink sink_name=zundabar_null" >"$work/pulse.log" 2>&1 &
pids+=($!)
for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
if ! pactl info >/dev/null 2>&1; then
  echo "cannot run: the PulseAudio server did not start"
  cat "$work/pulse.log"
  exit 1
fi
pactl set-default-sink zundabar_null

parec -d zundabar_null.monitor --file-format=wav "$work/recording.wav" &
pids+=($!)
sleep 0.3
cp "$wave" "$work/Music.wav"
(cd "$work" && QT_QPA_PLATFORM=offscreen "$player" Music.wav 3000)
sleep 0.3
kill "${pids[-1]}"
wait "${pids[-1]}" 2>/dev/null || true

peak=$(sox "$work/recording.wav" -n stat 2>&1 | awk '/Maximum amplitude/ {print $3}')
echo "recorded peak amplitude: $peak"
awk -v p="$peak" 'BEGIN { exit !(p > 0.02) }'
