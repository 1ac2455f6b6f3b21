#!/usr/bin/env bash
# The options window from the start prompt: keys on a slider and its Set button store the value,
# crates switched off stay off at the next start; the credit banner opens the About window and
# its Close starts play.
# Usage: options_test.sh GAME_BINARY MUSIC_WAV
source "$(dirname "$0")/e2e_lib.sh"

# A tick mark is the only dark thing inside a check box.
ticked() {
  local darkest
  darkest=$(convert "$shots/$1.png" -shave 3x3 -colorspace Gray -format '%[fx:minima.r]' info:)
  awk -v d="$darkest" 'BEGIN { exit !(d < 0.3) }'
}

start_game
xdotool key F1
options=$(wait_window "Configuration Options")
sleep 0.3
shot options-opened
crop "$options" $(design_place optionsWindow cratesBox) crates-ticked

# From Set (the focus) two tabs reach the progression slider.
xdotool key Tab Tab Right Right Right
click_in "$options" $(design_place --centre optionsWindow setProgressionButton)
stored "Progression=5" || fail "the progression slider's value was not stored"

click_in "$options" $(design_place --centre optionsWindow cratesBox)
crop "$options" $(design_place optionsWindow cratesBox) crates-clear
ticked crates-ticked || fail "the crates box was not ticked at first"
ticked crates-clear && fail "the crates box did not clear"
click_in "$options" $(design_place --centre optionsWindow setCratesButton)
stored "Crates=False" || fail "unticking crates and Set did not store False"
echo "stored: $(tr '\n' ' ' <"$settings_file")"

focus_main
xdotool key Escape   # the tick is off: Escape does nothing here
sleep 0.3
kill -0 "$game_pid" || fail "Escape at the prompt ended the game"
python3 "$here/send_close.py" "$main_window"
wait_exit 2 || fail "closing the window did not end the game"

start_game
xdotool key F1
options=$(wait_window "Configuration Options")
sleep 0.3
crop "$options" $(design_place optionsWindow cratesBox) crates-after-restart
shot options-after-restart
ticked crates-after-restart && fail "after a new start the crates box is not clear"
click_in "$options" $(design_place --centre optionsWindow resumeButton)
sleep 0.3

focus_main
xdotool key BackSpace
sleep 0.3
click_in "$main_window" $(design_place --centre mainWindow creditBanner)
about=$(wait_window "About Zundabar")
sleep 0.3
shot about-opened
shot before-close
click_in "$about" $(design_place --centre aboutWindow closeButton)
sleep 0.5
picture_moves after-close || fail "Close did not start play"
[ "$(windows_named 'About Zundabar')" -eq 0 ] || fail "the About window is still shown"
echo "passed"
