#!/usr/bin/env bash
# Faults from outside: a broken music file or options file. In every case the game starts, plays
# under random keys, quits with Escape with status 0, keeps the options it could read, and says
# on stderr, in a line naming the file, what failed.
# Usage: faults_test.sh GAME_BINARY MUSIC_WAV
source "$(dirname "$0")/e2e_lib.sh"

music_file=$work/run/Music.wav
settings_dir=$XDG_CONFIG_HOME/VB\ and\ VBA\ Program\ Settings

# A WAV header whose sizes announce about 4 GiB of sound, followed by a little of it.
huge_header() {
  printf 'RIFF\xf8\xff\xff\xffWAVEfmt \x10\x00\x00\x00\x01\x00\x01\x00\x22\x56\x00\x00'
  printf '\x44\xac\x00\x00\x02\x00\x10\x00data\xf0\xff\xff\xff'
  head -c 4096 /dev/zero
}

reset_case() {
  rm -rf "$music_file" "$XDG_CONFIG_HOME"
  mkdir -p "$XDG_CONFIG_HOME"
  cp "$music" "$music_file"
}

# Plays for a few seconds with random keys, then quits with Escape.
play_and_quit() {
  start_game
  start_play
  local keys=(Left Right Up Down Down Down Return)
  for _ in $(seq 25); do
    xdotool key "${keys[RANDOM % ${#keys[@]}]}"
    sleep 0.08
  done
  local status=0
  quit_with_escape || status=$?
  [ "$status" = 0 ] || fail "$1: the game did not quit with status 0 (status $status)"
}

# The game said, in a line of its own naming the file, what failed.
said() {
  grep -F "zundabar: " "$work/game.log" | grep -qF "$2" ||
    fail "$1: no line on stderr naming $2"
  echo "$1: $(grep -F "zundabar: " "$work/game.log" | grep -F "$2" | head -n 1)"
}

check_music_case() {
  reset_case
  rm -rf "$music_file"
  "$2"
  play_and_quit "$1"
  said "$1" "$music_file"
}
empty() { : >"$music_file"; }
random_bytes() { head -c 65536 /dev/urandom >"$music_file"; }
truncated_header() { head -c 30 "$music" >"$music_file"; }
gigabyte_header() { huge_header >"$music_file"; }
directory() { mkdir "$music_file"; }
hundreds_of_megabytes() { truncate -s 300M "$music_file"; }
for case in empty random_bytes truncated_header gigabyte_header directory hundreds_of_megabytes; do
  check_music_case "music: $case" "$case"
done

check_settings_case() {
  local name=$1 write=$2 expect=$3
  reset_case
  mkdir -p "$settings_dir"
  "$write"
  cp -r "$settings_dir" "$work/before" 2>/dev/null || cp "$settings_dir" "$work/before"
  play_and_quit "$name"
  said "$name" "$expect"
}
settings_file_of() { echo "$settings_dir/ZNDBR.conf"; }

binary() { head -c 4096 /dev/urandom >"$(settings_file_of)"; }
check_settings_case "options: binary" binary "$(settings_file_of)"
[ -f "$(settings_file_of).corrupt" ] && cmp -s "$work/before/ZNDBR.conf" "$(settings_file_of).corrupt" ||
  fail "options: binary: the unreadable file was not kept"
rm -rf "$work/before"

unfinished() { printf '[Settings]\nProgression=7\nJump=4\n[Setti' >"$(settings_file_of)"; }
check_settings_case "options: corrupt" unfinished "$(settings_file_of)"
grep -q '^Progression=7' "$(settings_file_of)" || fail "options: corrupt: Progression=7 was lost"
rm -rf "$work/before"

half_megabyte_value() {
  { printf '[Settings]\nProgression=7\nJump='; head -c 524288 /dev/zero | tr '\0' 9; printf '\n'; } \
    >"$(settings_file_of)"
}
check_settings_case "options: a half-megabyte value" half_megabyte_value "$(settings_file_of)"
grep -q '^Progression=7' "$(settings_file_of)" || fail "options: half megabyte: Progression=7 was lost"
rm -rf "$work/before"

# Neither read, which would hang the game, nor replaced.
fifo() { mkfifo "$(settings_file_of)"; }
check_settings_case "options: a FIFO" fifo "$(settings_file_of)"
[ -p "$(settings_file_of)" ] || fail "options: a FIFO: it was replaced"
rm -rf "$work/before"
# A lock left behind by a killed game freezes nothing: Space saves the music option at once.
reset_case
mkdir -p "$settings_file.lock"
play_and_quit "options: a lock directory left behind"
stored "Music=True" || fail "options: a lock directory left behind: Music was not saved"

unwritable() { rmdir "$settings_dir"; : >"$settings_dir"; }
check_settings_case "options: unwritable" unwritable "$(settings_file_of)"
rm -rf "$work/before"

conf_directory() { mkdir "$(settings_file_of)"; }
check_settings_case "options: a directory" conf_directory "$(settings_file_of)"
echo "passed"
