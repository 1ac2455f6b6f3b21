#!/usr/bin/env bash
# A new player's first game: Space starts it, the monkey falls, Down brings a landing with its
# message box, Enter goes on, Escape quits; and closing the window quits too.
# Usage: play_test.sh GAME_BINARY MUSIC_WAV
source "$(dirname "$0")/e2e_lib.sh"

start_game
shot start
xdotool key space
tops=()
for i in $(seq 8); do
  sleep 0.3
  shot "falling-$i"
  t=$(monkey_top "falling-$i")
  [ -n "$t" ] && tops+=("$t")
done
echo "monkey's top row while falling: ${tops[*]}"
[ ${#tops[@]} -ge 2 ] || fail "the monkey was not seen falling"
[ "${tops[-1]}" -gt "${tops[0]}" ] || fail "the monkey did not move down"

grep -q '^Music=True' "$settings_file" || fail "Music=True was not stored after the first Space"

xdotool keydown Down
for _ in $(seq 150); do
  [ "$(windows_named Zundabar)" -ge 2 ] && break
  sleep 0.1
done
xdotool keyup Down
[ "$(windows_named Zundabar)" -ge 2 ] || fail "no message box after holding Down"
sleep 0.3
shot message
xdotool key Return
for _ in $(seq 50); do
  [ "$(windows_named Zundabar)" -eq 1 ] && break
  sleep 0.1
done
[ "$(windows_named Zundabar)" -eq 1 ] || fail "Enter did not close the message box"
sleep 0.3
shot after-message-1
sleep 1
shot after-message-2
cmp -s "$shots/after-message-1.png" "$shots/after-message-2.png" &&
  fail "play did not go on after the message box"

xdotool windowfocus "$main_window"
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
