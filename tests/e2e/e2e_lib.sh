# Shared steps of the end-to-end tests: a private X server, a private options folder and a
# working folder holding the music, and helpers to look at the screen.
set -euo pipefail

for tool in Xvfb xdotool import convert python3; do
  if ! command -v "$tool" >/dev/null; then
    echo "cannot run: $tool is missing (scripts/install_deps.sh installs it)"
    exit 77
  fi
done

game=$1
music=$2
work=$(mktemp -d)
shots=${E2E_SHOTS:-$work/shots}
mkdir -p "$shots" "$work/config" "$work/run"
cp "$music" "$work/run/Music.wav"
export XDG_CONFIG_HOME=$work/config
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 -p "$XDG_RUNTIME_DIR"
settings_file="$XDG_CONFIG_HOME/VB and VBA Program Settings/ZNDBR.conf"
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# Xvfb picks a free display itself and tells its number once it accepts clients. It must not
# reset when the last client leaves, or a game started just after another ended finds no display.
# A test may ask for another screen size in E2E_SCREEN before it sources this file.
Xvfb -displayfd 3 -screen 0 "${E2E_SCREEN:-800x600}x24" -nolisten tcp -noreset 3>"$work/display" >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do
  [ -s "$work/display" ] && break
  sleep 0.05
done
[ -s "$work/display" ] || { echo "FAILED: Xvfb did not start"; exit 1; }
export DISPLAY=":$(head -n 1 "$work/display")"

fail() {
  echo "FAILED: $*"
  echo "--- what the game said:"
  cat "$work/game.log" 2>/dev/null || true
  exit 1
}

# Starts the game in the working folder (run_dir, $work/run unless set), through the command
# given as arguments, if any, which ends by running the game it is handed; sets game_pid and
# main_window.
start_game() {
  (cd "${run_dir:-$work/run}" && exec "$@" "$game") >"$work/game.log" 2>&1 &
  game_pid=$!
  pids+=("$game_pid")
  main_window=""
  for _ in $(seq 100); do
    main_window=$(xdotool search --onlyvisible --name '^Zundabar$' 2>/dev/null | head -n 1) || true
    [ -n "$main_window" ] && break
    sleep 0.1
  done
  [ -n "$main_window" ] || fail "the main window did not appear"
  sleep 0.3
  focus_main
}

# Gives the main window the keyboard and waits until it has it: a key sent before would be lost.
focus_main() {
  for _ in $(seq 20); do
    xdotool windowfocus "$main_window" 2>/dev/null || true
    [ "$(xdotool getwindowfocus 2>/dev/null)" = "$main_window" ] && return 0
    sleep 0.05
  done
  fail "the main window did not take the keyboard focus"
}

# The start prompt's dark text in the sky, or nothing once it is hidden.
prompt_shown() {
  import -window root "$work/prompt.png"
  local darkest
  darkest=$(convert "$work/prompt.png" -crop 169x29+195+154 +repage -colorspace Gray \
    -format '%[fx:minima.r]' info:)
  awk -v d="$darkest" 'BEGIN { exit !(d < 0.2) }'
}

# Space at the start prompt, pressed again should the first press be lost. Play has started once
# the prompt is gone or the monkey, drawn only by the game tick, is on the screen.
start_play() {
  for _ in 1 2 3; do
    focus_main
    xdotool key space
    for _ in $(seq 20); do
      prompt_shown || return 0
      cp "$work/prompt.png" "$shots/start-play.png"
      [ -n "$(monkey_top start-play)" ] && return 0
      sleep 0.05
    done
  done
  fail "Space did not start play"
}

windows_named() {
  xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | wc -l
}

shot() {
  import -window root "$shots/$1.png"
}

# The top row of the monkey's brown pixels in a screenshot, or nothing when it is hidden.
monkey_top() {
  convert "$shots/$1.png" -crop 472x446+33+49 +repage -fill black +opaque 'rgb(153,102,0)' \
    -format '%@' info: 2>/dev/null | awk -F'[x+]' '$1 > 0 && $1 < 100 { print $4 }'
}

# Waits up to $2 seconds for the game to end; prints its exit status.
wait_exit() {
  local deadline=$((SECONDS + $1))
  # An ended child stays a zombie until it is waited for, so look at its state.
  while [ -n "$(ps -o stat= -p "$game_pid" | grep -v Z)" ]; do
    [ $SECONDS -le $deadline ] || return 1
    sleep 0.05
  done
  wait "$game_pid"
}

# Waits for a visible window with exactly this title; prints its id.
wait_window() {
  local id=""
  for _ in $(seq 50); do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1) || true
    [ -n "$id" ] && break
    sleep 0.1
  done
  [ -n "$id" ] || fail "no window titled '$1' appeared"
  echo "$id"
}

# Clicks at a point of a window's client area.
click_in() {
  local x y
  eval "$(xdotool getwindowgeometry --shell "$1")"
  xdotool mousemove $((X + $2)) $((Y + $3)) click 1
  sleep 0.2
}

# A crop of the screen, for comparing what a control shows.
crop() {
  local x y
  eval "$(xdotool getwindowgeometry --shell "$1")"
  import -window root -crop "$4x$5+$((X + $2))+$((Y + $3))" "$shots/$6.png"
}

stored() {
  grep -q "^$1\$" "$settings_file" 2>/dev/null
}

# Escape quits only during play: a message box left open by random keys is closed first, and a
# paused game is resumed with Backspace. Returns the game's exit status, or 1 when it did not end.
quit_with_escape() {
  for _ in 1 2 3 4 5; do
    local box
    box=$(xdotool search --onlyvisible --name '^Zundabar$' 2>/dev/null | grep -vx "$main_window" |
      head -n 1) || true
    if [ -n "$box" ]; then
      xdotool windowfocus "$box"
      xdotool key Return
      sleep 0.2
    fi
    focus_main
    xdotool key Escape
    if wait_exit 1; then return 0; fi
    [ -n "$(ps -o stat= -p "$game_pid" | grep -v Z)" ] || { wait "$game_pid"; return; }
    xdotool key BackSpace
    sleep 0.3
  done
  return 1
}
