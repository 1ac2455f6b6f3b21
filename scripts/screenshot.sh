#!/usr/bin/env bash
# Makes docs/screenshot.png from the running game: started under a private Xvfb, played for a
# moment, and the main window cut out of the screen. Needs a build (scripts/test.sh makes one).
set -euo pipefail
cd "$(dirname "$0")/.."
game=$PWD/build/zundabar
[ -x "$game" ] || { echo "build the game first: scripts/test.sh or scripts/play.sh"; exit 1; }
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; wait 2>/dev/null || true; rm -rf "$work"' EXIT
export XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 -p "$XDG_RUNTIME_DIR"
Xvfb -displayfd 3 -screen 0 640x600x24 -nolisten tcp -noreset 3>"$work/display" >/dev/null 2>&1 &
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=":$(head -n 1 "$work/display")"
cp assets/Music.wav "$work/"
(cd "$work" && exec "$game") >/dev/null 2>&1 &
for _ in $(seq 100); do
  window=$(xdotool search --onlyvisible --name '^Zundabar$' 2>/dev/null | head -n 1) && break
  sleep 0.1
done
xdotool windowfocus "$window"
xdotool key space
sleep 2.5
xdotool key Up
sleep 0.3
eval "$(xdotool getwindowgeometry --shell "$window")"
import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" docs/screenshot.png
xdotool key Escape
echo "docs/screenshot.png: ${WIDTH}x${HEIGHT}"
