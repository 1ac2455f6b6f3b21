#!/usr/bin/env bash
# A full disk when Set is pressed: the options file keeps every byte, one line says which option
# could not be saved and why, no temporary file is left, and the game plays on. Needs root, for a
# small tmpfs of its own.
# Usage: full_disk_test.sh GAME_BINARY MUSIC_WAV
source "$(dirname "$0")/e2e_lib.sh"

[ "$(id -u)" = 0 ] || { echo "cannot run: mounting a small tmpfs needs root"; exit 77; }
mount -t tmpfs -o size=64k tmpfs "$XDG_CONFIG_HOME" || { echo "cannot run: no tmpfs"; exit 77; }
trap 'umount "$XDG_CONFIG_HOME"; cleanup' EXIT

mkdir -p "$(dirname "$settings_file")"
printf '[Settings]\n; kept by hand\nProgression=5\nJump=4\nCrates=False\nMusic=True\n' \
  >"$settings_file"
cp "$settings_file" "$work/before.conf"
head -c 1M /dev/zero >"$XDG_CONFIG_HOME/filler" 2>/dev/null || true
echo "free on the options' file system: $(df --output=avail -B1 "$XDG_CONFIG_HOME" | tail -n 1) bytes"

start_game
xdotool key F1
options=$(wait_window "Configuration Options")
sleep 0.3
xdotool key Tab Tab Right
click_in "$options" $(design_place --centre optionsWindow setProgressionButton)
click_in "$options" $(design_place --centre optionsWindow setProgressionButton)
click_in "$options" $(design_place --centre optionsWindow setCratesButton)
echo "options file before: $(od -An -c "$work/before.conf" | tr -s ' ' | tr -d '\n')"
echo "options file after:  $(od -An -c "$settings_file" | tr -s ' ' | tr -d '\n')"
cmp "$work/before.conf" "$settings_file" || fail "the options file changed on a full disk"
ls -a "$(dirname "$settings_file")" | grep -q '\.tmp-' && fail "a temporary file was left behind"
[ "$(grep -c 'zundabar: could not save the option Progression' "$work/game.log")" = 1 ] ||
  fail "not one line for the progression that could not be saved"
grep -F "could not save the option Progression to $settings_file: No space left on device" \
  "$work/game.log" || fail "the line does not say the disk is full"
grep -q 'could not save the option Crates' "$work/game.log" || fail "nothing said for Crates"

click_in "$options" $(design_place --centre optionsWindow resumeButton)
start_play
status=0
quit_with_escape || status=$?
[ "$status" = 0 ] || fail "the game did not quit with status 0 (status $status)"
cmp "$work/before.conf" "$settings_file" || fail "the options file changed on a full disk"
echo "passed"
