#!/usr/bin/env bash
# A new player's first game: Space starts it, the monkey falls, Down brings a landing with its
# message box, Enter goes on, Escape quits; and closing the window quits too.
# Usage: play_test.sh GAME_BINARY MUSIC_WAV
source "$(dirname "$0")/e2e_lib.sh"

start_game
shot start
start_play
monkey_falls || fail "the monkey was not seen falling"

grep -q '^Music=True' "$settings_file" || fail "Music=True was not stored after the first Space"

land_with_down
sleep 0.3
shot message
xdotool key Return
for _ in $(seq 50); do
  [ "$(windows_named Zundabar)" -eq 1 ] && break
  sleep 0.1
done
[ "$(windows_named Zundabar)" -eq 1 ] || fail "Enter did not close the message box"
sleep 0.3
picture_moves after-message || fail "play did not go on after the message box"

focus_main
xdotool key Escape
status=0
wait_exit 2 || status=$?
[ "$status" = 0 ] || fail "Escape did not end the game with status 0 within 2 s (status $status)"
echo "Escape: the game ended with status 0"

start_game
python3 "$here/send_close.py" "$main_window"
status=0
wait_exit 2 || status=$?
[ "$status" = 0 ] || fail "closing the window did not end the game with status 0 (status $status)"
echo "close: the game ended with status 0"
echo "passed"
