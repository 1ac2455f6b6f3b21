#!/usr/bin/env bash
# Playing big on a 1920 x 1080 screen: Ctrl+Plus doubles the window and play goes on; F11 fills
# the screen with the picture centred at a whole factor and play goes on; a click on the enlarged
# credit banner opens the About window; the next start opens at the zoom the player left. Under a
# limit that allows no file to grow, F11 leaves that choice's file as it was, says why in one line,
# and play goes on.
# Usage: zoom_test.sh GAME_BINARY MUSIC_WAV
E2E_SCREEN=1920x1080
source "$(dirname "$0")/e2e_lib.sh"

# The playfield, at this crop of the screen, changes between two looks without a message box.
playing() {
  import -window root -crop "$2" "$shots/$1-a.png"
  sleep 0.5
  import -window root -crop "$2" "$shots/$1-b.png"
  cmp -s "$shots/$1-a.png" "$shots/$1-b.png" && fail "play stopped after $1"
  [ "$(windows_named Zundabar)" -eq 1 ] || fail "a message box opened after $1"
}

start_game
wait_size "$main_window" 492x498
start_play
xdotool key ctrl+plus
wait_size "$main_window" 984x996
playing ctrl-plus 944x892+42+58

xdotool key F11
wait_size "$main_window" 1920x1080
sleep 0.3
shot full-screen
# 2x is the largest factor that fits 1080 rows; everything around the picture is black.
picture=$(convert "$shots/full-screen.png" -format '%@' info:)
[ "$picture" = "984x996+468+42" ] || fail "the full-screen picture lies at $picture"
playing full-screen 944x892+486+60

read -r banner_x banner_y < <(design_place --centre mainWindow creditBanner 2)
xdotool mousemove $((468 + banner_x)) $((42 + banner_y)) click 1
about=$(wait_window 'About Zundabar')
wait_size "$about" 624x578
click_in "$about" $(design_place --centre aboutWindow closeButton 2)
focus_main
xdotool key F11
wait_size "$main_window" 984x996
quit_with_escape || fail "Escape did not end the zoomed game"
grep -qi zoom "$settings_file" && fail "the zoom went into the options file"

start_game
wait_size "$main_window" 984x996
python3 "$here/send_close.py" "$main_window"
wait_exit 2 || fail "closing the restarted game did not end it"

# The game's stderr goes through a pipe made before the limit, which binds no pipe.
display_file=$XDG_CONFIG_HOME/Zundabar/display.conf
cp "$display_file" "$work/display-before.conf"
start_game bash -c 'exec 2> >(exec cat); ulimit -f 0; exec "$0"'
wait_size "$main_window" 984x996
start_play
xdotool key F11
wait_size "$main_window" 1920x1080
sleep 0.3
playing full-screen-unsaved 944x892+486+60
cmp "$work/display-before.conf" "$display_file" || fail "a save past the size limit changed the file"
quit_with_escape || fail "Escape did not end the game that could not save its display choice"
[ "$(grep -c 'could not save the display settings' "$work/game.log")" = 1 ] ||
  fail "not one line for the display choice that could not be saved"
grep -F "could not save the display settings to $display_file: File too large" "$work/game.log" ||
  fail "the line does not say the file could not grow"
echo "passed"
