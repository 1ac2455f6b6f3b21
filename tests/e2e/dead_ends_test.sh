#!/usr/bin/env bash
# No dead ends: an Escape pressed at the start prompt or in the options window never ends the
# game later, and closing the options window as a window manager does plays on with the keyboard
# back on the main window (there is no window manager to hand it over), where Escape then quits.
# Usage: dead_ends_test.sh GAME_BINARY MUSIC_WAV
source "$(dirname "$0")/e2e_lib.sh"

# The game runs and its tick too: two looks a moment apart differ.
playing() {
  [ -n "$(ps -o stat= -p "$game_pid" | grep -v Z)" ] || fail "the game ended $1"
  shot "$1-1"
  sleep 0.5
  shot "$1-2"
  ! cmp -s "$shots/$1-1.png" "$shots/$1-2.png" || fail "play does not go on $1"
}

start_game
xdotool key Escape
sleep 0.3
start_play
sleep 0.3
playing "after Escape at the prompt and Space"

xdotool key F1
options=$(wait_window "Configuration Options")
sleep 0.3
xdotool key Escape
python3 "$here/send_close.py" "$options"
sleep 0.5
[ "$(windows_named 'Configuration Options')" -eq 0 ] || fail "the options window did not close"
playing "after Escape in the options window and closing it"
[ "$(xdotool getwindowfocus)" = "$main_window" ] || fail "the main window has not the keyboard"
xdotool key Escape
wait_exit 2 || fail "Escape after the close did not end the game with status 0"
echo "passed"
