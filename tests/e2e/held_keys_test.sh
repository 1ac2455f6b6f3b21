#!/usr/bin/env bash
# Keys held down past the repeat delay, as Xvfb repeats them like every X server by default
# (after 660 ms, 25 times a second): a held zoom or full-screen key acts once, a held arrow
# steers the monkey at the rules' pace, and an Escape held to close a message box is the box's.
# Usage: held_keys_test.sh GAME_BINARY MUSIC_WAV
# On this screen the window zooms up to 3x, so that a second step would show.
E2E_SCREEN=1600x1600
source "$(dirname "$0")/e2e_lib.sh"

hold() {
  xdotool keydown "$1"
  sleep "$(awk -v ms="$2" 'BEGIN { print ms / 1000 }')"
  xdotool keyup "$1"
}

# Holds the key well past the repeat delay; the main window takes this size at the press and
# keeps it while the key repeats and after.
acts_once() {
  local size
  xdotool keydown "$1"
  wait_size "$main_window" "$2"
  sleep 1
  for _ in $(seq 5); do
    size=$(window_size "$main_window")
    [ "$size" = "$2" ] || fail "while $1 repeated the window became $size, not $2"
    sleep 0.1
  done
  xdotool keyup "$1"
  sleep 0.2
  size=$(window_size "$main_window")
  [ "$size" = "$2" ] || fail "after $1 was let go the window became $size, not $2"
  echo "$1 held through its repeats: $2 once"
}

start_game
acts_once ctrl+plus 984x996
acts_once F11 1600x1600
xdotool key F11 ctrl+0
wait_size "$main_window" 492x498
# Where the picture is looked at.
eval "$(xdotool getwindowgeometry --shell "$main_window")"
main_x=$X main_y=$Y

start_play
steers_at_the_rules_pace 3000 || fail "a held arrow did not steer at the rules' pace"

# Down held brings a landing; an Escape held to close its message box is the box's, repeats and
# all, and play goes on.
land_with_down
sleep 0.3
hold Escape 1500
sleep 0.3
[ -n "$(ps -o stat= -p "$game_pid" | grep -v Z)" ] || fail "a held Escape ended the game"
[ "$(windows_named Zundabar)" -eq 1 ] || fail "a held Escape did not close the message box"
picture_moves after-escape || fail "play did not go on after a held Escape closed the message box"
echo "Escape held to close the message box: play goes on"
quit_with_escape || fail "Escape did not end the game"
echo "passed"
