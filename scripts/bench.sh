#!/usr/bin/env bash
# Builds in Release and prints every figure as "name value unit", measured side by side in one run.
# Usage: scripts/bench.sh [RUNS]   (RUNS start-ups of each program, 5 by default)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-5}
scripts/install_deps.sh >&2
cmake --preset release >&2
cmake --build --preset release --target zundabar zundabar_tick_bench zundabar_shell_bench \
  zundabar_bare_window zundabar_startup_probe >&2
bin=build-release
work=$(mktemp -d)
source scripts/lib/null_sink.sh
cleanup() {
  kill $(jobs -p) 2>/dev/null || true
  stop_null_sink
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
start_null_sink "$work/runtime" >&2
export XDG_CONFIG_HOME=$work/config
median() { sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# The game logic alone: Google Benchmark's median of repetitions.
"$bin/bench/zundabar_tick_bench" --benchmark_filter=OrdinaryTick --benchmark_repetitions=5 \
  --benchmark_format=json 2>/dev/null >"$work/tick.json"
python3 - "$work/tick.json" <<'PY'
import json, sys
runs = json.load(open(sys.argv[1]))["benchmarks"]
median = [b for b in runs if b.get("aggregate_name") == "median"][0]
print(f"tick_ns {median['real_time']:.1f} ns")
PY

# The shell: a tick with its frame, the timer's period over 500 ticks, a music step.
QT_QPA_PLATFORM=offscreen "$bin/bench/zundabar_shell_bench" 500 2>/dev/null

# Start-up and memory against a bare Qt window of the same size, under a private Xvfb: from the
# start of the process until the window is mapped and painted, then the peak resident memory
# while it waits at its first screen.
Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp -noreset 3>"$work/display" >/dev/null 2>&1 &
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=":$(head -n 1 "$work/display")"
cp assets/Music.wav "$work/"
for _ in $(seq "$runs"); do
  (cd "$work" && "$OLDPWD/$bin/bench/zundabar_startup_probe" "$OLDPWD/$bin/zundabar") >>"$work/game"
  "$bin/bench/zundabar_startup_probe" "$bin/bench/zundabar_bare_window" >>"$work/bare"
  "$bin/bench/zundabar_startup_probe" "$bin/bench/zundabar_bare_window" --label >>"$work/label"
done
game_ms=$(cut -d' ' -f1 "$work/game" | median)
bare_ms=$(cut -d' ' -f1 "$work/bare" | median)
game_kib=$(cut -d' ' -f2 "$work/game" | median)
bare_kib=$(cut -d' ' -f2 "$work/bare" | median)
label_ms=$(cut -d' ' -f1 "$work/label" | median)
label_kib=$(cut -d' ' -f2 "$work/label" | median)
awk -v g="$game_ms" -v b="$bare_ms" -v l="$label_ms" -v gm="$game_kib" -v bm="$bare_kib" \
  -v lm="$label_kib" 'BEGIN {
  printf "startup_game_ms %.1f ms\nstartup_bare_ms %.1f ms\nstartup_ratio %.3f ratio\n",
    g, b, g / b
  printf "rss_game_kib %d KiB\nrss_bare_kib %d KiB\nrss_ratio %.3f ratio\n", gm, bm, gm / bm
  # The same against a bare window that shows one caption.
  printf "startup_labelled_bare_ms %.1f ms\nstartup_text_ratio %.3f ratio\n", l, g / l
  printf "rss_labelled_bare_kib %d KiB\nrss_text_ratio %.3f ratio\n", lm, gm / lm
}'
