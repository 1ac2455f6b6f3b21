#!/usr/bin/env bash
# Builds in Release (and the browser game with its web preset) and prints every figure as
# "name value unit", measured side by side in one run.
# Usage: scripts/bench.sh [RUNS]   (RUNS start-ups of each program, 5 by default)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-5}
scripts/install_deps.sh >&2
cmake --preset release >&2
cmake --build --preset release --target zundabar zundabar_tick_bench zundabar_shell_bench \
  zundabar_bare_window zundabar_startup_probe zundabar_x11_frame_bench >&2
bin=build-release
work=$(mktemp -d)
source scripts/lib/null_sink.sh
cleanup() {
  kill $(jobs -p) $(cat "$work/xvfb-pids" 2>/dev/null) 2>/dev/null || true
  [ -z "${WINEPREFIX:-}" ] || wineserver -k 2>/dev/null || true
  stop_null_sink
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
start_null_sink "$work/runtime" >&2
export XDG_CONFIG_HOME=$work/config
median() { sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# The browser game in headless Chromium: what the page transfers before its first frame, its first
# frame against a bare page, a tick and its frame, the wasm's size.
cmake --preset web >&2
cmake --build --preset web --target zundabar_web >&2
node bench/web_bench.js build-web "$runs"

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

# A private Xvfb that picks a free display itself; prints its number once it accepts clients.
# Usage: start_xvfb NAME SCREEN [COMMAND PREFIX...]
start_xvfb() {
  "${@:3}" Xvfb -displayfd 3 -screen 0 "$2" -nolisten tcp -noreset 3>"$work/$1" >/dev/null 2>&1 &
  echo $! >>"$work/xvfb-pids"
  for _ in $(seq 100); do [ -s "$work/$1" ] && break; sleep 0.05; done
  head -n 1 "$work/$1"
}

# Start-up and memory against a bare Qt window of the same size, under a private Xvfb: from the
# start of the process until the window is mapped and painted, then the peak resident memory
# while it waits at its first screen.
export DISPLAY=":$(start_xvfb display 800x600x24)"
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

# The Windows game: the size of its programs, and its start-up under Wine against a bare Windows
# API window of the same client size, on an Xvfb of its own. This machine kind cannot run 32-bit
# programs, so the 64-bit program stands in for the 32-bit one in the start-up.
wine64_loader=/usr/lib/wine/wine64
if [ ! -x "$wine64_loader" ] || ! command -v wineserver >/dev/null ||
  ! command -v i686-w64-mingw32-g++-posix >/dev/null ||
  ! command -v x86_64-w64-mingw32-g++-posix >/dev/null; then
  echo "bench: Windows figures skipped: no Wine or no MinGW-w64 cross compiler" >&2
else
  # The Windows builds take the game's pictures from the picture decoder built for this machine.
  cmake --build --preset release --target zundabar_bake_pictures >&2
  for preset in win32 win64; do
    cmake --preset "$preset" \
      -DZUNDABAR_BAKE_PICTURES_TOOL="$PWD/$bin/zundabar_bake_pictures" >&2
    cmake --build --preset "$preset" --target zundabar zundabar_bare_win32_window >&2
  done
  kib() { awk -v b="$(stat -c %s "$1")" 'BEGIN { printf "%.1f", b / 1024 }'; }
  # As the packages ship it: without the build's debugging information. The start-ups below run
  # these too: under Wine a program's debugging sections cost its start-up, and the game's, seven
  # times the program itself, made it some 30 ms slower than the program that ships.
  i686-w64-mingw32-strip -o "$work/zundabar-x86.exe" build-win32/zundabar.exe
  x86_64-w64-mingw32-strip -o "$work/zundabar-x64.exe" build-win64/zundabar.exe
  x86_64-w64-mingw32-strip -o "$work/bare-x64.exe" build-win64/zundabar_bare_win32_window.exe
  echo "exe_kib $(kib "$work/zundabar-x86.exe") KiB"
  echo "exe_win64_kib $(kib "$work/zundabar-x64.exe") KiB"

  export WINEPREFIX=$work/wine-prefix WINEARCH=win64 WINEDEBUG=-all
  # No prompt to install Mono or Gecko, and no desktop entries for what runs in the prefix.
  export WINEDLLOVERRIDES="mscoree=d;mshtml=d;winemenubuilder.exe=d"
  export WINELOADER=$wine64_loader
  # The prefix is made before any timing, as the tests make theirs: with the fonts Windows has.
  tests/windows/wine_run.sh --make-prefix >/dev/null 2>&1
  export DISPLAY=":$(start_xvfb win-display 800x600x24)"
  # One server for every start-up, as on Windows, where the system is up before the program.
  wineserver -p
  mkdir -p "$work/win-game"
  cp assets/Music.wav "$work/win-game/"
  game_exe=$work/zundabar-x64.exe
  bare_exe=$work/bare-x64.exe
  probe=$PWD/$bin/bench/zundabar_startup_probe
  win_game() { (cd "$work/win-game" && "$probe" --title Zundabar "$wine64_loader" "$game_exe"); }
  win_bare() { "$probe" --title Bare "$wine64_loader" "$bare_exe"; }
  # A warm-up run of each first: Wine's own services start with the prefix's first program.
  win_game >/dev/null
  win_bare >/dev/null
  for _ in $(seq "$runs"); do
    win_game >>"$work/win-game.txt"
    win_bare >>"$work/win-bare.txt"
  done
  wineserver -k
  win_game_ms=$(cut -d' ' -f1 "$work/win-game.txt" | median)
  win_bare_ms=$(cut -d' ' -f1 "$work/win-bare.txt" | median)
  awk -v g="$win_game_ms" -v b="$win_bare_ms" 'BEGIN {
    printf "startup_win_game_ms %.1f ms\nstartup_win_bare_ms %.1f ms\n", g, b
    printf "startup_win_ratio %.3f ratio\n", g / b
  }'
  unset WINEPREFIX WINELOADER
fi

# On the real X11 platform, under an Xvfb of its own wide enough for two windows side by side:
# a tick and its frame until the X server has drawn it, then the CPU time of the real game in
# play for 20 s, without music, against a window that repaints the playfield's area every 60 ms.
# The server and the frame benchmark share one CPU: a frame waits for the server twice, and in a
# virtual machine a wake-up across CPUs can cost more than the frame, so where the scheduler put
# the two would decide the figure.
export DISPLAY=":$(start_xvfb play-display 1100x600x24 taskset -c 0)"
taskset -c 0 "$bin/bench/zundabar_x11_frame_bench" 500 2>/dev/null

mkdir -p "$work/play/config/VB and VBA Program Settings"
printf '[Settings]\nMusic=False\n' >"$work/play/config/VB and VBA Program Settings/ZNDBR.conf"
(cd "$work/play" && XDG_CONFIG_HOME=$work/play/config exec "$OLDPWD/$bin/zundabar") \
  >/dev/null 2>&1 &
game_pid=$!
"$bin/bench/zundabar_bare_window" --repaint 560 40 >/dev/null 2>&1 &
bare_pid=$!
main_window=""
for _ in $(seq 100); do
  main_window=$(xdotool search --onlyvisible --name '^Zundabar$' 2>/dev/null | head -n 1) || true
  [ -n "$main_window" ] && break
  sleep 0.1
done
# Space starts play once the window has the keyboard; play shows as a playfield that moves.
playing=""
for _ in $(seq 10); do
  xdotool windowfocus "$main_window" 2>/dev/null || true
  sleep 0.1
  xdotool key space
  import -window "$main_window" "$work/before.png"
  sleep 0.3
  import -window "$main_window" "$work/after.png"
  cmp -s "$work/before.png" "$work/after.png" || { playing=1; break; }
done
[ -n "$playing" ] || { echo "zundabar: the benchmark could not start play" >&2; exit 1; }
# CPU time in nanoseconds, summed over the process's threads: the scheduler's own account, where
# the 10 ms clock ticks of /proc/PID/stat would move the ratio by several percent. Every thread
# of either program lives through the 20 s, so none takes its time away with it.
cpu_ns() { cat /proc/"$1"/task/*/schedstat | awk '{ s += $1 } END { printf "%d", s }'; }
game_start=$(cpu_ns "$game_pid")
bare_start=$(cpu_ns "$bare_pid")
# The end-of-level message box is answered at once, so that play goes on.
end=$(($(date +%s%N) + 20000000000))
while [ "$(date +%s%N)" -lt $end ]; do
  box=$(xdotool search --onlyvisible --name '^Zundabar$' 2>/dev/null | grep -vx "$main_window" |
    head -n 1) || true
  [ -z "$box" ] || { xdotool windowfocus "$box" key Return 2>/dev/null || true; }
  sleep 0.25
done
game_ns=$(($(cpu_ns "$game_pid") - game_start))
bare_ns=$(($(cpu_ns "$bare_pid") - bare_start))
kill "$game_pid" "$bare_pid"
awk -v g="$game_ns" -v b="$bare_ns" 'BEGIN {
  printf "play_cpu_game_ms %.1f ms\nplay_cpu_bare_ms %.1f ms\nplay_cpu_ratio %.3f ratio\n",
    g / 1e6, b / 1e6, g / b
}'
