#!/usr/bin/env bash
# The installed game from its package: it starts to the start prompt, Space starts play and
# Escape quits with status 0.
# Usage: installed_test.sh GAME_BINARY MUSIC_WAV
source "$(dirname "$0")/e2e_lib.sh"

start_game
shot installed-start
prompt_shown || fail "no start prompt on the screen"
start_play
sleep 0.5
grep -q "audio module" "$work/game.log" && fail "the installed game did not find its audio module"
status=0
quit_with_escape || status=$?
[ "$status" = 0 ] || fail "Escape did not end the installed game with status 0 (status $status)"
echo "passed: the installed game started, played and quit"
