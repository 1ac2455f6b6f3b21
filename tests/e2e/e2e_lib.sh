# The end-to-end tests' steps under a private X server: the game's windows found, focused and
# clicked with xdotool, the screen shot with ImageMagick's import.
source "$(dirname "${BASH_SOURCE[0]}")/e2e_common.sh"
require_tools Xvfb xdotool import convert python3

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

# Starts the game in the working folder (run_dir, $work/run unless set), through the command
# given as arguments, if any, which ends by running the game it is handed; sets game_pid,
# main_window, main_x and main_y.
start_game() {
  (cd "${run_dir:-$work/run}" && exec "$@" "$game") >"$work/game.log" 2>&1 &
  game_pid=$!
  pids+=("$game_pid")
  main_window=$(wait_window Zundabar)
  local WINDOW X Y WIDTH HEIGHT SCREEN
  eval "$(xdotool getwindowgeometry --shell "$main_window")"
  main_x=$X main_y=$Y
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

# Space at the start prompt, pressed again should the first press be lost. Play has started once
# the prompt is gone or the monkey, drawn only by the game tick, is on the screen.
start_play() {
  for _ in 1 2 3; do
    focus_main
    xdotool key space
    for _ in $(seq 20); do
      prompt_shown || return 0
      [ -n "$(monkey_top prompt)" ] && return 0
      sleep 0.05
    done
  done
  fail "Space did not start play"
}

window_size() {
  xdotool getwindowgeometry "$1" | awk '/Geometry/ { print $2 }'
}

# Waits until the window has this client size.
wait_size() {
  local size
  for _ in $(seq 50); do
    size=$(window_size "$1")
    [ "$size" = "$2" ] && return 0
    sleep 0.1
  done
  fail "a window is $size, not $2"
}

windows_named() {
  xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | wc -l
}

# Holds Down until the level ends and its message box is open (bounded).
land_with_down() {
  xdotool keydown Down
  for _ in $(seq 150); do
    [ "$(windows_named Zundabar)" -ge 2 ] && break
    sleep 0.1
  done
  xdotool keyup Down
  [ "$(windows_named Zundabar)" -ge 2 ] || fail "no message box after holding Down"
}

shot() {
  import -window root "$shots/$1.png"
}

# The id of a visible window with exactly this title, or nothing.
find_window() {
  xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1
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

# Closes an end-of-level message box with Enter, should one be up, and gives the keyboard back
# to the main window.
close_message_box() {
  local box
  box=$(xdotool search --onlyvisible --name '^Zundabar$' 2>/dev/null | grep -vx "$main_window" |
    head -n 1) || true
  [ -n "$box" ] || return 1
  xdotool windowfocus "$box"
  xdotool key Return
  sleep 0.2
  focus_main
}

# Escape quits only during play: a message box left open by random keys is closed first, and a
# paused game is resumed with Backspace. Returns the game's exit status, or 1 when it did not end.
quit_with_escape() {
  for _ in 1 2 3 4 5; do
    close_message_box || focus_main
    xdotool key Escape
    if wait_exit 1; then return 0; fi
    [ -n "$(ps -o stat= -p "$game_pid" | grep -v Z)" ] || { wait "$game_pid"; return; }
    xdotool key BackSpace
    sleep 0.3
  done
  return 1
}
