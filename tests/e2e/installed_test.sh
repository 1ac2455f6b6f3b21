#!/usr/bin/env bash
# The installed game from its package: it starts to the start prompt, Space starts play and
# Escape quits with status 0.
# Usage: installed_test.sh GAME_BINARY MUSIC_WAV
source "$(dirname "$0")/e2e_lib.sh"

start_game
shot installed-start
# The prompt's black text lies in the sky of the playfield.
dark=$(convert "$shots/installed-start.png" -crop 169x29+195+154 +repage -colorspace Gray \
  -format '%[fx:minima.r]' info:)
awk -v d="$dark" 'BEGIN { exit !(d < 0.2) }' || fail "no start prompt on the screen"
xdotool key space
sleep 0.5
grep -q "audio module" "$work/game.log" && fail "the installed game did not find its audio module"
xdotool key Escape
status=0
wait_exit 2 || status=$?
[ "$status" = 0 ] || fail "Escape did not end the installed game with status 0 (status $status)"
echo "passed: the installed game started, played and quit"
