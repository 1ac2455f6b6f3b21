# Starts a private PulseAudio server whose default sink is a null sink named zundabar_null, for
# the current shell: PULSE_SERVER points at it, and stop_null_sink ends it.
start_null_sink() {
  local runtime=$1
  mkdir -p "$runtime"
  chmod 700 "$runtime"
  export XDG_RUNTIME_DIR=$runtime
  export PULSE_SERVER=unix:$runtime/pulse/native
  pulseaudio --daemonize=no --exit-idle-time=-1 --disallow-exit -n --log-level=error \
    --load="module-native-protocol-unix" \
    --load="module-null-sink sink_name=zundabar_null" >"$runtime/pulse.log" 2>&1 &
  null_sink_pid=$!
  for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
  pactl info >/dev/null 2>&1 || { cat "$runtime/pulse.log"; return 1; }
  pactl set-default-sink zundabar_null
}

stop_null_sink() {
  kill "$null_sink_pid" 2>/dev/null || true
  wait "$null_sink_pid" 2>/dev/null || true
}
