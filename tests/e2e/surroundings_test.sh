#!/usr/bin/env bash
# The game survives its surroundings. Started with stderr closed, or with stderr a pipe whose
# reader has gone, it shows its window, plays and quits with status 0 although it has lines to
# print; a working folder whose name holds terminal escapes is printed escaped; without a display
# it says so in one line and ends with status 1.
# Usage: surroundings_test.sh GAME_BINARY MUSIC_WAV
source "$(dirname "$0")/e2e_lib.sh"

# A damaged options file gives the game a line to print at start and one at the first Space.
damage_options() {
  rm -rf "$XDG_CONFIG_HOME" && mkdir -p "$(dirname "$settings_file")"
  head -c 4096 /dev/urandom >"$settings_file"
}

play_on() {
  start_play
  local status=0
  quit_with_escape || status=$?
  [ "$status" = 0 ] || fail "$1: the game did not quit with status 0 (status $status)"
  echo "$1: played and quit with status 0"
}

damage_options
start_game sh -c 'exec "$0" 2>&-'
[ "$(readlink "/proc/$game_pid/fd/2")" = /dev/null ] || fail "closed stderr: not on /dev/null"
play_on "closed stderr"

damage_options
start_game python3 -c 'import os, signal, sys
r, w = os.pipe()
os.close(r)
os.dup2(w, 2)
signal.signal(signal.SIGPIPE, signal.SIG_DFL)
os.execv(sys.argv[1], sys.argv[1:])'
play_on "stderr a pipe without reader"

run_dir=$work/run-$'\e[31m'red
mkdir -p "$run_dir"
: >"$run_dir/Music.wav"
start_game
play_on "a working folder with escapes"
grep -qF 'run-\x1b[31mred/Music.wav' "$work/game.log" || fail "the folder's name was not escaped"
grep -q $'\e' "$work/game.log" && fail "an escape sequence reached stderr"

for display in "" :4242; do
  [ -e "/tmp/.X11-unix/X${display#:}" ] && continue
  status=0
  timeout 30 env -u WAYLAND_DISPLAY -u XDG_SESSION_TYPE -u QT_QPA_PLATFORM DISPLAY="$display" \
    "$game" >"$work/game.log" 2>&1 || status=$?
  echo "display \"$display\": status $status: $(cat "$work/game.log")"
  [ "$status" = 1 ] || fail "display \"$display\": status $status, not 1"
  [ "$(wc -l <"$work/game.log")" = 1 ] && grep -q '^zundabar: cannot open ' "$work/game.log" ||
    fail "display \"$display\": not one line"
  [ -z "$display" ] || grep -qF "\"$display\"" "$work/game.log" || fail "the display is not named"
done
echo "passed"
